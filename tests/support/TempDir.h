// A fresh folder below the system's temporary folder, removed with everything
// in it when the object goes away.
#pragma once

#include <filesystem>
#include <string_view>

namespace qb::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes a file below the folder (creating its parents) and returns its path.
  std::filesystem::path Write(std::string_view relative, std::string_view content) const;

 private:
  std::filesystem::path path_;
};

}  // namespace qb::test
