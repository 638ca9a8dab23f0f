#include "app/OutputFileStamp.h"

#include "platform/files/FileOperations.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

struct Seen {
  bool exists = false;
  std::uintmax_t size = 0;
  fs::file_time_type modified;
};

Seen Look(std::u16string_view u16path) {
  const fs::path path(ToUtf8(u16path));
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return {};
  Seen seen{true, fs::file_size(path, error), fs::last_write_time(path, error)};
  return error ? Seen{} : seen;
}

}  // namespace

OutputFileStamp OutputFileStamp::Take(std::u16string_view path) {
  OutputFileStamp stamp;
  stamp.path_ = path;
  const Seen seen = Look(stamp.path_);
  stamp.existed_ = seen.exists;
  stamp.size_ = seen.size;
  stamp.modified_ = seen.modified;
  return stamp;
}

bool OutputFileStamp::RemoveIfChanged() const {
  const Seen now = Look(path_);
  if (!now.exists) return false;
  if (existed_ && now.size == size_ && now.modified == modified_) return false;
  return DeleteFile(path_);
}

}  // namespace qb
