#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/shell/UserName.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

TEST(GetUserName, IsTheEffectiveUsersLoginName) {
  const passwd* entry = getpwuid(geteuid());
  ASSERT_NE(entry, nullptr);
  char16_t buffer[255];
  DWORD size = 255;
  ASSERT_TRUE(GetUserName(buffer, &size));
  EXPECT_EQ(std::u16string(buffer, size - 1), ToUtf16(entry->pw_name));
  EXPECT_EQ(buffer[size - 1], u'\0');
}

TEST(GetUserName, ReportsTheSizeNeededWhenTheBufferIsShort) {
  struct Case {
    std::optional<std::u16string> name;
    DWORD size;
    BOOL ok;
    DWORD sizeAfter;
  };
  const Case cases[] = {
      {u"anna", 5, TRUE, 5},
      {u"anna", 4, FALSE, 5},
      {std::u16string(254, u'x'), 255, TRUE, 255},
      {std::u16string(255, u'x'), 255, FALSE, 256},
      {std::nullopt, 255, FALSE, 0},
  };
  for (const Case& c : cases) {
    const UserNameOverride name(c.name);
    std::u16string buffer(300, u'#');
    DWORD size = c.size;
    EXPECT_EQ(GetUserName(buffer.data(), &size), c.ok);
    EXPECT_EQ(size, c.sizeAfter);
    if (c.ok) {
      EXPECT_EQ(buffer.substr(0, size), *c.name + u'\0');
    }
    EXPECT_EQ(buffer[c.size], u'#') << "wrote past the buffer";
  }
}

}  // namespace
}  // namespace qb
