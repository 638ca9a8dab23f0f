// Putting one print job into a spool folder so that it appears there
// complete or not at all.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

class JobSpooler {
 public:
  // The system's write(2) by default; a replacement lets a failing disk be
  // played.
  using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;
  // RandomJobPrefix by default.
  using PrefixFunction = std::function<std::u16string()>;

  // `folder` ends in "/" and exists.
  explicit JobSpooler(std::u16string folder, WriteFunction write = {}, PrefixFunction prefix = {});

  // A descriptor that becomes readable when the job is to be abandoned, as
  // a signalfd does when the print system cancels the job; -1 for none.
  void SetCancelFd(int fd) { cancelFd_ = fd; }

  // Copies everything from `input` into a hidden file of the folder whose
  // name does not end in ".ps", flushes it to disk, and only then gives it
  // its job name (JobFileName) with a new prefix, never replacing a file
  // that exists; a taken name gets another prefix. The title is `title`
  // when given, else the job's own (FindDscTitle), else kUntitledJob.
  // `inputName` names the input in messages. Returns the job's path. On any
  // failure (unreadable or empty input, a full disk, a cancel while the job
  // is read) raises EPrintError and leaves nothing behind in the folder.
  std::u16string Spool(int input, std::string_view inputName, const std::optional<std::u16string>& title) const;

 private:
  std::u16string folder_;
  WriteFunction write_;
  PrefixFunction prefix_;
  int cancelFd_ = -1;
};

}  // namespace qb
