// What a file looked like before a run, so that a failed run can take back
// what it wrote and nothing else.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qb {

class OutputFileStamp {
 public:
  // Notes whether the file exists and, when it does, its size and
  // modification time.
  static OutputFileStamp Take(std::u16string_view path);

  // Removes the file at the path when it is not the one noted: it did not
  // exist then, or its size or modification time differ. A file that is
  // still the same, a missing file, and anything but a regular file (or a
  // link to one) are left alone. True when a file was removed.
  bool RemoveIfChanged() const;

 private:
  std::u16string path_;
  bool existed_ = false;
  std::uintmax_t size_ = 0;
  std::filesystem::file_time_type modified_;
};

}  // namespace qb
