// The frame's system menu: the standard items for the window's state and
// border icons, rebuilt before each use, shown as a small popup window at a
// screen point. Choosing an item closes the popup and runs its action; a
// click elsewhere or Escape closes it without action.
//
// While open it takes the keyboard (nothing reaches the form behind it):
// Down and Up move the highlight from item to item, wrapping around and
// passing over the separator; Return chooses the highlighted item, or closes
// the popup when none is; Escape and Alt close it.
//
// With a skin whose [POPUPWINDOW] record names a picture, the popup is that
// picture stretched around the items (shaped by its mask), the items lie in
// the record's items rectangle and take the skin's colours; otherwise it is
// a plain box in the system colours. The text is Tahoma in both looks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/window/WindowApi.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/TBitmap.h"

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
  // The popup window while open.
  HWND Window() const { return window_.Get(); }
  // Runs the item at `index` as a click on it would, closing the popup.
  void Choose(int index);
  // The highlighted item, -1 for none.
  int HotIndex() const { return hot_; }

  // Called when the popup closes, chosen or not.
  std::function<void()> OnClose;

 private:
  static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  int ItemAt(int y) const;
  void SetHot(int index);
  // The next item that is no separator, from `hot_` in `step`'s direction.
  int NextItem(int step) const;
  void HandleKey(WPARAM key);
  int ItemTop(int index) const;
  // Builds the popup's background for its size and picks its colours.
  void ComposeLook(int width, int height);

  struct Colours {
    TColor text = clBtnText;
    TColor hotFill = clHighlight;
    TColor hotText = clHighlightText;
    TColor separator = clBtnShadow;
  };

  TskSkinForm& owner_;
  std::vector<SystemMenuItem> items_;
  OwnedWindow window_;
  int hot_ = -1;
  // Room between the popup's edges and its items.
  RECT margins_{};
  TBitmap look_;
  Colours colours_;
};

}  // namespace qb
