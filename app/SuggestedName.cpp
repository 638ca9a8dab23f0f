#include "app/SuggestedName.h"

#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr std::size_t kPrinterPrefixLength = 15;
constexpr std::u16string_view kWordPrefix = u"microsoft word - ";

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
  std::u16string name(fileName.size() > kPrinterPrefixLength ? fileName.substr(kPrinterPrefixLength) : u"");
  DropExtension(name);
  // The title's own extension (".docx") gives way to ".pdf"; a title
  // without one gets ".pdf" appended.
  DropExtension(name);
  name += u".pdf";
  RemoveEveryWordPrefix(name);
  return name;
}

}  // namespace qb
