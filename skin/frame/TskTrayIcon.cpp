#include "skin/frame/TskTrayIcon.h"

#include "platform/window/MessageApi.h"
#include "skin/frame/TskSkinForm.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

TskTrayIcon::TskTrayIcon(TComponent* owner) : TComponent(owner) {}

void TskTrayIcon::AttachToFrame(bool alwaysShow, const std::u16string& restoreCaption,
                                const std::u16string& closeCaption, std::function<void()> restore,
                                std::function<void()> close) {
  if (alwaysShow)
    Show();
  else
    Hide();
  MinimizedToTray = false;
  if (PopupMenu.empty()) {
    PopupMenu.push_back(TskTrayMenuItem{restoreCaption, u"", restore});
    PopupMenu.push_back(TskTrayMenuItem{u"-", u"", nullptr});
    PopupMenu.push_back(TskTrayMenuItem{closeCaption, kTrayCloseShortCut, std::move(close)});
    frameMenu_ = true;
  }
  if (!OnClick) {
    OnClick = [restore = std::move(restore)](TObject*) {
      if (restore) restore();
    };
    frameClick_ = true;
  }
}

void TskTrayIcon::DetachFromFrame() {
  if (frameMenu_) PopupMenu.clear();
  if (frameClick_) OnClick = nullptr;
  frameMenu_ = frameClick_ = false;
}

void TskTrayIcon::Click() {
  if (OnClick) OnClick(this);
}

void TskTrayIcon::ChooseMenuItem(std::size_t index) {
  if (index >= PopupMenu.size() || !PopupMenu[index].Action) return;
  PopupMenu[index].Action();
}

void TskTrayIcon::RestoreMainForm(TCustomForm& mainForm) {
  mainForm.Show();
  if (mainForm.HandleAllocated()) PostMessage(mainForm.Handle(), SKM_TRAYRESTORE, 0, kTrayRestoreMark);
}

}  // namespace qb
