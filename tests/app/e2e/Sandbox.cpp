#include "tests/app/e2e/Sandbox.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "app/SpoolSearch.h"
#include "platform/text/Utf.h"
#include "tests/support/EventFile.h"
#include "tests/support/FileText.h"

extern char** environ;

namespace qb::test {
namespace fs = std::filesystem;

const char kSampleJob[] =
    "%!PS-Adobe-3.0\n"
    "/Helvetica findfont 14 scalefont setfont\n"
    "72 760 moveto (Brief) show\n"
    "showpage\n";

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

namespace {

const events::Value* Field(const events::Event* event, std::string_view field) {
  if (event == nullptr) {
    ADD_FAILURE() << "no such event (wanted its " << field << ")";
    return nullptr;
  }
  const events::Value* value = event->Find(field);
  if (value == nullptr) ADD_FAILURE() << event->name << " has no " << field;
  return value;
}

template <typename T>
T Get(const events::Event* event, std::string_view field) {
  const events::Value* value = Field(event, field);
  if (value == nullptr) return T{};
  if (!std::holds_alternative<T>(*value)) {
    ADD_FAILURE() << event->name << "." << field << " has another type";
    return T{};
  }
  return std::get<T>(*value);
}

void WriteFile(const fs::path& file, const std::string& content) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

}  // namespace

std::u16string Text(const events::Event* event, std::string_view field) { return Get<std::u16string>(event, field); }
std::int64_t Number(const events::Event* event, std::string_view field) { return Get<std::int64_t>(event, field); }
bool Flag(const events::Event* event, std::string_view field) { return Get<bool>(event, field); }

std::vector<const events::Event*> RunResult::All(std::string_view name) const {
  std::vector<const events::Event*> found;
  for (const events::Event& event : events) {
    if (event.name == name) found.push_back(&event);
  }
  return found;
}

const events::Event* RunResult::First(std::string_view name) const {
  const auto found = All(name);
  return found.empty() ? nullptr : found.front();
}

const events::Event* RunResult::Last(std::string_view name) const {
  const auto found = All(name);
  return found.empty() ? nullptr : found.back();
}

Sandbox::Sandbox(const SandboxOptions& options) : program_(temp_.Path() / options.programFolder), options_(options) {
  const fs::path staged(QB_PROGRAM_FOLDER);
  fs::create_directories(program_);
  fs::copy_file(staged / "quillbrook", program_ / "quillbrook");
  if (options.resFolder) fs::create_directories(Res());
  if (options.globalIni) WriteFile(Res() / "global.ini", *options.globalIni);
  if (options.interpreter) {
    fs::create_directories(program_ / "gs/gs8.70/bin");
    fs::copy_file(staged / "gs/gs8.70/bin/gswin32c.exe", program_ / "gs/gs8.70/bin/gswin32c.exe");
  }
  fs::create_directories(AppData());
  fs::create_directories(ProgramData());
  fs::create_directories(Desktop());
}

fs::path Sandbox::Spool(const std::string& nameSpace) const {
  return ProgramData() / "quillbrook" / nameSpace / ToUtf8(GetCurrentUserName());
}

fs::path Sandbox::SettingsFile(const std::string& nameSpace) const {
  return AppData() / "quillbrook" / nameSpace / "quillbrook.ini";
}

fs::path Sandbox::AddJob(const std::string& name, const std::string& content, const std::string& nameSpace) const {
  const fs::path job = Spool(nameSpace) / name;
  WriteFile(job, content);
  return job;
}

fs::path Sandbox::WriteScript(const fs::path& file, const std::string& body) const {
  WriteFile(file, "#!/bin/sh\n" + body + "\n");
  fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  return file;
}

std::unique_ptr<RunningProgram> Sandbox::Start(const std::string& script) const {
  const fs::path scriptFile = Root() / "script.txt";
  const fs::path eventFile = Root() / "events.jsonl";
  const fs::path errorFile = Root() / "stderr.txt";
  WriteFile(scriptFile, script);
  fs::remove(eventFile);

  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name.starts_with("QUILLBROOK_") || name == "APPDATA" || name == "PROGRAMDATA" || name == "HOME" ||
        name.starts_with("XDG_") || (name == "DISPLAY" && !options_.keepDisplay)) {
      continue;
    }
    environment.push_back(text);
  }
  if (!options_.backend.empty()) environment.push_back("QUILLBROOK_BACKEND=" + options_.backend);
  environment.push_back("QUILLBROOK_SCRIPT=" + scriptFile.string());
  environment.push_back("QUILLBROOK_EVENTS=" + eventFile.string());
  if (!options_.workArea.empty()) environment.push_back("QUILLBROOK_WORKAREA=" + options_.workArea);
  environment.push_back("APPDATA=" + AppData().string());
  environment.push_back("PROGRAMDATA=" + ProgramData().string());
  environment.push_back("HOME=" + (Root() / "home").string());
  for (const std::string& entry : options_.environment) {
    const std::string name = entry.substr(0, entry.find('=') + 1);
    std::erase_if(environment, [&](const std::string& e) { return e.starts_with(name); });
    environment.push_back(entry);
  }
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::string program = (program_ / "quillbrook").string();
  char* argv[] = {program.data(), nullptr};
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    ADD_FAILURE() << "cannot start " << program;
    return nullptr;
  }
  return std::make_unique<RunningProgram>(pid, eventFile, errorFile);
}

RunResult Sandbox::Run(const std::string& script) const {
  const std::unique_ptr<RunningProgram> running = Start(script);
  return running ? running->Finish() : RunResult{};
}

RunningProgram::~RunningProgram() {
  if (finished_) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool RunningProgram::WaitForEvent(std::string_view name) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  for (;;) {
    for (const events::Event& event : ReadEventFile(events_)) {
      if (event.name == name) return true;
    }
    // A look at the end that leaves it for Finish to collect.
    siginfo_t ended{};
    waitid(P_PID, id_t(pid_), &ended, WEXITED | WNOHANG | WNOWAIT);
    if (std::chrono::steady_clock::now() > deadline || ended.si_pid != 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ADD_FAILURE() << "the program did not log " << name;
  return false;
}

void RunningProgram::Signal(int signal) { kill(pid_, signal); }

RunResult RunningProgram::Finish() {
  RunResult result;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      ADD_FAILURE() << "the program did not end within a minute";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  finished_ = true;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.events = ReadEventFile(events_);
  result.errors = Content(errors_);
  return result;
}

}  // namespace qb::test
