#include <gtest/gtest.h>

#include "platform/dialogs/FileUri.h"
#include "platform/text/Utf.h"

namespace qb::test {
namespace {

TEST(FileUri, LocalFileUrisBecomePathsAndOthersNothing) {
  struct Case {
    const char* uri;
    std::optional<std::string> path;  // the bytes of the path
  };
  const Case cases[] = {
      {"file:///home/anna/Brief.pdf", "/home/anna/Brief.pdf"},
      {"file:///home/anna/Brief%20an%20%22Bob%22.pdf", "/home/anna/Brief an \"Bob\".pdf"},
      {"file:///home/anna/Gr%C3%BC%C3%9Fe.pdf", "/home/anna/Grüße.pdf"},
      {"file:///home/anna/Gr%c3%bc%c3%9fe.pdf", "/home/anna/Grüße.pdf"},
      {"file:///tmp/Stra%DFe.pdf", "/tmp/Stra\xDF" "e.pdf"},
      {"file:///tmp/a%2Fb%25c%3F%23.pdf", "/tmp/a/b%c?#.pdf"},
      {"file:///tmp/100%.pdf", "/tmp/100%.pdf"},
      {"file:///tmp/50%G0.pdf", "/tmp/50%G0.pdf"},
      {"file:///tmp/x%4", "/tmp/x%4"},
      {"FILE://localhost/tmp/x.pdf", "/tmp/x.pdf"},
      {"file:///tmp/a%00b.pdf", std::nullopt},
      {"file://server/share/x.pdf", std::nullopt},
      {"file:relative.pdf", std::nullopt},
      {"file:///tmp/x.pdf?version=2", std::nullopt},
      {"https://example.org/x.pdf", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.uri);
    const std::optional<std::u16string> path = PathFromFileUri(c.uri);
    ASSERT_EQ(path.has_value(), c.path.has_value());
    // Through the lossless escape back to exactly the bytes of the name.
    if (path) {
      EXPECT_EQ(ToUtf8(*path), *c.path);
    }
  }
}

}  // namespace
}  // namespace qb::test
