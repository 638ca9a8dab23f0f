#include "tools/skingen/ControlCatalog.h"

#include "tools/skingen/ControlLooks.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

constexpr RECT kNone{0, 0, 0, 0};
constexpr int kDisabledGrey = 8421504;

// Corner points and client rectangle of a piece whose fixed corners are
// corner pixels square and whose edges are border pixels wide.
IniSection& NinePiece(IniSection& s, const RECT& piece, int border, int corner, bool stretch) {
  const LONG w = piece.right - piece.left;
  const LONG h = piece.bottom - piece.top;
  return s.Point("lefttoppoint", {corner, corner})
      .Point("righttoppoint", {w - corner, corner})
      .Point("leftbottompoint", {corner, h - corner})
      .Point("rightbottompoint", {w - corner, h - corner})
      .Rect("clientrect", {border, border, w - border, h - border})
      .Bool("leftstretch", stretch)
      .Bool("topstretch", stretch)
      .Bool("rightstretch", stretch)
      .Bool("bottomstretch", stretch)
      .Bool("stretcheffect", stretch)
      .Text("stretchtype", "stfull");
}

IniSection& Font(IniSection& s, const std::string& name = "Tahoma", int height = 13, const std::string& style = "",
                 long color = 0) {
  return s.Text("fontname", name).Int("fontheight", height).Text("fontstyle", style).Int("fontcolor", color);
}

struct ButtonLooks {
  RECT normal, hot, pressed, disabled;
};

ButtonLooks PaintButtonLooks(ControlSheet& sheet, int w, int h, bool tool, bool withDisabled) {
  ButtonLooks looks{sheet.Allocate(w, h), sheet.Allocate(w, h), sheet.Allocate(w, h),
                    withDisabled ? sheet.Allocate(w, h) : kNone};
  auto paint = tool ? PaintToolButton : [](Raster& r, const RECT& rect, Look look) { PaintPushButton(r, rect, look); };
  paint(sheet.Picture(), looks.normal, Look::kNormal);
  paint(sheet.Picture(), looks.hot, Look::kHot);
  paint(sheet.Picture(), looks.pressed, Look::kPressed);
  if (withDisabled) paint(sheet.Picture(), looks.disabled, Look::kDisabled);
  return looks;
}

struct ButtonStyle {
  std::string font = "Tahoma";
  int fontHeight = 13;
  long disabledColor = kDisabledGrey;
  int animateInterval = 25;
  RECT marker = kNone;
};

IniSection& ButtonKeys(IniSection& s, const ButtonLooks& looks, const ButtonStyle& style) {
  Font(s, style.font, style.fontHeight)
      .Int("activefontcolor", 0)
      .Int("downfontcolor", 0)
      .Int("disabledfontcolor", style.disabledColor)
      .Rect("activeskinrect", looks.hot)
      .Rect("downskinrect", looks.pressed)
      .Rect("focusedskinrect", kNone)
      .Rect("disabledskinrect", looks.disabled)
      .Bool("morphing", true)
      .Text("morphkind", "mkdefault")
      .Rect("animateskinrect", kNone)
      .Int("framecount", 0)
      .Int("animateinterval", style.animateInterval)
      .Bool("showfocus", false)
      .Rect("menumarkerflatrect", kNone)
      .Rect("menumarkerrect", style.marker)
      .Rect("menumarkeractiverect", kNone)
      .Rect("menumarkerdownrect", kNone)
      .Int("menumarkertransparentcolor", theme::kMarkerKey)
      .Int("glowlayerpictureindex", -1)
      .Int("glowlayermaskpictureindex", -1);
  for (const char* key : {"glowlayeroffsetleft", "glowlayeroffsettop", "glowlayeroffsetright", "glowlayeroffsetbottom",
                          "glowlayershowoffsetx", "glowlayershowoffsety"}) {
    s.Int(key, 0);
  }
  return s.Int("glowlayeralphablendvalue", 255);
}

