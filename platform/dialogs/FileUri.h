// Local file URIs ("file:///home/anna/Brief%20an%20Bob.pdf"), as desktop
// services hand back chosen files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qb {

// The path of a file URI on this machine (no host, or "localhost"), with
// percent escapes decoded to bytes; bytes that are not UTF-8 keep the
// lossless escape of Utf.h. Nothing for any other URI, for an escape of a
// NUL byte, or for a path that is not absolute.
std::optional<std::u16string> PathFromFileUri(std::string_view uri);

}  // namespace qb
