#include "tools/skingen/SkinDefinition.h"

#include <vector>

#include "tools/skingen/CaptionButtonPainter.h"
#include "tools/skingen/FrameGeometry.h"
#include "tools/skingen/PopupPainter.h"
#include "tools/skingen/SkinPictureIndex.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

constexpr RECT kNone{0, 0, 0, 0};

int Index(PictureIndex p) { return int(p); }

IniSection Version() {
  return IniSection("VERSION")
      .Text("skinname", "Silver")
      .Text("skinauthor", "Quillbrook")
      .Text("authoremail", "")
      .Text("authorurl", "")
      .Text("skincomments", "Light silver look of the notification window");
}

IniSection Pictures() {
  IniSection s("PICTURES");
  s.Text("picture", std::string(kMainPictureName))
      .Text("inactivepicture", "")
      .Text("mask", std::string(kMaskPictureName))
      .Int("activepicturescount", long(kPictureNames.size()));
  for (std::size_t i = 0; i < kPictureNames.size(); ++i) s.Text(std::to_string(i), std::string(kPictureNames[i]));
  return s;
}

IniSection& Stretch(IniSection& s, bool stretch) {
  return s.Bool("leftstretch", stretch)
      .Bool("rightstretch", stretch)
      .Bool("topstretch", stretch)
      .Bool("bottomstretch", stretch)
      .Bool("stretcheffect", stretch)
      .Text("stretchtype", "stfull");
}

IniSection& Corners(IniSection& s, POINT lt, POINT rt, POINT lb, POINT rb) {
  return s.Point("lefttoppoint", lt).Point("righttoppoint", rt).Point("leftbottompoint", lb).Point("rightbottompoint", rb);
}

IniSection FormInfo() {
  using namespace frame;
  IniSection s("FORMINFO");
  Corners(s, kMainLeftTop, kMainRightTop, kMainLeftBottom, kMainRightBottom)
      .Rect("clientrect", kMainClient)
      .Int("bgpictureindex", -1)
      .Int("mdibgpictureindex", -1);
  Stretch(s, false).Bool("mdibgstretcheffect", false).Text("mdibgstretchtype", "stfull");
  return s.Rect("maskrectarea", kMainMaskArea)
      .Point("hittestlefttoppoint", kMainHitTestLeftTop)
      .Point("hittestrighttoppoint", kMainHitTestRightTop)
      .Point("hittestleftbottompoint", kMainHitTestLeftBottom)
      .Point("hittestrightbottompoint", kMainHitTestRightBottom)
      .Rect("buttonsrect", kNone)
      .Rect("captionrect", kMainCaption)
      .Int("buttonsoffset", kButtonsOffset)
      .Bool("buttonsinleft", false)
      .Bool("mainmenupopupup", false)
      .Int("borderwidth", kBorderWidth)
      .Int("formminwidth", kFormMinWidth)
      .Int("formminheight", 0)
      .Bool("mditabstransparent", false)
      .Bool("mainmenubartransparent", false)
      .Bool("autorenderinginactiveimage", false)
      .Text("inactiveeffect", "iegrayscale");
}

IniSection PopupWindow() {
  using namespace popup;
  IniSection s("POPUPWINDOW");
  s.Int("windowpictureindex", Index(PictureIndex::kPopupWindow)).Int("maskpictureindex", Index(PictureIndex::kPopupWindowMask));
  Corners(s, {6, 6}, {kMenuWidth - 6, 6}, {6, kMenuHeight - 6}, {kMenuWidth - 6, kMenuHeight - 6})
      .Rect("itemsrect", {3, 3, kMenuWidth - 3, kMenuHeight - 3})
      .Int("scrollmarkercolor", 0)
      .Int("scrollmarkeractivecolor", theme::kHighlight);
  return Stretch(s, true);
}

