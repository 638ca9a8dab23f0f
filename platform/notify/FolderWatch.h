// The object behind a change-notification handle: one inotify instance that
// watches a folder, or a folder and every folder below it, and remembers
// whether a change of the kinds its filter names has been seen since the
// last re-arm. Not thread-safe; one thread at a time uses it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/WinTypes.h"

namespace qb {

class FolderWatch {
 public:
  // Null on failure, with `error` set to the errno met.
  static std::unique_ptr<FolderWatch> Open(const std::string& path, bool subtree, DWORD filter,
                                           int& error);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Readable whenever inotify has queued events.
  int Descriptor() const { return fd_; }

  // Takes in every queued event; true when the watch is signalled.
  bool Poll();
  void Rearm() { signalled_ = false; }

  // Whether an inotify event mask is a change that the filter asks for.
  static bool Matches(std::uint32_t eventMask, DWORD filter);

 private:
  FolderWatch(int fd, bool subtree, DWORD filter);
  int AddFolder(const std::string& path, bool followLink);
  int AddTree(const std::string& path, bool followLink, bool arrivedJustNow);
  void RemoveTree(const std::string& path);
  void Take(std::uint32_t mask, int wd, const char* name);

  int fd_;
  bool subtree_;
  DWORD filter_;
  std::uint32_t events_;
  bool signalled_ = false;
  std::unordered_map<int, std::string> folders_;  // watch descriptor → path
};

}  // namespace qb
