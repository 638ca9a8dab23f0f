// An INI-format text held in memory: the reader of skin definitions and the
// writer records save themselves to.
//
// Lines are trimmed; empty lines and lines starting with ";" are skipped; a
// line "[name]" starts a section; inside a section a line with "=" is a key
// and a value split at the first "=", both trimmed, and a line without "=" a
// bare entry. Lines before the first section are ignored. Section and key
// names are compared without regard to case, and the first occurrence of a
// name is the one that counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/WinTypes.h"
#include "skin/data/SkinValues.h"

namespace qb {

class SkinIni {
 public:
  struct Entry {
    std::u16string key;  // the whole line for a bare entry
    std::u16string value;
    bool bare = false;
  };
  struct Section {
    std::u16string name;
    std::vector<Entry> entries;  // in text order
  };

  SkinIni() = default;
  explicit SkinIni(std::u16string_view text);

  bool SectionExists(std::u16string_view section) const;
  const Section* FindSection(std::u16string_view section) const;
  const std::vector<Section>& Sections() const { return sections_; }

  // The value of a key, or nothing when the section or the key is missing.
  std::optional<std::u16string_view> Value(std::u16string_view section, std::u16string_view key) const;

  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view fallback) const;
  std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key, std::int32_t fallback) const;
  // True exactly when the value reads as the integer 1.
  bool ReadBool(std::u16string_view section, std::u16string_view key) const;
  // Missing keys read as 0,0,0,0 and 0,0; malformed values throw EConvertError.
  RECT ReadRect(std::u16string_view section, std::u16string_view key) const;
  POINT ReadPoint(std::u16string_view section, std::u16string_view key) const;
  TColor ReadColor(std::u16string_view section, std::u16string_view key, TColor fallback) const;

  // Sets the first occurrence of the key, or appends it (and the section).
  void WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  // The text of all sections, each line followed by CR LF.
  std::u16string ToText() const;

 private:
  // Lookups hash a lower-cased view of the name without allocating.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const { return std::hash<std::u16string_view>{}(name); }
  };
  using NameMap = std::unordered_map<std::u16string, std::size_t, NameHash, std::equal_to<>>;
  // A section's keys by their lower-cased form, without keeping that form:
  // an open-addressed table of entry numbers plus one (0 marks a free
  // slot), never more than half full. Definitions hold thousands of keys,
  // and a lower-cased copy and a map node for each were most of reading
  // them.
  struct KeyIndex {
    std::vector<std::uint32_t> slots;
    std::size_t used = 0;
  };

  const NameMap::value_type* FindSectionIndex(std::u16string_view name) const;
  // The number of the section's first entry with the key.
  std::optional<std::size_t> FindEntry(std::size_t section, std::u16string_view key) const;
  std::size_t AddSection(std::u16string_view name);
  void AddEntry(std::size_t section, Entry entry);

  std::vector<Section> sections_;
  std::vector<KeyIndex> indexes_;  // parallel to sections_
  NameMap byName_;                 // lower-cased name → first section
};

}  // namespace qb