void AddResizeButton(ControlSheet& sheet) {
  using namespace controls;
  for (const RECT& r : {kResizeButton, kResizeButtonHot, kResizeButtonDown, kResizeButtonMarker}) sheet.Reserve(r);
  PaintPushButton(sheet.Picture(), kResizeButton, Look::kNormal);
  PaintPushButton(sheet.Picture(), kResizeButtonHot, Look::kHot);
  PaintPushButton(sheet.Picture(), kResizeButtonDown, Look::kPressed);
  PaintMarker(sheet.Picture(), kResizeButtonMarker, 2);
  IniSection& s = sheet.Add("resizebutton", "button", kResizeButton);
  s.Point("lefttoppoint", {7, 7})
      .Point("righttoppoint", {32, 6})
      .Point("leftbottompoint", {7, 30})
      .Point("rightbottompoint", {34, 32})
      .Rect("clientrect", {2, 2, 38, 37});
  for (const char* key : {"leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect"}) s.Bool(key, true);
  s.Text("stretchtype", "stfull");
  ButtonKeys(s, {kResizeButton, kResizeButtonHot, kResizeButtonDown, kNone},
             {"Arial", 14, theme::kDisabledText, 20, kResizeButtonMarker});
}

void AddButton(ControlSheet& sheet, const std::string& name, const std::string& type, int w, int h, bool tool,
               bool stretch, bool withDisabled) {
  const ButtonLooks looks = PaintButtonLooks(sheet, w, h, tool, withDisabled);
  ButtonStyle style;
  if (type == "menubutton") {
    style.marker = sheet.Allocate(5, 4);
    PaintMarker(sheet.Picture(), style.marker, 2);
  }
  IniSection& s = sheet.Add(name, type, looks.normal);
  NinePiece(s, looks.normal, 2, 5, stretch);
  ButtonKeys(s, looks, style);
  if (type == "menubutton") s.Rect("trackbuttonrect", {w - 14, 2, w - 2, h - 2});
}

void GaugeKeys(IniSection& s, const RECT& area, const RECT& progress, bool vertical, int interval) {
  s.Rect("progressarea", area)
      .Rect("progressrect", progress)
      .Int("beginoffset", 0)
      .Int("endoffset", 0)
      .Bool("vertical", vertical);
  Font(s, "Arial", 14)
      .Bool("progresstransparent", false)
      .Int("progresstransparentcolor", 0)
      .Bool("progressstretch", false)
      .Rect("animationskinrect", kNone)
      .Int("animationcountframes", 0)
      .Int("animationtimerinterval", interval)
      .Rect("progressanimationskinrect", kNone)
      .Int("progressanimationcountframes", 0)
      .Int("progressanimationtimerinterval", 0)
      .Int("animationbeginoffset", 0)
      .Int("animationendoffset", 0);
}

void AddWindowGauge(ControlSheet& sheet) {
  using namespace controls;
  sheet.Reserve(kGauge);
  sheet.Reserve(kGaugeProgress);
  PaintTrack(sheet.Picture(), kGauge, false);
  PaintProgress(sheet.Picture(), kGaugeProgress, false);
  IniSection& s = sheet.Add("gauge", "gauge", kGauge);
  s.Point("lefttoppoint", {5, 8})
      .Point("righttoppoint", {13, 7})
      .Point("leftbottompoint", {0, 0})
      .Point("rightbottompoint", {0, 0})
      .Rect("clientrect", {2, 2, 15, 14});
  for (const char* key : {"leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect"}) s.Bool(key, false);
  s.Text("stretchtype", "stfull");
  GaugeKeys(s, kGaugeProgressArea, kGaugeProgress, false, 30);
}

void AddGauge(ControlSheet& sheet, const std::string& name, int w, int h, bool vertical) {
  const RECT track = sheet.Allocate(w, h);
  const RECT progress = vertical ? sheet.Allocate(w - 3, 19) : sheet.Allocate(19, h - 3);
  PaintTrack(sheet.Picture(), track, vertical);
  PaintProgress(sheet.Picture(), progress, vertical);
  IniSection& s = sheet.Add(name, "gauge", track);
  NinePiece(s, track, 2, 5, false);
  GaugeKeys(s, {2, 2, w - 1, h - 1}, progress, vertical, 30);
}

