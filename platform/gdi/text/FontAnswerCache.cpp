#include "platform/gdi/text/FontAnswerCache.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

#include "platform/files/AtomicFile.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr std::string_view kHeader = "quillbrook font answers 1";

// Kind, size, inode and modification time; "-" for a path that is not
// there and "?" for one that cannot be looked at, which never matches.
std::string Stamp(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR ? "-" : "?";
  const char kind = S_ISDIR(info.st_mode) ? 'd' : S_ISREG(info.st_mode) ? 'f' : 'o';
  std::ostringstream stamp;
  stamp << kind << ':' << info.st_size << ':' << info.st_ino << ':' << info.st_mtim.tv_sec << '.'
        << info.st_mtim.tv_nsec;
  return stamp.str();
}

bool FitsOnALine(std::string_view field) { return field.find_first_of("\t\n\r") == std::string_view::npos; }

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<bool> Flag(std::string_view field) {
  if (field == "0") return false;
  if (field == "1") return true;
  return std::nullopt;
}

// Face indices carry a named instance in their upper 16 bits.
std::optional<int> Index(std::string_view field) {
  if (field.empty() || field.size() > 10 || field.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  const long long value = std::atoll(std::string(field).c_str());
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return int(value);
}

std::optional<std::pair<FontQuestion, FontAnswer>> ParseAnswer(const std::vector<std::string_view>& fields) {
  if (fields.size() != 9) return std::nullopt;
  const auto bold = Flag(fields[1]), italic = Flag(fields[2]), found = Flag(fields[3]);
  const auto index = Index(fields[4]);
  const auto isBold = Flag(fields[5]), isItalic = Flag(fields[6]);
  if (!bold || !italic || !found || !index || !isBold || !isItalic) return std::nullopt;
  return std::pair{FontQuestion{std::string(fields[7]), *bold, *italic},
                   FontAnswer{*found, std::string(fields[8]), *index, *isBold, *isItalic}};
}

}  // namespace

std::optional<std::filesystem::path> FontAnswerFile() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && *cache == '/') return std::filesystem::path(cache) / "quillbrook/font-answers";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home == '/') return std::filesystem::path(home) / ".cache/quillbrook/font-answers";
  return std::nullopt;
}

std::optional<FontAnswers> LoadFontAnswers(const std::filesystem::path& file, const std::vector<std::string>& keys) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  std::vector<std::string> storedKeys;
  FontAnswers answers;
  while (std::getline(in, line)) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields[0] == "key" && fields.size() == 2) {
      storedKeys.emplace_back(fields[1]);
    } else if (fields[0] == "path" && fields.size() == 3) {
      if (Stamp(std::string(fields[2])) != fields[1]) return std::nullopt;
    } else if (fields[0] == "answer") {
      const auto answer = ParseAnswer(fields);
      if (!answer) return std::nullopt;
      answers.insert(*answer);
    } else {
      return std::nullopt;
    }
  }
  if (in.bad() || storedKeys != keys) return std::nullopt;
  return answers;
}

void SaveFontAnswers(const std::filesystem::path& file, const FontAnswerInputs& inputs, const FontAnswers& answers) {
  std::ostringstream text;
  text << kHeader << '\n';
  for (const std::string& key : inputs.keys) {
    // Answers whose inputs cannot all be written down could never be checked.
    if (!FitsOnALine(key)) return;
    text << "key\t" << key << '\n';
  }
  for (const std::filesystem::path& path : inputs.paths) {
    if (!FitsOnALine(path.native())) return;
    text << "path\t" << Stamp(path) << '\t' << path.native() << '\n';
  }
  for (const auto& [question, answer] : answers) {
    if (!FitsOnALine(question.family) || !FitsOnALine(answer.file)) continue;
    text << "answer\t" << question.bold << '\t' << question.italic << '\t' << answer.found << '\t' << answer.index
         << '\t' << answer.isBold << '\t' << answer.isItalic << '\t' << question.family << '\t' << answer.file
         << '\n';
  }
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  ReplaceFileContents(ToUtf16(file.native()), text.str());
}

}  // namespace qb
