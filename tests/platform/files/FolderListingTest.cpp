#include <gtest/gtest.h>

#include <map>

#include "platform/files/FileAttributes.h"
#include "platform/files/FolderListing.h"
#include "platform/text/Utf.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

TEST(FolderListing, ListsEveryEntryWithItsKind) {
  test::TempDir dir;
  dir.Write("a.ps", "");
  dir.Write(".hidden.ps", "");
  dir.Write("sub/inner.ps", "");
  const std::string odd = "b\xFF.ps";
  dir.Write(odd, "");

  FolderListing listing(ToUtf16(dir.Path().string()));
  ASSERT_TRUE(listing.IsOpen());
  std::map<std::u16string, DWORD> seen;
  for (FolderEntry entry; listing.Next(entry);) {
    EXPECT_TRUE(seen.emplace(entry.name, entry.attributes).second) << "listed twice";
  }
  const std::map<std::u16string, DWORD> expected = {
      {u".", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
      {u"..", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
      {u"a.ps", FILE_ATTRIBUTE_NORMAL},
      {u".hidden.ps", FILE_ATTRIBUTE_HIDDEN},
      {u"sub", FILE_ATTRIBUTE_DIRECTORY},
      {ToUtf16(odd), FILE_ATTRIBUTE_NORMAL},
  };
  EXPECT_EQ(seen, expected);
}

TEST(FolderListing, MissingFolderOrFileIsNotOpen) {
  test::TempDir dir;
  const auto file = dir.Write("file", "");
  for (const auto& path : {dir.Path() / "missing", file}) {
    FolderListing listing(ToUtf16(path.string()));
    EXPECT_FALSE(listing.IsOpen());
    FolderEntry entry;
    EXPECT_FALSE(listing.Next(entry));
  }
}

}  // namespace
}  // namespace qb
