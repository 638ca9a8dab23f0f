#include "app/print/JobSpooler.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "app/print/DscTitle.h"
#include "app/print/EPrintError.h"
#include "app/print/JobFileName.h"
#include "platform/files/FileOperations.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

// The header comments, where the title is, come first; this much of the job
// is kept to look for it.
constexpr std::size_t kHeadBytes = 64 * 1024;

// A job name drawn again and again from a good random source is taken only
// when something is badly wrong; this many tries tell that apart.
constexpr int kNameAttempts = 100;

[[noreturn]] void Fail(const std::string& what, int error) {
  throw EPrintError(what + ": " + std::strerror(error));
}

// The hidden file the job is written to; removed unless it got its job name.
class PartialJob {
 public:
  explicit PartialJob(const std::u16string& folder) : path_(ToUtf8(folder) + ".quillbrook-print-XXXXXX") {
    fd_ = mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ < 0) Fail("Cannot create the job file in " + ToUtf8(folder), errno);
  }
  ~PartialJob() {
    if (fd_ >= 0) close(fd_);
    if (!path_.empty()) unlink(path_.c_str());
  }
  PartialJob(const PartialJob&) = delete;
  PartialJob& operator=(const PartialJob&) = delete;

  int Fd() const { return fd_; }
  const std::string& Path() const { return path_; }

  void FlushAndClose() {
    if (fsync(fd_) != 0) Fail("Cannot write the job to disk", errno);
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) Fail("Cannot write the job to disk", errno);
  }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
  int fd_ = -1;
};

void WriteAll(const JobSpooler::WriteFunction& write, int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("Cannot write the job", errno);
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

// Waits until the input has data or has ended; false when the cancel
// descriptor became readable first.
bool AwaitInput(int input, int cancelFd) {
  if (cancelFd < 0) return true;
  pollfd fds[2] = {{input, POLLIN, 0}, {cancelFd, POLLIN, 0}};
  for (;;) {
    if (poll(fds, 2, -1) >= 0) return fds[1].revents == 0;
    if (errno != EINTR) return true;
  }
}

bool Exists(const std::u16string& path) {
  struct stat entry {};
  return lstat(ToUtf8(path).c_str(), &entry) == 0;
}

// So that the new name survives a crash of the machine as well.
void FlushFolder(const std::u16string& folder) {
  const int fd = open(ToUtf8(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

JobSpooler::JobSpooler(std::u16string folder, WriteFunction write, PrefixFunction prefix)
    : folder_(std::move(folder)), write_(std::move(write)), prefix_(std::move(prefix)) {
  if (!write_) write_ = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
  if (!prefix_) prefix_ = RandomJobPrefix;
}

std::u16string JobSpooler::Spool(int input, std::string_view inputName,
                                 const std::optional<std::u16string>& title) const {
  PartialJob job(folder_);
  std::string head;
  std::vector<char> buffer(64 * 1024);
  std::size_t total = 0;
  for (;;) {
    if (!AwaitInput(input, cancelFd_)) throw EPrintRefused("The job was cancelled before it was complete");
    const ssize_t got = read(input, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail("Cannot read " + std::string(inputName), errno);
    }
    if (got == 0) break;
    const auto size = static_cast<std::size_t>(got);
    if (head.size() < kHeadBytes) head.append(buffer.data(), std::min(size, kHeadBytes - head.size()));
    WriteAll(write_, job.Fd(), buffer.data(), size);
    total += size;
  }
  if (total == 0) throw EPrintRefused("The job from " + std::string(inputName) + " is empty; nothing was printed");
  job.FlushAndClose();

  const std::u16string jobTitle = title ? *title : FindDscTitle(head).value_or(std::u16string(kUntitledJob));
  const std::u16string partial = ToUtf16(job.Path());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::u16string path = folder_ + JobFileName(prefix_(), jobTitle);
    if (MoveFile(partial, path)) {
      job.Keep();
      FlushFolder(folder_);
      return path;
    }
    const int error = errno;
    if (!Exists(path)) Fail("Cannot give the job its name in " + ToUtf8(folder_), error);
  }
  throw EPrintError("Cannot find a free job name in " + ToUtf8(folder_));
}

}  // namespace qb
