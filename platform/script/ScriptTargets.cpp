#include "platform/script/ScriptTargets.h"

#include <algorithm>
#include <vector>

#include "platform/window/WindowApi.h"

namespace qb {
namespace {

// Both lists belong to the user-interface thread, like its window registry.
std::vector<NamedComponent*>& Components() {
  static std::vector<NamedComponent*> components;
  return components;
}

std::vector<MessageBoxAnnouncement*>& MessageBoxes() {
  static std::vector<MessageBoxAnnouncement*> boxes;
  return boxes;
}

}  // namespace

NamedComponent::NamedComponent(std::u16string name, Locator locator)
    : name_(std::move(name)), locator_(std::move(locator)) {
  Components().push_back(this);
}

NamedComponent::NamedComponent(std::u16string name, HWND hwnd)
    : NamedComponent(std::move(name), [hwnd]() -> std::optional<RECT> {
        RECT rect;
        if (!IsWindowVisible(hwnd) || !GetWindowRect(hwnd, &rect)) return std::nullopt;
        return rect;
      }) {}

NamedComponent::~NamedComponent() { std::erase(Components(), this); }

const NamedComponent* NamedComponent::Find(std::u16string_view name) {
  const auto& list = Components();
  auto it = std::find_if(list.rbegin(), list.rend(), [&](const NamedComponent* c) { return c->name_ == name; });
  return it == list.rend() ? nullptr : *it;
}

MessageBoxAnnouncement::MessageBoxAnnouncement(std::u16string caption, std::u16string text,
                                               std::function<void()> pressOk)
    : caption_(std::move(caption)), text_(std::move(text)), pressOk_(std::move(pressOk)) {
  MessageBoxes().push_back(this);
}

MessageBoxAnnouncement::~MessageBoxAnnouncement() { std::erase(MessageBoxes(), this); }

MessageBoxAnnouncement* MessageBoxAnnouncement::Current() {
  const auto& boxes = MessageBoxes();
  for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
    if (!(*it)->pressed_) return *it;
  }
  return nullptr;
}

void MessageBoxAnnouncement::PressOk() {
  if (pressed_) return;
  pressed_ = true;
  if (pressOk_) pressOk_();
}

}  // namespace qb
