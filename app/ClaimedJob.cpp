#include "app/ClaimedJob.h"

#include "platform/files/FileOperations.h"

namespace qb {

std::u16string ClaimedName(const std::u16string& path) {
  const std::size_t nameStart = path.rfind(u'/') + 1;
  const std::size_t dot = path.rfind(u'.');
  const bool hasExtension = dot != std::u16string::npos && dot >= nameStart;
  return (hasExtension ? path.substr(0, dot) : path) + u".tmp";
}

void ClaimedJob::Claim(const std::u16string& path) {
  PutBack();
  original_ = path;
  claimed_ = ClaimedName(path);
  held_ = MoveFile(original_, claimed_);
}

void ClaimedJob::Remove() {
  if (!claimed_.empty()) DeleteFile(claimed_);
  held_ = false;
}

void ClaimedJob::PutBack() {
  if (held_) MoveFile(claimed_, original_);
  held_ = false;
}

}  // namespace qb
