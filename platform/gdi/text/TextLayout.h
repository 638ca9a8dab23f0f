// Splitting DrawText's text into lines, independent of any font: widths
// come from a function the caller supplies.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The text with "&" prefixes resolved: "&&" becomes "&", "&x" becomes x and
// marks it; a final lone "&" is dropped. `marked` is the index of the first
// marked character in `text`, or npos.
struct PrefixedText {
  std::u16string text;
  std::size_t marked = std::u16string::npos;
};
PrefixedText ResolvePrefixes(std::u16string_view text);

struct TextLine {
  std::size_t start = 0;  // index of the line's first character in the text
  std::u16string_view text;
};

using WidthFunction = std::function<int(std::u16string_view)>;

// Lines end at CR, LF and CR LF, unless singleLine keeps everything on one
// line; with wordBreak they also end at blanks so that a line is no wider
// than maxWidth where that is possible. The blanks at such a break belong to
// no line.
std::vector<TextLine> BreakLines(std::u16string_view text, bool singleLine, bool wordBreak, int maxWidth,
                                 const WidthFunction& width);

}  // namespace qb
