#include "app/print/PrintSpoolFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/SpoolSearch.h"
#include "app/print/EPrintError.h"
#include "platform/files/FileAttributes.h"
#include "platform/profile/ProfileFile.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

template <typename Error = EPrintError>
[[noreturn]] void Fail(const std::string& what, const std::u16string& path, int error = 0) {
  std::string message = what + " " + ToUtf8(path);
  if (error != 0) message += std::string(": ") + std::strerror(error);
  throw Error(message);
}

// The namespace goes into the path as the tool reads it, so "a/b" nests; a
// "." or ".." level would lead outside the spool root, where no folder
// writable for all must be made.
void CheckNamespace(std::u16string_view nameSpace, const std::u16string& file) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = nameSpace.find(u'/', start);
    const std::u16string_view level = nameSpace.substr(start, slash - start);
    if (level == u"." || level == u"..") {
      Fail<EPrintSetupError>("The namespace in", file + u" leads outside the spool folder");
    }
    if (slash == std::u16string_view::npos) return;
    start = slash + 1;
  }
}

void CreateSharedLevels(const std::u16string& root, std::u16string_view nameSpace) {
  std::u16string folder = root;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = nameSpace.find(u'/', start);
    folder += u'/';
    folder += nameSpace.substr(start, slash - start);
    const std::string native = ToUtf8(folder);
    if (!FolderExists(folder)) {
      // The mode is set after creation, as the umask would narrow it.
      if (mkdir(native.c_str(), 0700) == 0) {
        chmod(native.c_str(), 01777);
      } else if (errno != EEXIST) {
        Fail<EPrintSetupError>("Cannot create the folder", folder, errno);
      }
    }
    if (slash == std::u16string_view::npos) return;
    start = slash + 1;
  }
}

void PreparePrivateFolder(const std::u16string& folder) {
  const std::string native = ToUtf8(folder);
  if (mkdir(native.c_str(), 0700) != 0 && errno != EEXIST) Fail("Cannot create the spool folder", folder, errno);
  struct stat entry {};
  if (lstat(native.c_str(), &entry) != 0) Fail("Cannot reach the spool folder", folder, errno);
  if (!S_ISDIR(entry.st_mode) || entry.st_uid != geteuid()) {
    Fail<EPrintRefused>("The spool folder", folder + u" is not a folder of your own; it is not used");
  }
  if ((entry.st_mode & 077) != 0 && chmod(native.c_str(), 0700) != 0) {
    Fail("Cannot make the spool folder private:", folder, errno);
  }
}

}  // namespace

std::u16string PrepareSpoolFolder(std::u16string_view programFolder) {
  const std::u16string settings = std::u16string(programFolder) + u"res/global.ini";
  const std::u16string nameSpace = GetPrivateProfileString(u"settings", u"namespace", u"", settings);
  if (nameSpace.empty()) {
    Fail<EPrintSetupError>("Cannot read the namespace (section \"settings\", key \"namespace\") from", settings);
  }
  CheckNamespace(nameSpace, settings);

  const std::u16string common = GetCommonAppDataFolder();
  if (common.empty()) throw EPrintSetupError("Cannot find the folder for all users' data");
  const std::u16string root = common + u"/quillbrook";
  if (!FolderExists(root)) {
    Fail<EPrintSetupError>("The spool root", root + u" does not exist; the system-wide installation creates it "
                                                    u"(as root: scripts/install-system, or the quillbrook package)");
  }
  CreateSharedLevels(root, nameSpace);
  const std::u16string folder = root + u"/" + nameSpace + u"/" + GetCurrentUserName();
  PreparePrivateFolder(folder);
  return folder + u"/";
}

}  // namespace qb
