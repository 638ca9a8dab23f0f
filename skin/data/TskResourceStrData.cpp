#include "skin/data/TskResourceStrData.h"

#include "platform/text/Utf.h"

namespace qb {

TskResourceStrData::TskResourceStrData(TComponent* owner)
    : TComponent(owner),
      resStrings_{
          u"MI_MINCAPTION=Mi&nimize",
          u"MI_MAXCAPTION=Ma&ximize",
          u"MI_RESTORECAPTION=&Restore",
          u"MI_ROLLUPCAPTION=Ro&llUp",
          u"MI_MINTOTRAYCAPTION=Minimize to &Tray",
          u"MI_CLOSECAPTION=&Close",
          u"CLOSEBUTTON_HINT=Close",
          u"MAXBUTTON_HINT=Maximize",
          u"MINBUTTON_HINT=Minimize",
          u"MENUBUTTON_HINT=System menu",
          u"ROLLUPBUTTON_HINT=Roll Up",
          u"TRAYBUTTON_HINT=Minimize to Tray",
          u"RESTORE_HINT=Restore",
          u"MSG_BTN_OK=OK",
          u"MSG_BTN_CANCEL=Cancel",
          u"MSG_BTN_YES=&Yes",
          u"MSG_BTN_NO=&No",
      } {}

std::u16string TskResourceStrData::GetResStr(std::u16string_view name) const {
  const std::u16string wanted = LowerCase(name);
  for (const std::u16string& line : resStrings_) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string::npos) continue;
    if (LowerCase(std::u16string_view(line).substr(0, equals)) == wanted) return line.substr(equals + 1);
  }
  return {};
}

}  // namespace qb
