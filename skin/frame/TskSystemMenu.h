// The frame's system menu: the standard items for the window's state and
// border icons, rebuilt before each use, shown as a small popup window at a
// screen point. Choosing an item closes the popup and runs its action; a
// click elsewhere or Escape closes it without action.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/window/WindowApi.h"

namespace qb {

class TskSkinForm;

struct SystemMenuItem {
  std::u16string Name;  // "SKF_…"; empty for the separator
  std::u16string Caption;
  std::u16string ShortCut;
  std::function<void()> Action;
  bool Separator() const { return Name.empty(); }
};

class TskSystemMenu {
 public:
  explicit TskSystemMenu(TskSkinForm& owner);
  ~TskSystemMenu();
  TskSystemMenu(const TskSystemMenu&) = delete;
  TskSystemMenu& operator=(const TskSystemMenu&) = delete;

  // The standard items for the owner's state now.
  std::vector<SystemMenuItem> BuildItems() const;

  // Shows the popup with its top-left at the screen point; returns at once.
  void Popup(int x, int y);
  void Close();
  bool IsOpen() const { return static_cast<bool>(window_); }
  const std::vector<SystemMenuItem>& Items() const { return items_; }
  // Runs the item at `index` as a click on it would, closing the popup.
  void Choose(int index);

  // Called when the popup closes, chosen or not.
  std::function<void()> OnClose;

 private:
  static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  int ItemAt(int y) const;
  int ItemTop(int index) const;

  TskSkinForm& owner_;
  std::vector<SystemMenuItem> items_;
  OwnedWindow window_;
  int hot_ = -1;
};

}  // namespace qb