IniSection LayerFrame() {
  using namespace frame;
  IniSection s("LAYERFRAME");
  s.Int("pictureindex", Index(PictureIndex::kLayerFrame))
      .Int("maskpictureindex", Index(PictureIndex::kLayerFrameMask))
      .Int("inactivepictureindex", -1)
      .Int("inactivemaskpictureindex", -1);
  return Corners(s, kLayerLeftTop, kLayerRightTop, kLayerLeftBottom, kLayerRightBottom)
      .Rect("clientrect", kLayerClient)
      .Int("alphablendvalue", 255)
      .Int("inactivealphablendvalue", 255)
      .Rect("borderrect", kLayerBorder)
      .Bool("hittestenable", true)
      .Bool("fullborder", true)
      .Int("hittestsize", kLayerHitTestSize)
      .Rect("captionrect", kLayerCaption)
      .Rect("buttonsrect", kNone)
      .Rect("sysmenubuttonrect", kNone)
      .Bool("fullstretch", false)
      .Int("rollupformheight", 0)
      .Int("buttonstopoffset", kLayerButtonsTop)
      .Int("sysbuttontopoffset", kLayerButtonsTop)
      .Int("blurmaskpictureindex", -1)
      .Rect("intersectblurmaskrect", kLayerIntersectBlur)
      .Rect("excludeblurmaskrect", kLayerExcludeBlur)
      .Int("leftoffset", 0)
      .Int("topoffset", 0)
      .Int("widthoffset", 0)
      .Int("heightoffset", 0);
}

IniSection HintWindow() {
  using namespace popup;
  IniSection s("HINTWINDOW");
  s.Int("windowpictureindex", Index(PictureIndex::kHintWindow)).Int("maskpictureindex", Index(PictureIndex::kHintWindowMask));
  Corners(s, {6, 6}, {kHintSize - 6, 6}, {6, kHintSize - 6}, {kHintSize - 6, kHintSize - 6})
      .Rect("clientrect", {4, 4, kHintSize - 4, kHintSize - 4})
      .Text("fontname", "Tahoma")
      .Int("fontheight", 13)
      .Text("fontstyle", "")
      .Int("fontcolor", 0);
  return Stretch(s, true);
}

IniSection SkinColors() {
  using namespace theme;
  return IniSection("SKINCOLORS")
      .Int("cbtnface", kBtnFace)
      .Int("cbtntext", kBtnText)
      .Int("cwindow", kWindow)
      .Int("cwindowtext", kWindowText)
      .Int("chighlight", kHighlight)
      .Int("chighlighttext", kHighlightText)
      .Int("cbtnhighlight", kBtnHighlight)
      .Int("cbtnshadow", kBtnShadow);
}

// The keys every frame object has.
IniSection ObjectSection(const std::string& name, const std::string& hint, PictureIndex picture, bool inPicture,
                         const RECT& skin, const RECT& active, const RECT& inactive) {
  return IniSection(name)
      .Text("hint", hint)
      .Int("activepictureindex", Index(picture))
      .Int("activemaskpictureindex", -1)
      .Bool("skinrectinapicture", inPicture)
      .Rect("skinrect", skin)
      .Rect("activeskinrect", active)
      .Rect("inactiveskinrect", inactive)
      .Bool("morphing", !(active == kNone))
      .Text("morphkind", "mkdefault")
      .Int("glowlayerpictureindex", -1)
      .Int("glowlayermaskpictureindex", -1)
      .Int("glowlayeroffsetx", 0)
      .Int("glowlayeroffsety", 0)
      .Int("glowlayeralphablendvalue", 255);
}

struct ButtonObject {
  const char* name;
  const char* hint;
  const char* command;
  ButtonRow row;
  ButtonRow restoreRow;  // the same row when the button has no restore look
  int mask;
  int inactiveMask;
};

