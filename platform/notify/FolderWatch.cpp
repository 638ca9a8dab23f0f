#include "platform/notify/FolderWatch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/notify/ChangeNotification.h"

namespace qb {

namespace {

constexpr std::uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

std::uint32_t EventsFor(DWORD filter, bool subtree) {
  std::uint32_t events = 0;
  // A subtree watch follows folders as they come and go, whatever it reports.
  if (subtree || (filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME)))
    events |= kNameEvents;
  if (filter & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY)) events |= IN_ATTRIB;
  if (filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)) events |= IN_MODIFY;
  return events;
}

bool IsFolder(int folderFd, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
  struct stat info;
  return fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::unique_ptr<FolderWatch> FolderWatch::Open(const std::string& path, bool subtree, DWORD filter,
                                               int& error) {
  constexpr DWORD kKnown = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                           FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                           FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SECURITY;
  if ((filter & kKnown) == 0 || (filter & ~kKnown) != 0) {
    error = EINVAL;
    return nullptr;
  }
  const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  std::unique_ptr<FolderWatch> watch(new FolderWatch(fd, subtree, filter));
  error = subtree ? watch->AddTree(path, true, false) : watch->AddFolder(path, true);
  if (error != 0) return nullptr;
  return watch;
}

FolderWatch::FolderWatch(int fd, bool subtree, DWORD filter)
    : fd_(fd), subtree_(subtree), filter_(filter), events_(EventsFor(filter, subtree)) {}

FolderWatch::~FolderWatch() { close(fd_); }

bool FolderWatch::Matches(std::uint32_t eventMask, DWORD filter) {
  if (eventMask & kNameEvents)
    return filter &
           ((eventMask & IN_ISDIR) ? FILE_NOTIFY_CHANGE_DIR_NAME : FILE_NOTIFY_CHANGE_FILE_NAME);
  if (eventMask & IN_ATTRIB)
    return filter & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY);
  if (eventMask & IN_MODIFY)
    return filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  return false;
}

// Links are followed for the watched folder itself but not below it, where
// a link could lead out of the tree or round in a circle.
int FolderWatch::AddFolder(const std::string& path, bool followLink) {
  const std::uint32_t flags = IN_ONLYDIR | (followLink ? 0 : IN_DONT_FOLLOW);
  const int wd = inotify_add_watch(fd_, path.c_str(), events_ | flags);
  if (wd < 0) return errno;
  folders_[wd] = path;
  return 0;
}

// Watches `path` and every folder below it. A folder that arrived just now
// (created, or moved in from elsewhere) may have been filled before its
// watch existed, so everything found in it counts as a change: a change too
// many is harmless, one missed is not. Only a failure on `path` itself, or the
// system's watch limit, is reported; folders that vanish or cannot be read
// on the way are passed over.
int FolderWatch::AddTree(const std::string& path, bool followLink, bool arrivedJustNow) {
  if (const int error = AddFolder(path, followLink); error != 0) return error;
  DIR* folder = opendir(path.c_str());
  if (!folder) return 0;
  std::vector<std::string> subfolders;
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const bool isFolder = IsFolder(dirfd(folder), *entry);
    if (arrivedJustNow &&
        (filter_ & (isFolder ? FILE_NOTIFY_CHANGE_DIR_NAME : FILE_NOTIFY_CHANGE_FILE_NAME)))
      signalled_ = true;
    if (isFolder) subfolders.push_back(path + "/" + name);
  }
  closedir(folder);
  for (const std::string& subfolder : subfolders) {
    const int error = AddTree(subfolder, false, arrivedJustNow);
    if (error == ENOSPC || error == ENOMEM) return error;
  }
  return 0;
}

void FolderWatch::RemoveTree(const std::string& path) {
  const std::string below = path + "/";
  for (auto it = folders_.begin(); it != folders_.end();) {
    if (it->second == path || it->second.starts_with(below)) {
      inotify_rm_watch(fd_, it->first);
      it = folders_.erase(it);
    } else {
      ++it;
    }
  }
}

bool FolderWatch::Poll() {
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    const ssize_t length = read(fd_, buffer, sizeof buffer);
    if (length <= 0) break;
    for (ssize_t offset = 0; offset < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
      Take(event->mask, event->wd, event->len ? event->name : "");
      offset += ssize_t(sizeof(inotify_event) + event->len);
    }
  }
  return signalled_;
}

void FolderWatch::Take(std::uint32_t mask, int wd, const char* name) {
  // Events were lost: something changed, but nobody can say what.
  if (mask & IN_Q_OVERFLOW) {
    signalled_ = true;
    return;
  }
  if (mask & IN_IGNORED) {
    folders_.erase(wd);
    return;
  }
  const auto it = folders_.find(wd);
  if (it == folders_.end()) return;
  if (Matches(mask, filter_)) signalled_ = true;
  if (!subtree_ || !(mask & IN_ISDIR) || *name == '\0') return;
  const std::string path = it->second + "/" + name;
  if (mask & (IN_CREATE | IN_MOVED_TO))
    AddTree(path, false, true);
  else if (mask & IN_MOVED_FROM)
    RemoveTree(path);
}

}  // namespace qb
