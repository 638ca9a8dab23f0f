#include "platform/dialogs/DBusLibrary.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// A library that is missing, or one that is there but is not libdbus, must
// read as "no portal" rather than leave a table with holes to call through.
TEST(DBusLibrary, OnlyACompleteLibdbusIsTaken) {
  struct Case {
    const char* soname;
    bool taken;
  };
  const Case cases[] = {
      {"libdbus-1.so.3", true},
      {"libquillbrook-absent.so.0", false},
      {"libc.so.6", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.soname);
    const std::unique_ptr<DBusLibrary> library = DBusLibrary::Open(c.soname);
    EXPECT_EQ(library != nullptr, c.taken);
    if (library) {
      EXPECT_NE(library->message_iter_next, nullptr);
    }
  }
}

}  // namespace
}  // namespace qb
