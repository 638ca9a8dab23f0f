#include "skin/data/SkinIni.h"

#include <array>

#include "platform/text/Utf.h"
#include "skin/data/DefinitionText.h"

namespace qb {
namespace {

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && text.front() <= u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() <= u' ') text.remove_suffix(1);
  return text;
}

// Definitions are nearly all ASCII; only other text needs the full mapping.
std::u16string Fold(std::u16string_view name) {
  std::u16string folded(name);
  bool ascii = true;
  for (char16_t& c : folded) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    if (c >= 0x80) ascii = false;
  }
  return ascii ? folded : LowerCase(name);
}

// A name lower-cased for lookup; short names stay on the stack.
class FoldedName {
 public:
  explicit FoldedName(std::u16string_view name) {
    bool ascii = name.size() <= buffer_.size();
    for (std::size_t i = 0; ascii && i < name.size(); ++i) {
      const char16_t c = name[i];
      if (c >= 0x80) ascii = false;
      buffer_[i] = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    }
    if (ascii) {
      view_ = std::u16string_view(buffer_.data(), name.size());
    } else {
      other_ = Fold(name);
      view_ = other_;
    }
  }
  std::u16string_view View() const { return view_; }

 private:
  std::array<char16_t, 64> buffer_;
  std::u16string other_;
  std::u16string_view view_;
};

}  // namespace

const SkinIni::NameMap::value_type* SkinIni::Find(const NameMap& map, std::u16string_view name) const {
  const FoldedName folded(name);
  const auto it = map.find(folded.View());
  return it == map.end() ? nullptr : &*it;
}

SkinIni::SkinIni(std::u16string_view text) {
  std::optional<std::size_t> current;
  for (std::u16string_view raw : SplitLines(text)) {
    const std::u16string_view line = Trim(raw);
    if (line.empty() || line.front() == u';') continue;
    if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
      current = AddSection(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    if (!current) continue;
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
      AddEntry(*current, Entry{std::u16string(line), {}, true});
    } else {
      AddEntry(*current, Entry{std::u16string(Trim(line.substr(0, equals))),
                               std::u16string(Trim(line.substr(equals + 1))), false});
    }
  }
}

std::size_t SkinIni::AddSection(std::u16string_view name) {
  const std::size_t section = sections_.size();
  byName_.emplace(Fold(name), section);
  sections_.push_back(Section{std::u16string(name), {}});
  indexes_.emplace_back();
  return section;
}

void SkinIni::AddEntry(std::size_t section, Entry entry) {
  std::vector<Entry>& entries = sections_[section].entries;
  if (!entry.bare) indexes_[section].keys.emplace(Fold(entry.key), entries.size());
  entries.push_back(std::move(entry));
}

bool SkinIni::SectionExists(std::u16string_view section) const { return Find(byName_, section) != nullptr; }

const SkinIni::Section* SkinIni::FindSection(std::u16string_view section) const {
  const auto* found = Find(byName_, section);
  return found == nullptr ? nullptr : &sections_[found->second];
}

std::optional<std::u16string_view> SkinIni::Value(std::u16string_view section, std::u16string_view key) const {
  const auto* s = Find(byName_, section);
  if (s == nullptr) return std::nullopt;
  const auto* entry = Find(indexes_[s->second].keys, key);
  if (entry == nullptr) return std::nullopt;
  return std::u16string_view(sections_[s->second].entries[entry->second].value);
}

std::u16string SkinIni::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view fallback) const {
  return std::u16string(Value(section, key).value_or(fallback));
}

std::int32_t SkinIni::ReadInteger(std::u16string_view section, std::u16string_view key,
                                  std::int32_t fallback) const {
  const auto value = Value(section, key);
  if (!value) return fallback;
  return ParseInteger(*value).value_or(fallback);
}

bool SkinIni::ReadBool(std::u16string_view section, std::u16string_view key) const {
  return ReadInteger(section, key, 0) == 1;
}

RECT SkinIni::ReadRect(std::u16string_view section, std::u16string_view key) const {
  return ParseRect(Value(section, key).value_or(u"0,0,0,0"));
}

POINT SkinIni::ReadPoint(std::u16string_view section, std::u16string_view key) const {
  return ParsePoint(Value(section, key).value_or(u"0,0"));
}

TColor SkinIni::ReadColor(std::u16string_view section, std::u16string_view key, TColor fallback) const {
  return static_cast<TColor>(ReadInteger(section, key, static_cast<std::int32_t>(fallback)));
}

void SkinIni::WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  const auto* found = Find(byName_, section);
  const std::size_t s = found == nullptr ? AddSection(section) : found->second;
  const auto* entry = Find(indexes_[s].keys, key);
  if (entry != nullptr) {
    sections_[s].entries[entry->second].value = value;
  } else {
    AddEntry(s, Entry{std::u16string(key), std::u16string(value), false});
  }
}

std::u16string SkinIni::ToText() const {
  std::u16string text;
  for (const Section& section : sections_) {
    text += u"[" + section.name + u"]\r\n";
    for (const Entry& entry : section.entries) {
      text += entry.key;
      if (!entry.bare) text += u"=" + entry.value;
      text += u"\r\n";
    }
  }
  return text;
}

}  // namespace qb
