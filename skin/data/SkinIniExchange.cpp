#include "skin/data/SkinIniExchange.h"

namespace qb {

template <typename Enum>
void SkinIniExchange::Named(std::u16string_view key, Enum& field, std::u16string_view fallback,
                            Enum (*parse)(std::u16string_view), std::u16string (*format)(Enum)) {
  if (IsLoading()) {
    field = parse(source_->Value(section_, key).value_or(fallback));
  } else {
    Write(key, format(field));
  }
}

void SkinIniExchange::Integer(std::u16string_view key, std::int32_t& field, std::int32_t fallback) {
  if (IsLoading()) {
    field = source_->ReadInteger(section_, key, fallback);
  } else {
    Write(key, FormatInteger(field));
  }
}

void SkinIniExchange::Boolean(std::u16string_view key, bool& field) {
  if (IsLoading()) {
    field = source_->ReadBool(section_, key);
  } else {
    Write(key, field ? u"1" : u"0");
  }
}

void SkinIniExchange::Rect(std::u16string_view key, RECT& field) {
  if (IsLoading()) {
    field = source_->ReadRect(section_, key);
  } else {
    Write(key, FormatRect(field));
  }
}

void SkinIniExchange::Point(std::u16string_view key, POINT& field) {
  if (IsLoading()) {
    field = source_->ReadPoint(section_, key);
  } else {
    Write(key, FormatPoint(field));
  }
}

void SkinIniExchange::Color(std::u16string_view key, TColor& field, TColor fallback) {
  if (IsLoading()) {
    field = source_->ReadColor(section_, key, fallback);
  } else {
    Write(key, FormatInteger(static_cast<std::int32_t>(field)));
  }
}

void SkinIniExchange::String(std::u16string_view key, std::u16string& field, std::u16string_view fallback) {
  if (IsLoading()) {
    field = source_->ReadString(section_, key, fallback);
  } else {
    Write(key, field);
  }
}

void SkinIniExchange::FontStyles(std::u16string_view key, TFontStyles& field) {
  Named(key, field, u"", ParseFontStyles, FormatFontStyles);
}

void SkinIniExchange::StretchType(std::u16string_view key, TStretchType& field) {
  Named(key, field, u"stfull", ParseStretchType, FormatStretchType);
}

void SkinIniExchange::MorphKind(std::u16string_view key, TMorphKind& field) {
  Named(key, field, u"mkdefault", ParseMorphKind, FormatMorphKind);
}

void SkinIniExchange::InactiveEffect(std::u16string_view key, TInactiveEffect& field) {
  Named(key, field, u"iebrightness", ParseInactiveEffect, FormatInactiveEffect);
}

void SkinIniExchange::Alignment(std::u16string_view key, TAlignment& field) {
  Named(key, field, u"tacenter", ParseAlignment, FormatAlignment);
}

void SkinIniExchange::Command(std::u16string_view key, TskStdCommand& field) {
  Named(key, field, u"cmdefault", ParseCommand, FormatCommand);
}

}  // namespace qb