IniSection ButtonSection(const ButtonObject& b) {
  auto look = [](ButtonRow row, ButtonLook l) { return ButtonLookRect(row, l); };
  const bool restores = b.restoreRow != b.row;
  IniSection s = ObjectSection(b.name, b.hint, PictureIndex::kActive, true, look(b.row, ButtonLook::kNormal),
                               look(b.row, ButtonLook::kHot), look(b.row, ButtonLook::kInactive));
  return s.Rect("downrect", look(b.row, ButtonLook::kPressed))
      .Rect("disableskinrsect", kNone)
      .Int("alphamaskpictureindex", b.mask)
      .Int("alphamaskactivepictureindex", b.mask)
      .Int("alphamaskinactivepictureindex", b.inactiveMask)
      .Text("command", b.command)
      .Rect("restorerect", restores ? look(b.restoreRow, ButtonLook::kNormal) : kNone)
      .Rect("restoreactiverect", restores ? look(b.restoreRow, ButtonLook::kHot) : kNone)
      .Rect("restoredownrect", restores ? look(b.restoreRow, ButtonLook::kPressed) : kNone)
      .Rect("restoreinactiverect", restores ? look(b.restoreRow, ButtonLook::kInactive) : kNone)
      .Text("restorehint", "");
}

IniSection CaptionSection() {
  using namespace frame;
  IniSection s = ObjectSection("caption", "", PictureIndex::kActive, false, kCaptionSkin, kNone, kNone);
  s.Rect("textrect", kCaptionText)
      .Text("fontname", "Arial")
      .Int("fontheight", 14)
      .Text("fontstyle", "fsbold")
      .Int("fontcolor", theme::kCaptionText)
      .Int("activefontcolor", theme::kActiveCaptionText)
      .Text("alignment", "taleftjustify")
      .Bool("light", false)
      .Int("lightcolor", 0)
      .Int("activelightcolor", 0)
      .Bool("shadow", false)
      .Int("shadowcolor", 0)
      .Int("activeshadowcolor", 0)
      .Rect("framerect", kNone)
      .Rect("activeframerect", kNone)
      .Rect("frametextrect", kNone)
      .Int("frameleftoffset", 0)
      .Int("framerightoffset", 0)
      .Bool("stretcheffect", false)
      .Rect("animateskinrect", kNone)
      .Int("framecount", 0)
      .Int("animateinterval", 25)
      .Bool("inactiveanimation", false)
      .Bool("fullframe", false)
      .Bool("vistagloweffect", false)
      .Bool("vistaglowinactiveeffect", false)
      .Bool("gloweffect", true)
      .Bool("glowinactiveeffect", true)
      .Int("glowsize", 2)
      .Int("glowcolor", theme::kCaptionGlow)
      .Int("glowactivecolor", theme::kCaptionGlow)
      .Int("glowoffset", 0)
      .Bool("reflectioneffect", false)
      .Int("reflactioncolor", 0)
      .Int("reflactionactivecolor", 0)
      .Int("reflectionoffset", 0)
      .Rect("dividerrect", kNone)
      .Rect("inactivedividerrect", kNone)
      .Bool("dividertransparent", false)
      .Int("dividertransparentcolor", 0);
  return s.Int("quickbuttonalphamaskpictureindex", Index(PictureIndex::kQuickButtonAlphaMask));
}

IniSection MenuItemSection() {
  using namespace popup;
  IniSection s = ObjectSection("menuitem", "", PictureIndex::kMenuItems, true, kItem, kItemActive, kNone);
  return s.Rect("disabledskinrect", kItemDisabled)
      .Rect("dividerrect", kDivider)
      .Rect("checkimagerect", kCheck)
      .Rect("activecheckimagerect", kCheckActive)
      .Rect("arrowimagerect", kArrow)
      .Rect("activearrowimagerect", kArrowActive)
      .Point("itemlefttoppoint", {4, 4})
      .Point("itemrighttoppoint", {109, 4})
      .Rect("textrect", {26, 0, 100, 20})
      .Text("fontname", "Tahoma")
      .Int("fontheight", 13)
      .Text("fontstyle", "")
      .Int("fontcolor", 0)
      .Int("activefontcolor", 0)
      .Int("unenabledfontcolor", 8421504);
}

