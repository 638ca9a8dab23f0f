#include "skin/data/SkinRecordTypes.h"

#include <array>

#include "skin/data/TskDataSkinButtonControl.h"
#include "skin/data/TskDataSkinCaption.h"
#include "skin/data/TskDataSkinGaugeControl.h"
#include "skin/data/TskDataSkinMainMenuBarButton.h"
#include "skin/data/TskDataSkinMenuButtonControl.h"
#include "skin/data/TskDataSkinSectionControl.h"
#include "skin/data/TskDataSkinSectionObject.h"
#include "skin/data/TskDataSkinStdButton.h"

namespace qb {
namespace {

// The control types kept as plain sections: the program's window draws none
// of them.
constexpr std::array<std::u16string_view, 26> kSectionControlTypes{
    u"panel",    u"expanel",  u"checkradio", u"splitter",    u"trackbar",     u"label",   u"stdlabel",
    u"updown",   u"grid",     u"tab",        u"mainmenubar", u"controlbar",   u"appmenu", u"memo",
    u"edit",     u"checklistbox", u"listbox", u"combobox",   u"scrollbar",    u"spinedit", u"scrollbox",
    u"treeview", u"bevel",    u"slider",     u"listview",    u"richedit",
};

constexpr std::array<std::u16string_view, 4> kSectionObjectTypes{
    u"animate", u"userobject", u"menuitem", u"mainmenubaritem",
};

template <std::size_t N>
bool Contains(const std::array<std::u16string_view, N>& types, std::u16string_view type) {
  for (std::u16string_view t : types) {
    if (t == type) return true;
  }
  return false;
}

}  // namespace

std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::u16string_view type, std::u16string name) {
  if (type == u"stdbutton") return std::make_unique<TskDataSkinStdButton>(std::move(name));
  if (type == u"mainmenubarbutton") return std::make_unique<TskDataSkinMainMenuBarButton>(std::move(name));
  if (type == u"button") return std::make_unique<TskDataSkinButton>(std::move(name));
  if (type == u"caption") return std::make_unique<TskDataSkinCaption>(std::move(name));
  if (Contains(kSectionObjectTypes, type)) {
    return std::make_unique<TskDataSkinSectionObject>(std::move(name), std::u16string(type));
  }
  return nullptr;
}

std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::u16string_view type, std::u16string name) {
  if (type == u"button") return std::make_unique<TskDataSkinButtonControl>(std::move(name));
  if (type == u"menubutton") return std::make_unique<TskDataSkinMenuButtonControl>(std::move(name));
  if (type == u"gauge") return std::make_unique<TskDataSkinGaugeControl>(std::move(name));
  if (Contains(kSectionControlTypes, type)) {
    return std::make_unique<TskDataSkinSectionControl>(std::move(name), std::u16string(type));
  }
  return nullptr;
}

}  // namespace qb