void AddCheck(ControlSheet& sheet, const std::string& name, bool radio, int size) {
  const char* keys[] = {"uncheckimagerect", "checkimagerect", "activeuncheckimagerect", "activecheckimagerect",
                        "downuncheckimagerect", "downcheckimagerect", "unenabledcheckimagerect"};
  const Look looks[] = {Look::kNormal, Look::kNormal, Look::kHot, Look::kHot, Look::kPressed, Look::kPressed, Look::kDisabled};
  RECT rects[7];
  for (int i = 0; i < 7; ++i) {
    rects[i] = sheet.Allocate(size, size);
    PaintCheck(sheet.Picture(), rects[i], radio, i % 2 == 1 || i == 6, looks[i]);
  }
  IniSection& s = sheet.Add(name, "checkradio", kNone);
  for (int i = 0; i < 7; ++i) s.Rect(keys[i], rects[i]);
  Font(s).Int("activefontcolor", 0).Int("unenabledfontcolor", kDisabledGrey).Rect("cliprect", {size + 4, 0, 0, 0});
}

void AddPanel(ControlSheet& sheet, const std::string& name, const std::string& type, int w, int h, int caption) {
  const RECT piece = sheet.Allocate(w, h);
  if (caption > 0) {
    PaintGroupFrame(sheet.Picture(), piece, caption);
  } else {
    PaintPanel(sheet.Picture(), piece);
  }
  IniSection& s = sheet.Add(name, type, piece);
  NinePiece(s, piece, caption > 0 ? 2 : 1, caption > 0 ? caption : 4, false)
      .Rect("clientrect", {2, caption > 0 ? caption : 2, w - 2, h - 2});
  Font(s, "Tahoma", 13, caption > 0 ? "fsbold" : "").Rect("captionrect", {6, 0, w - 6, caption}).Int("alignment", 0);
  if (type == "expanel") {
    const RECT button = sheet.Allocate(13, 13);
    PaintArrowButton(sheet.Picture(), button, Look::kNormal, 0);
    s.Rect("rollupbuttonrect", button).Rect("activerollupbuttonrect", button);
  }
}

void AddBar(ControlSheet& sheet, const std::string& name, const std::string& type, int w, int h, bool items) {
  const RECT piece = sheet.Allocate(w, h);
  PaintBar(sheet.Picture(), piece, false);
  IniSection& s = sheet.Add(name, type, piece);
  NinePiece(s, piece, 1, 3, true);
  Font(s).Int("activefontcolor", 0);
  if (items) {
    const RECT item = sheet.Allocate(30, h - 2);
    const RECT active = sheet.Allocate(30, h - 2);
    PaintToolButton(sheet.Picture(), item, Look::kNormal);
    PaintToolButton(sheet.Picture(), active, Look::kHot);
    s.Rect("itemrect", item).Rect("activeitemrect", active).Point("itemlefttoppoint", {4, 4});
  } else {
    const RECT grip = sheet.Allocate(6, h);
    PaintGrip(sheet.Picture(), grip, true);
    s.Rect("griprect", grip);
  }
}

void AddLabel(ControlSheet& sheet, const std::string& name, const std::string& type, const std::string& style) {
  const RECT piece = type == "label" ? sheet.Allocate(20, 16) : kNone;
  if (type == "label") sheet.Picture().Fill(piece, theme::kClient);
  IniSection& s = sheet.Add(name, type, piece);
  if (type == "label") NinePiece(s, piece, 0, 2, true);
  Font(s, "Tahoma", 13, style).Int("activefontcolor", 0).Int("disabledfontcolor", kDisabledGrey);
}

void AddTrack(ControlSheet& sheet, const std::string& name, const std::string& type, bool vertical) {
  const RECT track = vertical ? sheet.Allocate(6, 40) : sheet.Allocate(40, 6);
  const RECT thumb = vertical ? sheet.Allocate(20, 11) : sheet.Allocate(11, 20);
  const RECT hot = vertical ? sheet.Allocate(20, 11) : sheet.Allocate(11, 20);
  PaintTrack(sheet.Picture(), track, vertical);
  PaintThumb(sheet.Picture(), thumb, Look::kNormal, !vertical);
  PaintThumb(sheet.Picture(), hot, Look::kHot, !vertical);
  IniSection& s = sheet.Add(name, type, track);
  NinePiece(s, track, 2, 3, false)
      .Rect("trackarea", vertical ? RECT{2, 3, 4, 37} : RECT{3, 2, 37, 4})
      .Rect("thumbrect", thumb)
      .Rect("activethumbrect", hot)
      .Bool("thumbtransparent", false)
      .Int("thumbtransparentcolor", theme::kMarkerKey)
      .Bool("vertical", vertical);
}

