// Fontconfig's answers to "which face for this family, bold or not, italic
// or not", kept between runs in a small file. Loading fontconfig's
// configuration takes longer than all the rest of the program's start-up,
// and the program asks only a handful of questions.
//
// The answers are trusted only while everything they were drawn from is
// as it was: every input path (the configuration files fontconfig read and
// their folders, the places a user's configuration would go, every font
// folder) keeps its kind, size, inode and modification time, and the keys
// (fontconfig's version, the environment variables it reads) are the same
// strings. Anything else, a damaged file included, means no answers.
#pragma once

#include <compare>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qb {

struct FontQuestion {
  std::string family;
  bool bold = false;
  bool italic = false;
  friend auto operator<=>(const FontQuestion&, const FontQuestion&) = default;
};

struct FontAnswer {
  bool found = false;
  std::string file;
  int index = 0;
  bool isBold = false;  // whether the face is bold or italic by itself
  bool isItalic = false;
  friend bool operator==(const FontAnswer&, const FontAnswer&) = default;
};

using FontAnswers = std::map<FontQuestion, FontAnswer>;

struct FontAnswerInputs {
  std::vector<std::string> keys;
  std::vector<std::filesystem::path> paths;
};

// The file below the user's cache folder ($XDG_CACHE_HOME, else
// ~/.cache); nothing without either.
std::optional<std::filesystem::path> FontAnswerFile();

// The remembered answers when the file's keys equal `keys` and none of its
// paths changed; nothing otherwise.
std::optional<FontAnswers> LoadFontAnswers(const std::filesystem::path& file, const std::vector<std::string>& keys);

// Replaces the file whole, stamping the paths as they are now. Questions
// whose family would not survive the file's line format are left out. A
// failed write leaves the old file; the answers are only an aid.
void SaveFontAnswers(const std::filesystem::path& file, const FontAnswerInputs& inputs, const FontAnswers& answers);

}  // namespace qb