IniSection BarItemSection() {
  using namespace popup;
  IniSection s = ObjectSection("mainmenubaritem", "", PictureIndex::kMenuItems, true, kBarItem, kBarItemActive, kNone);
  return s.Rect("downskinrect", kBarItemDown)
      .Point("itemlefttoppoint", {4, 4})
      .Point("itemrighttoppoint", {36, 4})
      .Text("fontname", "Tahoma")
      .Int("fontheight", 13)
      .Text("fontstyle", "")
      .Int("fontcolor", 0)
      .Int("activefontcolor", 0)
      .Int("downfontcolor", 0);
}

}  // namespace

std::string SkinDefinitionText(const ControlSheet& controls) {
  const int buttonMask = Index(PictureIndex::kButtonAlphaMask);
  const int buttonInactiveMask = Index(PictureIndex::kButtonInactiveAlphaMask);
  const int sysMenuMask = Index(PictureIndex::kSysMenuAlphaMask);
  const int sysMenuInactiveMask = Index(PictureIndex::kSysMenuInactiveAlphaMask);
  const ButtonObject captionButtons[] = {
      {"closebutton", "Close", "cmclose", ButtonRow::kClose, ButtonRow::kClose, buttonMask, buttonInactiveMask},
      {"maxbutton", "Maximize", "cmmaximize", ButtonRow::kMaximize, ButtonRow::kMaximizeRestore, buttonMask,
       buttonInactiveMask},
      {"minbutton", "Minimize", "cmminimize", ButtonRow::kMinimize, ButtonRow::kMinimizeRestore, buttonMask,
       buttonInactiveMask},
      {"sysmenubutton", "System menu", "cmsysmenu", ButtonRow::kSysMenu, ButtonRow::kSysMenu, sysMenuMask,
       sysMenuInactiveMask},
  };
  const ButtonObject barButtons[] = {
      {"mdiclosebutton", "Close", "cmclose", ButtonRow::kBarClose, ButtonRow::kBarClose, -1, -1},
      {"mdimaxbutton", "Maximize", "cmmaximize", ButtonRow::kBarMaximize, ButtonRow::kBarMaximizeRestore, -1, -1},
      {"mdiminbutton", "Minimize", "cmminimize", ButtonRow::kBarMinimize, ButtonRow::kBarMinimize, -1, -1},
      {"mdisysmenubutton", "System menu", "cmsysmenu", ButtonRow::kBarSysMenu, ButtonRow::kBarSysMenu, -1, -1},
  };

  std::vector<std::pair<std::string, IniSection>> objects;
  for (const ButtonObject& b : captionButtons) objects.emplace_back("stdbutton", ButtonSection(b));
  objects.emplace_back("caption", CaptionSection());
  objects.emplace_back("menuitem", MenuItemSection());
  objects.emplace_back("mainmenubaritem", BarItemSection());
  for (const ButtonObject& b : barButtons) objects.emplace_back("mainmenubarbutton", ButtonSection(b));

  IniSection objectList("SKINOBJECTS");
  objectList.Int("count", long(objects.size()));
  for (std::size_t i = 0; i < objects.size(); ++i) {
    objectList.Text(std::to_string(i), objects[i].second.Name() + ":" + objects[i].first);
  }
  IniSection controlList("SKINCONTROLS");
  controlList.Int("count", long(controls.Entries().size()));
  for (std::size_t i = 0; i < controls.Entries().size(); ++i) {
    const ControlEntry& e = controls.Entries()[i];
    controlList.Text(std::to_string(i), e.section.Name() + ":" + e.type);
  }

  std::string text;
  for (const IniSection& s : {Version(), Pictures(), FormInfo(), PopupWindow(), LayerFrame(), HintWindow(), SkinColors(),
                              objectList, controlList}) {
    text += s.Render();
  }
  for (const auto& object : objects) text += object.second.Render();
  for (const ControlEntry& e : controls.Entries()) text += e.section.Render();
  return text;
}

}  // namespace qb::skingen