void AddScrollBar(ControlSheet& sheet, const std::string& name, bool vertical, int size) {
  const RECT track = vertical ? sheet.Allocate(size, 40) : sheet.Allocate(40, size);
  PaintTrack(sheet.Picture(), track, vertical);
  IniSection& s = sheet.Add(name, "scrollbar", track);
  NinePiece(s, track, 1, 3, false).Rect("trackarea", vertical ? RECT{0, size, size, 40 - size} : RECT{size, 0, 40 - size, size});
  const char* looks[] = {"", "active", "down"};
  const Look lookOf[] = {Look::kNormal, Look::kHot, Look::kPressed};
  for (int i = 0; i < 3; ++i) {
    const RECT up = sheet.Allocate(size, size);
    const RECT down = sheet.Allocate(size, size);
    const RECT thumb = vertical ? sheet.Allocate(size, 22) : sheet.Allocate(22, size);
    PaintArrowButton(sheet.Picture(), up, lookOf[i], vertical ? 0 : 3);
    PaintArrowButton(sheet.Picture(), down, lookOf[i], vertical ? 2 : 1);
    PaintThumb(sheet.Picture(), thumb, lookOf[i], vertical);
    const std::string prefix = looks[i];
    s.Rect(prefix + "upbuttonrect", up).Rect(prefix + "downbuttonrect", down).Rect(prefix + "thumbrect", thumb);
  }
  s.Point("thumboffset1", {4, 4}).Point("thumboffset2", {4, 4}).Bool("thumbstretcheffect", true);
}

void AddField(ControlSheet& sheet, const std::string& name, const std::string& type, int w, int h) {
  const RECT normal = sheet.Allocate(w, h);
  const RECT focused = sheet.Allocate(w, h);
  PaintField(sheet.Picture(), normal, false);
  PaintField(sheet.Picture(), focused, true);
  IniSection& s = sheet.Add(name, type, normal);
  NinePiece(s, normal, 2, 4, false).Rect("activeskinrect", focused);
  Font(s).Int("activefontcolor", 0).Int("disabledfontcolor", kDisabledGrey);
  if (type == "combobox") {
    const RECT buttons[] = {sheet.Allocate(15, h - 4), sheet.Allocate(15, h - 4), sheet.Allocate(15, h - 4)};
    PaintArrowButton(sheet.Picture(), buttons[0], Look::kNormal, 2);
    PaintArrowButton(sheet.Picture(), buttons[1], Look::kHot, 2);
    PaintArrowButton(sheet.Picture(), buttons[2], Look::kPressed, 2);
    s.Rect("buttonrect", buttons[0]).Rect("activebuttonrect", buttons[1]).Rect("downbuttonrect", buttons[2]);
    s.Text("listboxname", "listbox");
  }
  if (type == "spinedit") s.Text("upbuttonname", "updown");
  if (type == "listbox" || type == "checklistbox" || type == "treeview" || type == "listview" || type == "grid") {
    const RECT item = sheet.Allocate(40, 16);
    const RECT active = sheet.Allocate(40, 16);
    sheet.Picture().Fill(item, theme::kWhite);
    sheet.Picture().Fill(active, theme::kAccent);
    s.Rect("itemrect", item).Rect("activeitemrect", active).Int("itemheight", 16);
    s.Int("activeitemfontcolor", theme::kHighlightText).Text("hscrollbarname", "hscrollbar").Text("vscrollbarname", "vscrollbar");
  }
}

