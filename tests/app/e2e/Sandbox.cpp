#include "tests/app/e2e/Sandbox.h"

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

Sandbox::Sandbox(const SandboxOptions& options)
    : program_(temp_.Path() / options.programFolder), workArea_(options.workArea) {
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

RunResult Sandbox::Run(const std::string& script) const {
  const fs::path scriptFile = Root() / "script.txt";
  const fs::path eventFile = Root() / "events.jsonl";
  WriteFile(scriptFile, script);

  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name.starts_with("QUILLBROOK_") || name == "APPDATA" || name == "PROGRAMDATA" || name == "HOME" ||
        name.starts_with("XDG_") || name == "DISPLAY") {
      continue;
    }
    environment.push_back(text);
  }
  environment.push_back("QUILLBROOK_BACKEND=headless");
  environment.push_back("QUILLBROOK_SCRIPT=" + scriptFile.string());
  environment.push_back("QUILLBROOK_EVENTS=" + eventFile.string());
  if (!workArea_.empty()) environment.push_back("QUILLBROOK_WORKAREA=" + workArea_);
  environment.push_back("APPDATA=" + AppData().string());
  environment.push_back("PROGRAMDATA=" + ProgramData().string());
  environment.push_back("HOME=" + (Root() / "home").string());
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  std::string program = (program_ / "quillbrook").string();
  char* argv[] = {program.data(), nullptr};
  RunResult result;
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
    ADD_FAILURE() << "cannot start " << program;
    return result;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      ADD_FAILURE() << "the program did not end within a minute";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.events = ReadEventFile(eventFile);
  return result;
}

}  // namespace qb::test
