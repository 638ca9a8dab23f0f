#include "app/convert/PendingOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace qb::convert {
namespace {

std::string Reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

std::string RandomSuffix() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
  return suffix;
}

}  // namespace

PendingOutput::PendingOutput(const std::string& target, Naming naming) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  targetName_ = slash == std::string::npos ? target : target.substr(slash + 1);
  if (targetName_.empty() || targetName_ == "." || targetName_ == "..") {
    throw EOutputFailed("the output " + target + " names no file");
  }

  folder_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) throw EOutputFailed(Reason("cannot open the folder", folder));
  try {
    struct stat existing {};
    if (fstatat(folder_, targetName_.c_str(), &existing, 0) == 0) {
      if (S_ISDIR(existing.st_mode)) throw EOutputFailed(target + " is a folder");
      if (faccessat(folder_, targetName_.c_str(), W_OK, AT_EACCESS) != 0) {
        throw EOutputFailed(Reason("cannot write", target));
      }
      keepMode_ = S_ISREG(existing.st_mode);
      keptMode_ = existing.st_mode & 07777;
    }
    // A file without a name, where the file system has them, so that not
    // even a SIGKILL can leave a part of the PDF behind; else a hidden one.
    if (naming == Naming::kUnnamedWhereItCan) file_ = openat(folder_, ".", O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
    if (file_ < 0) CreateHidden(folder);
  } catch (...) {
    close(folder_);
    throw;
  }
}

PendingOutput::~PendingOutput() {
  if (file_ >= 0) close(file_);
  if (!placed_ && !hiddenName_.empty()) unlinkat(folder_, hiddenName_.c_str(), 0);
  close(folder_);
}

void PendingOutput::CreateHidden(const std::string& folder) {
  for (int attempt = 0;; ++attempt) {
    hiddenName_ = ".quillbrook-" + RandomSuffix() + ".part";
    file_ = openat(folder_, hiddenName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file_ >= 0) return;
    if (errno != EEXIST || attempt == 100) {
      hiddenName_.clear();
      throw EOutputFailed(Reason("cannot create a file in", folder));
    }
  }
}

void PendingOutput::NameTheFile() {
  if (!hiddenName_.empty()) return;
  // linkat with AT_EMPTY_PATH needs a privilege; the descriptor's entry
  // in /proc does not.
  const std::string self = "/proc/self/fd/" + std::to_string(file_);
  for (int attempt = 0;; ++attempt) {
    hiddenName_ = ".quillbrook-" + RandomSuffix() + ".part";
    if (linkat(AT_FDCWD, self.c_str(), folder_, hiddenName_.c_str(), AT_SYMLINK_FOLLOW) == 0) return;
    if (errno != EEXIST || attempt == 100) {
      hiddenName_.clear();
      throw EOutputFailed(Reason("cannot name the finished file for", targetName_));
    }
  }
}

void PendingOutput::PutInPlace() {
  if (keepMode_ && fchmod(file_, keptMode_) != 0) throw EOutputFailed(Reason("cannot set the mode of", targetName_));
  // Without the flush a crash soon after the rename could leave the
  // target empty, the old file gone with it.
  if (fsync(file_) != 0) throw EOutputFailed(Reason("cannot write", targetName_));
  NameTheFile();
  if (renameat(folder_, hiddenName_.c_str(), folder_, targetName_.c_str()) != 0) {
    throw EOutputFailed(Reason("cannot rename the finished file to", targetName_));
  }
  placed_ = true;
}

}  // namespace qb::convert