void AddTab(ControlSheet& sheet, const std::string& name) {
  const RECT client = sheet.Allocate(40, 30);
  const RECT tab = sheet.Allocate(40, 21);
  const RECT active = sheet.Allocate(40, 21);
  const RECT hot = sheet.Allocate(40, 21);
  PaintPanel(sheet.Picture(), client);
  PaintTab(sheet.Picture(), tab, Look::kNormal);
  PaintTab(sheet.Picture(), active, Look::kPressed);
  PaintTab(sheet.Picture(), hot, Look::kHot);
  IniSection& s = sheet.Add(name, "tab", client);
  NinePiece(s, client, 2, 4, false)
      .Rect("tabrect", tab)
      .Rect("activetabrect", active)
      .Rect("mouseintabrect", hot)
      .Rect("tabsbgrect", kNone)
      .Point("tablefttoppoint", {4, 4})
      .Point("tabrighttoppoint", {36, 4})
      .Rect("tabclientrect", {4, 4, 36, 19});
  Font(s).Int("activefontcolor", 0).Int("mouseinfontcolor", 0);
}

void AddSplitter(ControlSheet& sheet, const std::string& name, bool vertical) {
  const RECT piece = vertical ? sheet.Allocate(6, 30) : sheet.Allocate(30, 6);
  PaintGrip(sheet.Picture(), piece, vertical);
  IniSection& s = sheet.Add(name, "splitter", piece);
  NinePiece(s, piece, 0, 2, true);
}

void AddUpDown(ControlSheet& sheet, const std::string& name, bool horizontal) {
  IniSection* s = nullptr;
  const Look looks[] = {Look::kNormal, Look::kHot, Look::kPressed};
  const char* prefixes[] = {"", "active", "down"};
  RECT rects[6];
  for (int i = 0; i < 3; ++i) {
    rects[2 * i] = sheet.Allocate(15, 10);
    rects[2 * i + 1] = sheet.Allocate(15, 10);
    PaintArrowButton(sheet.Picture(), rects[2 * i], looks[i], horizontal ? 3 : 0);
    PaintArrowButton(sheet.Picture(), rects[2 * i + 1], looks[i], horizontal ? 1 : 2);
  }
  s = &sheet.Add(name, "updown", kNone);
  for (int i = 0; i < 3; ++i) {
    s->Rect(std::string(prefixes[i]) + "upbuttonrect", rects[2 * i]).Rect(std::string(prefixes[i]) + "downbuttonrect", rects[2 * i + 1]);
  }
  NinePiece(*s, rects[0], 2, 4, true);
}

void AddBevel(ControlSheet& sheet) {
  sheet.Add("bevel", "bevel", kNone).Int("lightcolor", theme::kBtnHighlight).Int("darkcolor", theme::kBtnShadow);
}

// The application menu's frame and background lie in pictures of their own.
void AddAppMenu(ControlSheet& sheet) {
  IniSection& s = sheet.Add("appmenu", "appmenu", {0, 0, 210, 133}, PictureIndex::kAppMenu);
  NinePiece(s, {0, 0, 210, 133}, 4, 10, true)
      .Int("bgpictureindex", int(PictureIndex::kAppMenuBackground))
      .Text("itemskindataname", "menuitem");
  Font(s).Int("activefontcolor", 0);
}

}  // namespace

