// One pass over a record's keys in one section, either reading every field
// from the definition (with the field's default for a missing key) or writing
// every field into it. A record lists its keys once, in reading order, and the
// same list serves loading and saving.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/SkinIni.h"
#include "skin/data/SkinValues.h"

namespace qb {

class SkinIniExchange {
 public:
  static SkinIniExchange Loading(const SkinIni& ini, std::u16string_view section) {
    return SkinIniExchange(&ini, nullptr, section);
  }
  static SkinIniExchange Saving(SkinIni& ini, std::u16string_view section) {
    return SkinIniExchange(&ini, &ini, section);
  }

  bool IsLoading() const { return target_ == nullptr; }

  void Integer(std::u16string_view key, std::int32_t& field, std::int32_t fallback);
  void Boolean(std::u16string_view key, bool& field);
  void Rect(std::u16string_view key, RECT& field);
  void Point(std::u16string_view key, POINT& field);
  void Color(std::u16string_view key, TColor& field, TColor fallback);
  void String(std::u16string_view key, std::u16string& field, std::u16string_view fallback);
  void FontStyles(std::u16string_view key, TFontStyles& field);
  void StretchType(std::u16string_view key, TStretchType& field);
  void MorphKind(std::u16string_view key, TMorphKind& field);
  void InactiveEffect(std::u16string_view key, TInactiveEffect& field);
  void Alignment(std::u16string_view key, TAlignment& field);
  void Command(std::u16string_view key, TskStdCommand& field);

 private:
  SkinIniExchange(const SkinIni* source, SkinIni* target, std::u16string_view section)
      : source_(source), target_(target), section_(section) {}

  void Write(std::u16string_view key, std::u16string_view value) { target_->WriteString(section_, key, value); }
  template <typename Enum>
  void Named(std::u16string_view key, Enum& field, std::u16string_view fallback,
             Enum (*parse)(std::u16string_view), std::u16string (*format)(Enum));

  const SkinIni* source_;
  SkinIni* target_;
  std::u16string section_;
};

// Reads or writes a record whose Exchange lists its keys, in one section.
template <typename Record>
void LoadSection(const SkinIni& ini, std::u16string_view section, Record& record) {
  SkinIniExchange x = SkinIniExchange::Loading(ini, section);
  record.Exchange(x);
}
template <typename Record>
void SaveSection(SkinIni& ini, std::u16string_view section, const Record& record) {
  SkinIniExchange x = SkinIniExchange::Saving(ini, section);
  // A saving exchange only reads the fields.
  const_cast<Record&>(record).Exchange(x);
}

}  // namespace qb
