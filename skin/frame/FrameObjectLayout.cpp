#include "skin/frame/FrameObjectLayout.h"

#include <vector>

#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinStdButtonObject.h"

namespace qb {

namespace {

constexpr TskStdCommand kRightToLeft[] = {TskStdCommand::cmClose, TskStdCommand::cmMaximize,
                                          TskStdCommand::cmMinimize, TskStdCommand::cmRollUp,
                                          TskStdCommand::cmMinimizeToTray};

TskSkinStdButtonObject* AutoPlaced(const std::unique_ptr<TskActiveSkinObject>& object) {
  auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
  return button != nullptr && button->skinrectinapicture ? button : nullptr;
}

// The visible auto-placed buttons of the run: one per standard command in
// order, then every custom one in list order.
std::vector<TskSkinStdButtonObject*> ButtonRun(FrameObjectList objects) {
  std::vector<TskSkinStdButtonObject*> run;
  for (TskStdCommand command : kRightToLeft) {
    for (const auto& object : objects) {
      TskSkinStdButtonObject* button = AutoPlaced(object);
      if (button != nullptr && button->Visible && button->Command == command) {
        run.push_back(button);
        break;
      }
    }
  }
  for (const auto& object : objects) {
    TskSkinStdButtonObject* button = AutoPlaced(object);
    if (button != nullptr && button->Visible && button->Command == TskStdCommand::cmDefault) run.push_back(button);
  }
  return run;
}

TskSkinStdButtonObject* SystemMenuButton(FrameObjectList objects) {
  for (const auto& object : objects) {
    TskSkinStdButtonObject* button = AutoPlaced(object);
    if (button != nullptr && button->Visible && button->IsSystemMenuButton()) return button;
  }
  return nullptr;
}

TskSkinCaptionObject* Caption(FrameObjectList objects) {
  for (const auto& object : objects)
    if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get())) return caption;
  return nullptr;
}

SIZE ButtonSize(const TskSkinStdButtonObject& button, SIZE smallIcon) {
  if (button.ShowsIcon()) return smallIcon;
  return SIZE{Width(button.skinrect), Height(button.skinrect)};
}

}  // namespace

void LayoutFrameObjects(const FrameGeometry& g, FrameObjectList objects, SIZE smallIcon) {
  for (const auto& object : objects)
    if (AutoPlaced(object) == nullptr) object->ObjectRect = MapSkinRect(g, object->skinrect);

  const bool hasButtonsRect = !IsEmpty(g.NewButtonsRect);
  RECT area;
  if (hasButtonsRect)
    area = g.NewButtonsRect;
  else if (!IsEmpty(g.NewCaptionRect))
    area = g.NewCaptionRect;
  else
    return;
  const int y = area.top;
  const int offset = g.ButtonsOffset;
  TskSkinCaptionObject* caption = Caption(objects);
  TskSkinStdButtonObject* sysMenu = SystemMenuButton(objects);

  if (!g.ButtonsInLeftFlag) {
    int x = area.right;
    for (TskSkinStdButtonObject* button : ButtonRun(objects)) {
      const SIZE s = ButtonSize(*button, smallIcon);
      button->ObjectRect = RECT{x - s.cx, y, x, y + s.cy};
      x -= offset + s.cx;
    }
    if (!hasButtonsRect && caption != nullptr) caption->ObjectRect.right = x + offset;
    if (sysMenu != nullptr) {
      const SIZE s = ButtonSize(*sysMenu, smallIcon);
      const RECT& c = g.NewCaptionRect;
      const int top = c.top + Height(c) / 2 - s.cy / 2;
      sysMenu->ObjectRect = RECT{c.left, top, c.left + s.cx, top + s.cy};
      if (caption != nullptr) caption->ObjectRect.left = c.left + s.cx;
    }
    return;
  }
  int x = area.left;
  std::vector<TskSkinStdButtonObject*> run = ButtonRun(objects);
  if (!hasButtonsRect && sysMenu != nullptr) run.push_back(sysMenu);
  for (TskSkinStdButtonObject* button : run) {
    const SIZE s = ButtonSize(*button, smallIcon);
    button->ObjectRect = RECT{x, y, x + s.cx, y + s.cy};
    x += offset + s.cx;
  }
  if (!hasButtonsRect && caption != nullptr) caption->ObjectRect.left = x + offset;
}

RECT LayoutDefaultObjects(int width, int captionHeight, int buttonSize, FrameObjectList objects, SIZE smallIcon) {
  RECT caption{3, 3, width - 3, captionHeight};
  int x = width - 3;
  for (TskStdCommand command : kRightToLeft) {
    for (const auto& object : objects) {
      auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
      if (button == nullptr || !button->Visible || button->Command != command) continue;
      button->ObjectRect = RECT{x - buttonSize, 4, x, 4 + buttonSize};
      x -= buttonSize;
      break;
    }
  }
  caption.right = x;
  for (const auto& object : objects) {
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
    if (button == nullptr || !button->Visible || !button->IsSystemMenuButton()) continue;
    const SIZE s = button->ShowsIcon() ? smallIcon : SIZE{buttonSize, buttonSize};
    button->ObjectRect = RECT{caption.left, 4, caption.left + s.cx, 4 + s.cy};
    caption.left = button->ObjectRect.right;
    break;
  }
  return caption;
}

}  // namespace qb
