#include "skin/data/SkinIni.h"

#include <algorithm>
#include <array>
#include <utility>

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

bool IsAscii(std::u16string_view name) {
  return std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; });
}

char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

constexpr std::uint64_t kFnvOffset = 1469598103934665603ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::size_t HashFolded(std::u16string_view folded) {
  std::uint64_t hash = kFnvOffset;
  for (const char16_t c : folded) hash = (hash ^ c) * kFnvPrime;
  return static_cast<std::size_t>(hash);
}

// Whether the name lower-cases to `folded`.
bool FoldsTo(std::u16string_view name, std::u16string_view folded) {
  if (!IsAscii(name)) return Fold(name) == folded;
  if (name.size() != folded.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (AsciiLower(name[i]) != folded[i]) return false;
  }
  return true;
}

}  // namespace

const SkinIni::NameMap::value_type* SkinIni::FindSectionIndex(std::u16string_view name) const {
  const FoldedName folded(name);
  const auto it = byName_.find(folded.View());
  return it == byName_.end() ? nullptr : &*it;
}

std::optional<std::size_t> SkinIni::FindEntry(std::size_t section, std::u16string_view key) const {
  const KeyIndex& index = indexes_[section];
  if (index.slots.empty()) return std::nullopt;
  const FoldedName folded(key);
  const std::vector<Entry>& entries = sections_[section].entries;
  const std::size_t mask = index.slots.size() - 1;
  for (std::size_t at = HashFolded(folded.View()) & mask;; at = (at + 1) & mask) {
    const std::uint32_t slot = index.slots[at];
    if (slot == 0) return std::nullopt;
    if (FoldsTo(entries[slot - 1].key, folded.View())) return slot - 1;
  }
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
  entries.push_back(std::move(entry));
  if (entries.back().bare) return;
  KeyIndex& index = indexes_[section];
  if ((index.used + 1) * 2 > index.slots.size()) {
    const std::vector<std::uint32_t> old =
        std::exchange(index.slots, std::vector<std::uint32_t>(std::max<std::size_t>(16, index.slots.size() * 2)));
    const std::size_t mask = index.slots.size() - 1;
    for (const std::uint32_t slot : old) {
      if (slot == 0) continue;
      std::size_t at = HashFolded(FoldedName(entries[slot - 1].key).View()) & mask;
      while (index.slots[at] != 0) at = (at + 1) & mask;
      index.slots[at] = slot;
    }
  }
  // The first occurrence of a key is the one that counts.
  const FoldedName folded(entries.back().key);
  const std::size_t mask = index.slots.size() - 1;
  std::size_t at = HashFolded(folded.View()) & mask;
  for (; index.slots[at] != 0; at = (at + 1) & mask) {
    if (FoldsTo(entries[index.slots[at] - 1].key, folded.View())) return;
  }
  index.slots[at] = static_cast<std::uint32_t>(entries.size());
  ++index.used;
}

bool SkinIni::SectionExists(std::u16string_view section) const { return FindSectionIndex(section) != nullptr; }

const SkinIni::Section* SkinIni::FindSection(std::u16string_view section) const {
  const auto* found = FindSectionIndex(section);
  return found == nullptr ? nullptr : &sections_[found->second];
}

std::optional<std::u16string_view> SkinIni::Value(std::u16string_view section, std::u16string_view key) const {
  const auto* s = FindSectionIndex(section);
  if (s == nullptr) return std::nullopt;
  const std::optional<std::size_t> entry = FindEntry(s->second, key);
  if (!entry) return std::nullopt;
  return std::u16string_view(sections_[s->second].entries[*entry].value);
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
  const auto* found = FindSectionIndex(section);
  const std::size_t s = found == nullptr ? AddSection(section) : found->second;
  if (const std::optional<std::size_t> entry = FindEntry(s, key)) {
    sections_[s].entries[*entry].value = value;
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
