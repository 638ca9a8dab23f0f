#include "app/SuggestedName.h"

#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr std::size_t kPrinterPrefixLength = 15;
constexpr std::u16string_view kWordPrefix = u"microsoft word - ";

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The title without the printer side's characters. A cut through a
// character of two code units would leave half of it, which is no text
// and which no file name can hold: that half goes too.
std::u16string_view Title(std::u16string_view fileName) {
  if (fileName.size() <= kPrinterPrefixLength) return {};
  std::u16string_view title = fileName.substr(kPrinterPrefixLength);
  if (IsHighSurrogate(fileName[kPrinterPrefixLength - 1]) && IsLowSurrogate(title.front())) title.remove_prefix(1);
  return title;
}

// A file-name byte that is not UTF-8 (carried as U+DC80 + byte) comes from
// a printer side that writes 8-bit text, nearly always Latin-1 or its
// Windows form: read so, "Gr\xFC\xDFe" is "Grüße". A PDF named with such
// bytes would be hard to use: dialogs, file managers and viewers show or
// pass on such a name wrongly.
char16_t FromEightBit(char16_t unit) {
  static constexpr char16_t kWindows80To9F[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (unit < 0xDC80 || unit > 0xDCFF) return unit;
  const char16_t byte = unit - 0xDC00;
  if (byte >= 0xA0) return byte;
  const char16_t windows = kWindows80To9F[byte - 0x80];
  return windows != 0 ? windows : u'_';
}

void DropExtension(std::u16string& name) {
  if (const std::size_t dot = name.rfind(u'.'); dot != std::u16string::npos) name.erase(dot);
}

void RemoveEveryWordPrefix(std::u16string& name) {
  for (std::size_t at = LowerCase(name).find(kWordPrefix); at != std::u16string::npos;
       at = LowerCase(name).find(kWordPrefix, at)) {
    name.erase(at, kWordPrefix.size());
  }
}

}  // namespace

std::u16string SuggestedPdfName(std::u16string_view jobPath) {
  const std::size_t slash = jobPath.rfind(u'/');
  std::u16string_view fileName = slash == std::u16string_view::npos ? jobPath : jobPath.substr(slash + 1);
  std::u16string name(Title(fileName));
  for (std::size_t i = 0; i < name.size(); ++i) {
    // The second half of a character of two code units is no byte.
    if (IsHighSurrogate(name[i]) && i + 1 < name.size() && IsLowSurrogate(name[i + 1])) {
      ++i;
    } else {
      name[i] = FromEightBit(name[i]);
    }
  }
  DropExtension(name);
  // The title's own extension (".docx") gives way to ".pdf"; a title
  // without one gets ".pdf" appended.
  DropExtension(name);
  name += u".pdf";
  RemoveEveryWordPrefix(name);
  return name;
}

}  // namespace qb
