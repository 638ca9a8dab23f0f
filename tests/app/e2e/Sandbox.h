// A fresh world for one run of the staged program: its own program folder
// (a copy of the staged one), its own APPDATA, PROGRAMDATA and HOME, and the
// program run as a child on the headless backend (or on the test's own X
// display) with a script and an event log.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <memory>
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
  // QUILLBROOK_BACKEND; empty: not set at all.
  std::string backend = "headless";
  // Passes the test's own DISPLAY on (it is removed otherwise).
  bool keepDisplay = false;
  // Further "NAME=value" entries, set last.
  std::vector<std::string> environment;
};

struct RunResult {
  // 128 + the signal for a program ended by one.
  int exitCode = -1;
  std::vector<events::Event> events;
  // What the program wrote to stderr.
  std::string errors;

  std::vector<const events::Event*> All(std::string_view name) const;
  const events::Event* First(std::string_view name) const;
  const events::Event* Last(std::string_view name) const;
};

// The field's value; a test failure (and an empty or zero value) when the
// event lacks it or it has another type.
std::u16string Text(const events::Event* event, std::string_view field);
std::int64_t Number(const events::Event* event, std::string_view field);
bool Flag(const events::Event* event, std::string_view field);

// A run of the program that is still going.
class RunningProgram {
 public:
  RunningProgram(pid_t pid, std::filesystem::path events, std::filesystem::path errors)
      : pid_(pid), events_(std::move(events)), errors_(std::move(errors)) {}
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  pid_t Id() const { return pid_; }
  // Waits (at most 30 s) until the program has logged the event; false
  // (and a test failure) when it has not.
  bool WaitForEvent(std::string_view name);
  void Signal(int signal);
  // Waits (at most a minute) for the program's end.
  RunResult Finish();

 private:
  pid_t pid_;
  std::filesystem::path events_;
  std::filesystem::path errors_;
  bool finished_ = false;
};

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
  // Starts the program with the script; nothing when it cannot start.
  std::unique_ptr<RunningProgram> Start(const std::string& script) const;

  // Adds a "NAME=value" entry to the environment of the runs to come.
  void SetEnvironment(const std::string& entry) { options_.environment.push_back(entry); }

  // Writes an executable shell script.
  std::filesystem::path WriteScript(const std::filesystem::path& file, const std::string& body) const;

 private:
  TempDir temp_;
  std::filesystem::path program_;
  SandboxOptions options_;
};

// A small valid print job with one page.
extern const char kSampleJob[];

// `path` in quotation marks for a script line.
std::string Quoted(const std::filesystem::path& path);

}  // namespace qb::test
