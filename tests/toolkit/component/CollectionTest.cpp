#include <gtest/gtest.h>

#include <string>

#include "toolkit/component/ComponentErrors.h"
#include "toolkit/component/TCollection.h"

namespace qb {
namespace {

class Plain : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
};

// An item with a value, a display name of its own and a copy that knows
// its own kind only.
class Entry : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::u16string value;

  void Assign(const TPersistent* source) override {
    if (const auto* other = dynamic_cast<const Entry*>(source)) {
      value = other->value;
      return;
    }
    TCollectionItem::Assign(source);
  }
  std::u16string DisplayName() const override {
    return value.empty() ? TCollectionItem::DisplayName() : value;
  }
};

TEST(Collection, ItemsKnowTheirCollectionIndexAndOwner) {
  TCollection owner(nullptr, TCollection::ItemClass<Plain>());
  TCollection list(&owner, TCollection::ItemClass<Entry>());
  auto* a = list.Add();
  auto* b = list.Add();
  auto* c = list.Add();
  EXPECT_EQ(list.Owner(), &owner);
  EXPECT_EQ(b->Collection(), &list);
  EXPECT_EQ(c->Index(), 2);

  c->SetIndex(0);
  EXPECT_EQ(list.Items(0), c);
  EXPECT_EQ(list.Items(1), a);
  EXPECT_EQ(a->Index(), 1);

  delete a;
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(1), b);
  // IDs stay unique even after deletions.
  EXPECT_EQ(list.Add()->ID(), 3);
}

TEST(Collection, AssignReplacesTheItemsWithCopiesInOrder) {
  TCollection source(nullptr, TCollection::ItemClass<Entry>());
  for (const char16_t* value : {u"res", u"", u"spool"})
    static_cast<Entry*>(source.Add())->value = value;
  TCollection target(nullptr, TCollection::ItemClass<Entry>());
  target.Add();
  target.Add();
  target.Add();
  target.Add();

  target.Assign(&source);
  ASSERT_EQ(target.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(target.Items(i), source.Items(i));
    EXPECT_EQ(target.Items(i)->DisplayName(), source.Items(i)->DisplayName()) << i;
  }
  EXPECT_EQ(target.Items(1)->DisplayName(), u"Entry");
}

TEST(Collection, CopyBetweenUnrelatedKindsFailsNamingBoth) {
  TCollection entries(nullptr, TCollection::ItemClass<Entry>());
  TCollection plains(nullptr, TCollection::ItemClass<Plain>());
  plains.Add();
  try {
    entries.Assign(&plains);
    FAIL() << "no error";
  } catch (const EAssignError& error) {
    EXPECT_STREQ(error.what(), "Cannot assign a Plain to a Entry");
  }
  EXPECT_THROW(entries.Assign(nullptr), EAssignError);
}

}  // namespace
}  // namespace qb
