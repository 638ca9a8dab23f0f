// A component: a named persistent object that may own other components and
// be told when components it refers to go away.
//
// Ownership. A component created with an owner is owned by it: the owner
// destroys it when the owner itself is destroyed, the most recently created
// first. Deleting an owned component directly is allowed too; it leaves its
// owner's list on the way. A component created without owner belongs to
// whoever created it (hold it in a std::unique_ptr).
//
// References. A component that keeps a pointer to another component must be
// told when that one is destroyed. Components with the same owner hear it
// from the owner, which passes every insertion and removal on to all its
// components. For any other component, call target->FreeNotification(this)
// when storing the pointer. Either way Notification(target, opRemove) runs
// while the target is being destroyed; clear the pointer there.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component/EnumSet.h"
#include "toolkit/component/TPersistent.h"

namespace qb {

enum TComponentStateFlag {
  csLoading,     // being built from the stored description; setters only store
  csReading,     // its stored properties are being read
  csDestroying,  // on its way out; no more side effects
  csDesigning,   // edited in a designer; never set at run time
};
using TComponentState = EnumSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }

  const std::u16string& Name() const { return name_; }
  // Names are identifiers (letters, digits, underscores; no leading digit),
  // unique among the owner's components without regard to case. The empty
  // name is always allowed. Fails with EComponentError otherwise.
  virtual void SetName(const std::u16string& name);

  TComponentState ComponentState() const { return state_; }

  int ComponentCount() const { return int(components_.size()); }
  TComponent* Components(int index) const;
  // The owned component with that name (any letter case), or null.
  TComponent* FindComponent(std::u16string_view name) const;

  // Asks `component` to be told through Notification when this component
  // is destroyed (and the other way round, so that neither keeps a stale
  // link when the other goes first).
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Loading from the stored description: BeginLoading sets csLoading and
  // csReading; EndReading clears csReading once all components exist and
  // their references are resolved; Loaded then runs on each component and
  // clears csLoading. Overrides call the inherited Loaded first.
  void BeginLoading();
  void EndReading();
  virtual void Loaded();

  // Switches design mode on or off for this component and everything it
  // owns. Only tests and designers call this.
  void SetDesigning(bool designing);

  // Marks this component and everything it owns as being destroyed. The
  // destructor does this itself; a derived destructor that wants its parts
  // to see csDestroying while it tears down calls it first.
  void Destroying();

 protected:
  // `component` was inserted into or is being removed from this component's
  // owned list, or (opRemove) a component this one asked to hear about is
  // being destroyed. The base passes the news on to every owned component;
  // overrides clear their references to `component` on opRemove and call
  // the inherited version.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void Unlink(TComponent* component);
  void ValidateName(std::u16string_view name) const;

  TComponent* owner_ = nullptr;
  std::u16string name_;
  TComponentState state_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
};

}  // namespace qb
