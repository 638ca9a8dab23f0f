#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

#include "platform/thread/LastError.h"

namespace {

TEST(LastError, EachThreadHasItsOwn) {
  SetLastError(ENOENT);
  DWORD seenThere = 1;
  std::thread([&] {
    seenThere = GetLastError();
    SetLastError(EACCES);
  }).join();
  EXPECT_EQ(seenThere, 0u);
  EXPECT_EQ(GetLastError(), DWORD(ENOENT));
}

TEST(LastError, SystemTextIsCutToTheBuffer) {
  char16_t text[256];
  const DWORD length = FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     ENOENT, 0, text, 256);
  EXPECT_EQ(std::u16string(text, length), u"No such file or directory");
  EXPECT_EQ(text[length], u'\0');

  char16_t small[5];
  EXPECT_EQ(FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM, ENOENT, 0, small, 5), 4u);
  EXPECT_EQ(std::u16string(small), u"No s");

  EXPECT_EQ(FormatMessage(0, ENOENT, 0, text, 256), 0u);
  EXPECT_EQ(GetLastError(), DWORD(EINVAL));
}

}  // namespace
