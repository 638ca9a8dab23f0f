// The user-visible texts of the skinned frame (menu captions, button hints,
// message buttons) as lines "NAME=text". A new one holds the English texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component/TComponent.h"

namespace qb {

class TskResourceStrData : public TComponent {
 public:
  explicit TskResourceStrData(TComponent* owner);

  const std::vector<std::u16string>& ResStrings() const { return resStrings_; }
  void SetResStrings(std::vector<std::u16string> lines) { resStrings_ = std::move(lines); }
  int CharSet() const { return charSet_; }
  void SetCharSet(int value) { charSet_ = value; }

  // The text after the first "=" of the first line whose name matches
  // without regard to case, or an empty text.
  std::u16string GetResStr(std::u16string_view name) const;

 private:
  std::vector<std::u16string> resStrings_;
  int charSet_ = 1;  // DEFAULT_CHARSET
};

}  // namespace qb
