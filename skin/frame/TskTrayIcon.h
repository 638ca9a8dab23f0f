// A minimal tray icon for the frame component's tray behaviour: it can be
// shown and hidden, marked as holding a form minimized to the tray, given a
// popup menu and a click handler, and it brings the main form back.
//
// This platform has no notification area, so the icon is state only: Click
// and ChooseMenuItem are what a click on the icon and on one of its menu
// items deliver.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/component/Events.h"
#include "toolkit/component/TComponent.h"

namespace qb {

class TCustomForm;

struct TskTrayMenuItem {
  std::u16string Caption;  // "-" is a separator
  std::u16string ShortCut;
  std::function<void()> Action;
};

class TskTrayIcon : public TComponent {
 public:
  explicit TskTrayIcon(TComponent* owner);

  bool Visible() const { return visible_; }
  void Show() { visible_ = true; }
  void Hide() { visible_ = false; }

  // A form was minimized to the tray through this icon.
  bool MinimizedToTray = false;
  std::vector<TskTrayMenuItem> PopupMenu;
  TNotifyEvent OnClick;

  // What the frame component does when the icon is assigned to it: shown
  // with `alwaysShow`, hidden otherwise, not marked, and, where the icon has
  // none of its own, the menu "&Restore", a separator, "&Close" (Alt+F4)
  // with the given captions and `restore` as the click handler.
  void AttachToFrame(bool alwaysShow, const std::u16string& restoreCaption, const std::u16string& closeCaption,
                     std::function<void()> restore, std::function<void()> close);
  // Takes back the menu and click handler that AttachToFrame gave, so that
  // nothing of a frame component that lets go of the icon stays reachable.
  void DetachFromFrame();

  // A click on the icon.
  void Click();
  // A click on the menu item at `index`; separators and indexes past the
  // end do nothing.
  void ChooseMenuItem(std::size_t index);

  // Shows `mainForm` again and tells it, by a posted SKM_TRAYRESTORE marked
  // with kTrayRestoreMark, that the tray brought it back, so that it can
  // come to the foreground.
  void RestoreMainForm(TCustomForm& mainForm);

 private:
  bool visible_ = false;
  bool frameMenu_ = false;
  bool frameClick_ = false;
};

// The default captions of the tray menu.
inline constexpr char16_t kTrayRestoreCaption[] = u"&Restore";
inline constexpr char16_t kTrayCloseCaption[] = u"&Close";
inline constexpr char16_t kTrayCloseShortCut[] = u"Alt+F4";

}  // namespace qb
