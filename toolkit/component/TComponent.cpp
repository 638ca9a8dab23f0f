#include "toolkit/component/TComponent.h"

#include <algorithm>

#include "platform/Check.h"
#include "platform/text/Utf.h"
#include "toolkit/component/ComponentErrors.h"

namespace qb {

namespace {

bool IsIdentifier(std::u16string_view name) {
  if (name.empty()) return false;
  auto isLetter = [](char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
  };
  auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  if (!isLetter(name.front())) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char16_t c) { return isLetter(c) || isDigit(c); });
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
  Destroying();
  while (!freeNotifies_.empty()) {
    TComponent* listener = freeNotifies_.back();
    freeNotifies_.pop_back();
    Unlink(listener);
    listener->Notification(this, opRemove);
  }
  while (!components_.empty()) {
    std::unique_ptr<TComponent> child = std::move(components_.back());
    components_.pop_back();
    child->owner_ = nullptr;
    Notification(child.get(), opRemove);
    child.reset();
  }
  if (owner_) owner_->Remove(this);
}

void TComponent::SetName(const std::u16string& name) {
  if (name == name_) return;
  ValidateName(name);
  name_ = name;
}

void TComponent::ValidateName(std::u16string_view name) const {
  if (name.empty()) return;
  if (!IsIdentifier(name))
    throw EComponentError("\"" + ToUtf8(name) + "\" is not a valid component name");
  if (owner_) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this)
      throw EComponentError("A component named " + ToUtf8(name) + " already exists");
  }
}

TComponent* TComponent::Components(int index) const {
  QB_CHECK(index >= 0 && index < ComponentCount());
  return components_[index].get();
}

TComponent* TComponent::FindComponent(std::u16string_view name) const {
  if (name.empty()) return nullptr;
  const std::u16string wanted = LowerCase(name);
  for (const auto& component : components_)
    if (LowerCase(component->name_) == wanted) return component.get();
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  QB_CHECK(component && component != this);
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) != freeNotifies_.end())
    return;
  freeNotifies_.push_back(component);
  component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  Unlink(component);
  std::erase(freeNotifies_, component);
}

void TComponent::Unlink(TComponent* component) { std::erase(component->freeNotifies_, this); }

void TComponent::BeginLoading() {
  state_.Include(csLoading);
  state_.Include(csReading);
}

void TComponent::EndReading() { state_.Exclude(csReading); }

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::SetDesigning(bool designing) {
  if (designing)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (const auto& component : components_) component->SetDesigning(designing);
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (const auto& component : components_) component->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove) RemoveFreeNotification(component);
  // A handler may destroy components, so the list is walked by index.
  for (std::size_t i = 0; i < components_.size(); ++i) {
    TComponent* child = components_[i].get();
    if (child != component) child->Notification(component, operation);
  }
}

void TComponent::Insert(TComponent* component) {
  components_.emplace_back(component);
  component->owner_ = this;
  Notification(component, opInsert);
}

void TComponent::Remove(TComponent* component) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [&](const auto& owned) { return owned.get() == component; });
  QB_CHECK(it != components_.end());
  it->release();
  components_.erase(it);
  component->owner_ = nullptr;
  Notification(component, opRemove);
}

}  // namespace qb
