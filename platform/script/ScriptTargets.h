// What the scripted user can see of the program beyond its windows: named
// components it can point at, and the message box that waits for a press.
// Registrations live as long as their objects, on the user-interface thread.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/WinTypes.h"

namespace qb {

// A component the script may name ("mouse click OpenPDFFileButton",
// "wait visible Label3"). The locator gives its rectangle in screen
// coordinates while it is visible, and nothing while it is not.
class NamedComponent {
 public:
  using Locator = std::function<std::optional<RECT>()>;
  NamedComponent(std::u16string name, Locator locator);
  // A window: visible when IsWindowVisible, at GetWindowRect.
  NamedComponent(std::u16string name, HWND hwnd);
  ~NamedComponent();
  NamedComponent(const NamedComponent&) = delete;
  NamedComponent& operator=(const NamedComponent&) = delete;

  // The most recently registered component of that name.
  static const NamedComponent* Find(std::u16string_view name);
  std::optional<RECT> Locate() const { return locator_(); }

 private:
  std::u16string name_;
  Locator locator_;
};

// A modal message box announces itself while it waits; the scripted user
// presses its OK button through `pressOk`. Whoever shows the box logs the
// "message-box" event.
class MessageBoxAnnouncement {
 public:
  MessageBoxAnnouncement(std::u16string caption, std::u16string text, std::function<void()> pressOk);
  ~MessageBoxAnnouncement();
  MessageBoxAnnouncement(const MessageBoxAnnouncement&) = delete;
  MessageBoxAnnouncement& operator=(const MessageBoxAnnouncement&) = delete;

  // The innermost message box waiting now, or null.
  static MessageBoxAnnouncement* Current();
  const std::u16string& Caption() const { return caption_; }
  const std::u16string& Text() const { return text_; }
  void PressOk();

 private:
  std::u16string caption_;
  std::u16string text_;
  std::function<void()> pressOk_;
  bool pressed_ = false;
};

}  // namespace qb