ControlSheet PaintControls() {
  ControlSheet sheet;
  AddResizeButton(sheet);
  AddWindowGauge(sheet);

  AddButton(sheet, "button", "button", 75, 25, false, true, true);
  AddButton(sheet, "toolbutton", "button", 23, 22, true, true, false);
  AddButton(sheet, "resizetoolbutton", "button", 40, 39, true, true, false);
  AddButton(sheet, "bigtoolbutton", "button", 48, 46, true, true, false);
  AddButton(sheet, "smalltoolbutton", "button", 18, 18, true, false, false);
  AddButton(sheet, "speedbutton", "button", 23, 22, false, true, true);
  AddButton(sheet, "flatbutton", "button", 40, 39, true, true, true);
  AddButton(sheet, "colorbutton", "button", 40, 25, false, true, false);
  AddButton(sheet, "captionbutton", "button", 17, 15, true, false, false);
  AddButton(sheet, "menubutton", "menubutton", 75, 25, false, true, true);
  AddButton(sheet, "toolmenubutton", "menubutton", 34, 22, true, true, false);
  AddButton(sheet, "resizetoolmenubutton", "menubutton", 40, 39, true, true, false);
  AddButton(sheet, "bigtoolmenubutton", "menubutton", 58, 46, true, true, false);

  AddCheck(sheet, "checkbox", false, 13);
  AddCheck(sheet, "radiobox", true, 13);
  AddCheck(sheet, "smallcheckbox", false, 11);
  AddCheck(sheet, "smallradiobox", true, 11);

  AddPanel(sheet, "panel", "panel", 40, 40, 0);
  AddPanel(sheet, "groupbox", "panel", 60, 50, 20);
  AddPanel(sheet, "captionpanel", "panel", 60, 50, 18);
  AddPanel(sheet, "statuspanel", "panel", 30, 20, 0);
  AddPanel(sheet, "bevelpanel", "panel", 30, 30, 0);
  AddPanel(sheet, "expanel", "expanel", 60, 50, 20);
  AddPanel(sheet, "toolexpanel", "expanel", 60, 50, 16);
  AddBar(sheet, "statusbar", "panel", 60, 22, false);
  AddBar(sheet, "toolpanel", "panel", 60, 28, false);
  AddBar(sheet, "mainmenubar", "mainmenubar", 60, 22, true);
  AddBar(sheet, "controlbar", "controlbar", 60, 28, false);

  AddLabel(sheet, "label", "label", "");
  AddLabel(sheet, "captionlabel", "label", "fsbold");
  AddLabel(sheet, "stdlabel", "stdlabel", "");
  AddLabel(sheet, "boldlabel", "stdlabel", "fsbold");

  AddGauge(sheet, "vgauge", 15, 18, true);
  AddGauge(sheet, "smallgauge", 18, 11, false);
  AddGauge(sheet, "statusgauge", 18, 15, false);

  AddTrack(sheet, "htrackbar", "trackbar", false);
  AddTrack(sheet, "vtrackbar", "trackbar", true);
  AddTrack(sheet, "hslider", "slider", false);
  AddTrack(sheet, "vslider", "slider", true);

  AddScrollBar(sheet, "hscrollbar", false, 17);
  AddScrollBar(sheet, "vscrollbar", true, 17);
  AddScrollBar(sheet, "smallhscrollbar", false, 12);
  AddScrollBar(sheet, "smallvscrollbar", true, 12);

  AddField(sheet, "edit", "edit", 40, 21);
  AddField(sheet, "buttonedit", "edit", 40, 21);
  AddField(sheet, "dateedit", "edit", 40, 21);
  AddField(sheet, "searchedit", "edit", 40, 21);
  AddField(sheet, "memo", "memo", 40, 40);
  AddField(sheet, "richedit", "richedit", 40, 40);
  AddField(sheet, "spinedit", "spinedit", 40, 21);
  AddField(sheet, "numericedit", "spinedit", 40, 21);
  AddField(sheet, "listbox", "listbox", 40, 40);
  AddField(sheet, "popuplistbox", "listbox", 40, 40);
  AddField(sheet, "checklistbox", "checklistbox", 40, 40);
  AddField(sheet, "combobox", "combobox", 40, 21);
  AddField(sheet, "fontcombobox", "combobox", 40, 21);
  AddField(sheet, "colorcombobox", "combobox", 40, 21);
  AddField(sheet, "toolcombobox", "combobox", 40, 19);
  AddField(sheet, "treeview", "treeview", 40, 40);
  AddField(sheet, "listview", "listview", 40, 40);
  AddField(sheet, "grid", "grid", 40, 40);
  AddField(sheet, "stringgrid", "grid", 40, 40);
  AddField(sheet, "scrollbox", "scrollbox", 40, 40);

  AddTab(sheet, "tab");
  AddTab(sheet, "bottomtab");
  AddSplitter(sheet, "splitter", false);
  AddSplitter(sheet, "vsplitter", true);
  AddUpDown(sheet, "updown", false);
  AddUpDown(sheet, "hupdown", true);
  AddBevel(sheet);
  AddAppMenu(sheet);
  return sheet;
}

}  // namespace qb::skingen
