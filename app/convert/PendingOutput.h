// The output file while it is being written: a file of its own in the
// target's folder, moved over the target only once it is complete, so that
// the target holds either what it held before or the whole new file, never
// a part of one. The file has no name until then where the file system
// allows it (O_TMPFILE), else a hidden one of a fresh name.
#pragma once

#include <stdexcept>
#include <string>

namespace qb::convert {

// The output cannot be prepared or put in place; the text says why.
class EOutputFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PendingOutput {
 public:
  // Creates the file, empty and open for writing. Refuses (with
  // EOutputFailed) a target that is a folder or an existing file the user
  // may not write, as writing to it directly would fail, and a folder
  // where no file can be created.
  // kHidden always takes the hidden file (the fall-back, for tests).
  enum class Naming { kUnnamedWhereItCan, kHidden };
  explicit PendingOutput(const std::string& target, Naming naming = Naming::kUnnamedWhereItCan);
  // Removes the file unless it was put in place.
  ~PendingOutput();
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  // Open for writing; the file is still empty.
  int Descriptor() const { return file_; }

  // Flushes the file to the disk and renames it over the target, which it
  // replaces in one step; an existing target's permissions are kept.
  // Throws EOutputFailed when that fails, and the target stays as it was.
  void PutInPlace();

 private:
  void CreateHidden(const std::string& folder);
  // Gives a file without a name its hidden one.
  void NameTheFile();

  int folder_ = -1;
  int file_ = -1;
  std::string targetName_;
  std::string hiddenName_;  // empty while the file has no name
  bool keepMode_ = false;
  unsigned keptMode_ = 0;
  bool placed_ = false;
};

}  // namespace qb::convert
