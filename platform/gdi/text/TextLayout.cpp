#include "platform/gdi/text/TextLayout.h"

namespace qb {

PrefixedText ResolvePrefixes(std::u16string_view text) {
  PrefixedText result;
  result.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      result.text.push_back(text[i]);
      continue;
    }
    if (i + 1 == text.size()) break;
    ++i;
    if (text[i] != u'&' && result.marked == std::u16string::npos) result.marked = result.text.size();
    result.text.push_back(text[i]);
  }
  return result;
}

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Greedy filling of one paragraph (no line breaks inside).
void WrapParagraph(std::u16string_view text, std::size_t offset, int maxWidth, const WidthFunction& width,
                   std::vector<TextLine>& lines) {
  std::size_t lineStart = 0;
  std::size_t lineEnd = 0;  // after the last word on the line; lineStart == lineEnd: empty so far
  std::size_t i = 0;
  bool any = false;
  while (i < text.size()) {
    std::size_t wordStart = i;
    while (wordStart < text.size() && IsBlank(text[wordStart])) ++wordStart;
    std::size_t wordEnd = wordStart;
    while (wordEnd < text.size() && !IsBlank(text[wordEnd])) ++wordEnd;
    if (wordStart == text.size()) {
      // Trailing blanks stay with the line they follow.
      lineEnd = text.size();
      break;
    }
    if (!any) {
      lineEnd = wordEnd;
      any = true;
    } else if (width(text.substr(lineStart, wordEnd - lineStart)) <= maxWidth) {
      lineEnd = wordEnd;
    } else {
      lines.push_back(TextLine{offset + lineStart, text.substr(lineStart, lineEnd - lineStart)});
      lineStart = wordStart;
      lineEnd = wordEnd;
    }
    i = wordEnd;
  }
  lines.push_back(TextLine{offset + lineStart, text.substr(lineStart, lineEnd - lineStart)});
}

}  // namespace

std::vector<TextLine> BreakLines(std::u16string_view text, bool singleLine, bool wordBreak, int maxWidth,
                                 const WidthFunction& width) {
  std::vector<TextLine> lines;
  if (singleLine) {
    lines.push_back(TextLine{0, text});
    return lines;
  }
  std::size_t start = 0;
  while (true) {
    std::size_t end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    const std::u16string_view paragraph = text.substr(start, end - start);
    if (wordBreak) {
      WrapParagraph(paragraph, start, maxWidth, width, lines);
    } else {
      lines.push_back(TextLine{start, paragraph});
    }
    if (end == text.size()) break;
    start = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace qb
