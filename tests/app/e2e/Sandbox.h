// A fresh world for one run of the staged program: its own program folder
// (a copy of the staged one), its own APPDATA, PROGRAMDATA and HOME, and the
// program run as a child on the headless backend with a script and an
// event log.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/events/EventLog.h"
#include "tests/support/TempDir.h"

namespace qb::test {

struct SandboxOptions {
  // The text of res/global.ini; nothing: no such file.
  std::optional<std::string> globalIni = "[settings]\nnamespace=default\n";
  bool resFolder = true;
  bool interpreter = true;
  // Below the sandbox.
  std::string programFolder = "programm";
  // QUILLBROOK_WORKAREA, when set.
  std::string workArea;
  // QUILLBROOK_BACKEND.
  std::string backend = "headless";
  // NAME=value entries for the program's environment; each replaces what
  // the test's own environment has under that name.
  std::vector<std::string> environment;
};

struct RunResult {
  int exitCode = -1;
  std::vector<events::Event> events;

  std::vector<const events::Event*> All(std::string_view name) const;
  const events::Event* First(std::string_view name) const;
  const events::Event* Last(std::string_view name) const;
};

// The field's value; a test failure (and an empty or zero value) when the
// event lacks it or it has another type.
std::u16string Text(const events::Event* event, std::string_view field);
std::int64_t Number(const events::Event* event, std::string_view field);
bool Flag(const events::Event* event, std::string_view field);

class Sandbox {
 public:
  explicit Sandbox(const SandboxOptions& options);

  const std::filesystem::path& Root() const { return temp_.Path(); }
  const std::filesystem::path& ProgramFolder() const { return program_; }
  std::filesystem::path Res() const { return program_ / "res"; }
  std::filesystem::path AppData() const { return Root() / "appdata"; }
  std::filesystem::path ProgramData() const { return Root() / "programdata"; }
  std::filesystem::path Desktop() const { return Root() / "home" / "Desktop"; }
  std::filesystem::path Spool(const std::string& nameSpace = "default") const;
  std::filesystem::path SettingsFile(const std::string& nameSpace = "default") const;

  // Writes a job into the spool folder.
  std::filesystem::path AddJob(const std::string& name, const std::string& content,
                               const std::string& nameSpace = "default") const;

  // Runs the program with the script and waits (at most a minute) for its
  // end.
  RunResult Run(const std::string& script) const;

 private:
  TempDir temp_;
  std::filesystem::path program_;
  std::string workArea_;
  std::string backend_;
  std::vector<std::string> environment_;
};

// A small valid print job with one page.
extern const char kSampleJob[];

// `path` in quotation marks for a script line.
std::string Quoted(const std::filesystem::path& path);

}  // namespace qb::test
