// Whole-program figures of the staged tool, measured side by side with their
// anchors in one run, written as a Markdown table on standard output.
//
//   perf_quillbrook_perf --program DIR --anchors DIR --work DIR [--reps N]
//
// DIR of --program is the staged program folder, --anchors the folder of
// the two anchor programs, --work an empty scratch folder. With DISPLAY set,
// the start-up and tick figures are also taken on that display (X11).
//
// Times are taken from outside, on the launcher's monotonic clock: from the
// moment before the tool is spawned to the moment its event log line
// appears (the log file is watched with inotify, so a line is seen within a
// fraction of a millisecond of its write). The tool's own "t" (whole
// milliseconds since its static start-up) is reported beside them.
//
// The user-interface thread's work per 50 ms tick is its on-CPU time from
// /proc/PID/task/PID/schedstat over a stretch of the conversion (an
// interpreter that sleeps before it converts), divided by the number of
// 50 ms periods in the stretch; it holds everything the thread did then:
// the timers of the slide-in and the gauge, the paints and the polling
// pump. Peak memory is the tool's VmHWM, read while it runs.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/GhostscriptCommand.h"
#include "app/SpoolSearch.h"
#include "platform/process/CommandLine.h"
#include "platform/process/ExecutableSearch.h"
#include "platform/text/Utf.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void WriteFile(const fs::path& file, const std::string& content) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

// ---- Statistics ---------------------------------------------------------

struct Figures {
  double median = 0;
  double min = 0;
  double max = 0;
  bool empty = true;
};

Figures Summarise(std::vector<double> values) {
  Figures figures;
  if (values.empty()) return figures;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  figures.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  figures.min = values.front();
  figures.max = values.back();
  figures.empty = false;
  return figures;
}

std::string Format(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// ---- Child processes ----------------------------------------------------

struct Launch {
  std::vector<std::string> argv;
  std::vector<std::string> environment;
  // Standard output into this descriptor; /dev/null otherwise.
  int outputFd = -1;
};

pid_t Spawn(const Launch& launch) {
  std::vector<char*> argv;
  for (const std::string& argument : launch.argv) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const std::string& entry : launch.environment) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (launch.outputFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, launch.outputFd, 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + launch.argv[0] + ": " + std::strerror(error));
  return pid;
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// The environment of this program without what would steer the tool, plus
// `extra`.
std::vector<std::string> Environment(const std::vector<std::string>& extra, bool keepDisplay) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name.starts_with("QUILLBROOK_") || name == "APPDATA" || name == "PROGRAMDATA" || name == "HOME" ||
        name.starts_with("XDG_") || (name == "DISPLAY" && !keepDisplay) || name == "PATH") {
      continue;
    }
    environment.push_back(text);
  }
  environment.insert(environment.end(), extra.begin(), extra.end());
  return environment;
}

// ---- Watching one run of the tool ---------------------------------------

struct LogLine {
  double ms = 0;  // since the spawn, on our clock
  std::string text;
};

struct CpuSample {
  double ms = 0;
  long long cpuNs = 0;
};

struct WatchedRun {
  std::vector<LogLine> lines;
  std::vector<CpuSample> cpu;
  long peakKb = 0;
};

bool IsEvent(const std::string& line, const std::string& name) {
  return line.find("\"ev\":\"" + name + "\"") != std::string::npos;
}

long long ProgramTime(const std::string& line) {
  const std::size_t at = line.find("\"t\":");
  return at == std::string::npos ? -1 : std::atoll(line.c_str() + at + 4);
}

std::optional<long long> ThreadCpuNs(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/schedstat");
  long long ns = 0;
  if (!(stat >> ns)) return std::nullopt;
  return ns;
}

std::optional<long> PeakResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::atol(line.c_str() + 6);
  }
  return std::nullopt;
}

// Called for each log line as it appears.
using LineAction = std::function<void(const std::string& line)>;

WatchedRun RunWatched(const Launch& launch, const fs::path& eventFile, bool sampleCpu, const LineAction& onLine) {
  WriteFile(eventFile, "");
  const int notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (notify < 0 || inotify_add_watch(notify, eventFile.c_str(), IN_MODIFY) < 0) {
    throw std::runtime_error("cannot watch " + eventFile.string());
  }
  const int log = open(eventFile.c_str(), O_RDONLY | O_CLOEXEC);
  if (log < 0) throw std::runtime_error("cannot read " + eventFile.string());

  WatchedRun run;
  std::string pending;
  const Clock::time_point start = Clock::now();
  const pid_t pid = Spawn(launch);
  const Clock::time_point deadline = start + std::chrono::seconds(60);
  Clock::time_point lastMemory{};
  auto readLines = [&] {
    char buffer[8192];
    for (ssize_t n; (n = read(log, buffer, sizeof buffer)) > 0;) pending.append(buffer, std::size_t(n));
    const double now = MillisecondsBetween(start, Clock::now());
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
      run.lines.push_back({now, pending.substr(0, end)});
      pending.erase(0, end + 1);
      if (onLine) onLine(run.lines.back().text);
    }
  };
  for (bool running = true; running;) {
    pollfd wait{notify, POLLIN, 0};
    poll(&wait, 1, sampleCpu ? 5 : 20);
    char drain[4096];
    while (read(notify, drain, sizeof drain) > 0) {
    }
    readLines();
    const Clock::time_point now = Clock::now();
    if (sampleCpu) {
      if (const auto ns = ThreadCpuNs(pid)) run.cpu.push_back({MillisecondsBetween(start, now), *ns});
    }
    if (now - lastMemory > std::chrono::milliseconds(20)) {
      if (const auto kb = PeakResidentKb(pid)) run.peakKb = std::max(run.peakKb, *kb);
      lastMemory = now;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      running = false;
    } else if (now > deadline) {
      kill(pid, SIGKILL);
      WaitFor(pid);
      throw std::runtime_error("the tool did not end within a minute");
    }
  }
  readLines();
  close(log);
  close(notify);
  return run;
}

const LogLine* FindLine(const WatchedRun& run, const std::function<bool(const std::string&)>& match) {
  for (const LogLine& line : run.lines) {
    if (match(line.text)) return &line;
  }
  return nullptr;
}

// ---- The sandbox the tool runs in ---------------------------------------

class Sandbox {
 public:
  Sandbox(const fs::path& root, const fs::path& staged) : root_(root), staged_(staged) {
    fs::remove_all(root_);
    fs::create_directories(Program() / "res");
    fs::create_directories(Program() / "gs/gs8.70/bin");
    fs::copy_file(staged / "quillbrook", Program() / "quillbrook");
    WriteFile(Program() / "res/global.ini", "[settings]\nnamespace=default\n");
    fs::create_directories(root_ / "appdata");
    fs::create_directories(Desktop());
    fs::create_directories(Spool());
    fs::create_directories(root_ / "bin");
    UseInterpreter("");
  }

  fs::path Program() const { return root_ / "programm"; }
  fs::path Desktop() const { return root_ / "home/Desktop"; }
  fs::path Spool() const {
    return root_ / "programdata/quillbrook/default" / qb::ToUtf8(qb::GetCurrentUserName());
  }
  fs::path Events() const { return root_ / "events.jsonl"; }
  fs::path StopSignal() const { return Program() / "res/stop"; }
  fs::path FontAnswers() const { return root_ / "home/.cache/quillbrook/font-answers"; }

  // The staged converter with the real Ghostscript behind it, or with a
  // script that sleeps `delay` first.
  void UseInterpreter(const std::string& delay) {
    const fs::path interpreter = Program() / "gs/gs8.70/bin/gswin32c.exe";
    fs::remove(interpreter);
    fs::copy_file(staged_ / "gs/gs8.70/bin/gswin32c.exe", interpreter);
    slowGhostscript_.clear();
    if (delay.empty()) return;
    const std::optional<std::u16string> gs = qb::FindExecutable(u"gs");
    if (!gs) throw std::runtime_error("no gs on the PATH");
    slowGhostscript_ = root_ / "slow-gs";
    WriteFile(slowGhostscript_, "#!/bin/sh\nsleep " + delay + "\nexec " + qb::ToUtf8(*gs) + " \"$@\"\n");
    fs::permissions(slowGhostscript_, fs::perms::owner_all);
  }

  // The desktop's save dialog program: cancels, or accepts `answer`.
  void UseDialogAnswer(const std::optional<fs::path>& answer) {
    const fs::path zenity = root_ / "bin/zenity";
    WriteFile(zenity, answer ? "#!/bin/sh\necho '" + answer->string() + "'\n" : "#!/bin/sh\nexit 1\n");
    fs::permissions(zenity, fs::perms::owner_all);
  }

  void AddJob(const std::string& content) {
    fs::remove(StopSignal());
    WriteFile(Spool() / "ABCDEFGHIJKLMNOBrief.ps", content);
  }

  Launch Tool(const std::string& script, bool x11) const {
    WriteFile(root_ / "script.txt", script);
    // Our bin folder first, for the stand-in of the desktop's save dialog.
    const char* path = std::getenv("PATH");
    std::vector<std::string> extra = {
        "APPDATA=" + (root_ / "appdata").string(), "PROGRAMDATA=" + (root_ / "programdata").string(),
        "HOME=" + (root_ / "home").string(), "QUILLBROOK_EVENTS=" + Events().string(),
        "PATH=" + (root_ / "bin").string() + ":" + (path != nullptr ? path : "/usr/bin:/bin")};
    if (!slowGhostscript_.empty()) extra.push_back("QUILLBROOK_GHOSTSCRIPT=" + slowGhostscript_.string());
    if (x11) {
      extra.push_back("QUILLBROOK_BACKEND=x11");
    } else {
      extra.push_back("QUILLBROOK_BACKEND=headless");
      extra.push_back("QUILLBROOK_SCRIPT=" + (root_ / "script.txt").string());
    }
    return Launch{{(Program() / "quillbrook").string()}, Environment(extra, x11)};
  }

 private:
  fs::path root_;
  fs::path staged_;
  fs::path slowGhostscript_;
};

bool IsSuccessCaption(const std::string& line) {
  return IsEvent(line, "caption") && line.find("PDF-Datei erzeugt") != std::string::npos;
}

// Once the caption tells of success, the shutdown signal ends the run
// instead of the 20-second countdown.
LineAction StopOnSuccess(const Sandbox& box) {
  return [stop = box.StopSignal()](const std::string& line) {
    if (IsSuccessCaption(line)) WriteFile(stop, "");
  };
}

// ---- Jobs ---------------------------------------------------------------

// A4 pages of running text, so that the interpreter has fonts and text to
// embed on every page.
std::string PostScriptJob(int pages) {
  std::ostringstream job;
  job << "%!PS-Adobe-3.0\n%%Title: Brief\n%%Pages: " << pages << "\n%%EndComments\n"
      << "/Body /Helvetica findfont 11 scalefont def\n/Head /Helvetica-Bold findfont 16 scalefont def\n";
  for (int page = 1; page <= pages; ++page) {
    job << "%%Page: " << page << " " << page << "\nHead setfont 72 770 moveto (Seite " << page << ") show\n"
        << "Body setfont\n0 1 39 { 740 exch 16 mul sub 72 exch moveto "
        << "(Sehr geehrte Damen und Herren, dies ist eine Zeile des Briefes.) show } for\nshowpage\n";
  }
  job << "%%EOF\n";
  return job.str();
}

// ---- Measurements -------------------------------------------------------

struct Row {
  std::string what;
  std::string goal;
  Figures figures;
  int decimals = 1;
  std::string unit = "ms";
  std::string note;
  // Whether the goal holds; nothing for anchors and figures without a goal.
  std::optional<bool> met;
  bool anchor = false;
};

Row Anchor(const std::string& what, const std::string& elsewhere, const Figures& figures, int decimals) {
  return Row{what, elsewhere, figures, decimals, "ms", "", std::nullopt, true};
}

Figures TimeProgram(const Launch& launch, int reps) {
  std::vector<double> times;
  for (int i = 0; i < reps; ++i) {
    const Clock::time_point start = Clock::now();
    WaitFor(Spawn(launch));
    times.push_back(MillisecondsBetween(start, Clock::now()));
  }
  return Summarise(times);
}

// exec → MapNotify, from the time the anchor prints.
Figures TimeXlibMap(const fs::path& program, int reps) {
  std::vector<double> times;
  for (int i = 0; i < reps; ++i) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("no pipe");
    Launch launch{{program.string()}, Environment({}, true), pipeFds[1]};
    const Clock::time_point start = Clock::now();
    const pid_t pid = Spawn(launch);
    close(pipeFds[1]);
    std::string output;
    char buffer[64];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, std::size_t(n));
    close(pipeFds[0]);
    const int status = WaitFor(pid);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
      throw std::runtime_error("the Xlib anchor failed");
    }
    const long long mapped = std::atoll(output.c_str());
    const long long started =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    times.push_back(double(mapped - started) / 1e6);
  }
  return Summarise(times);
}

struct StartUp {
  Figures parked, activated, parkedInProgram, activatedInProgram;
};

// A user's every start but the first after a change of fonts finds the
// font answers of the run before; `firstStart` takes them away each time.
StartUp TimeStartUp(Sandbox& box, bool x11, int reps, bool firstStart) {
  std::vector<double> parked, activated, parkedT, activatedT;
  box.UseDialogAnswer(std::nullopt);
  if (!firstStart) {
    box.AddJob(PostScriptJob(1));
    RunWatched(box.Tool("save cancel\n", x11), box.Events(), false, {});
  }
  for (int i = 0; i < reps; ++i) {
    if (firstStart) fs::remove(box.FontAnswers());
    box.AddJob(PostScriptJob(1));
    const WatchedRun run = RunWatched(box.Tool("save cancel\n", x11), box.Events(), false, {});
    const LogLine* shown = FindLine(run, [](const std::string& line) {
      return IsEvent(line, "window") && line.find("\"visible\":true") != std::string::npos;
    });
    const LogLine* dialog = FindLine(run, [](const std::string& line) { return IsEvent(line, "save-dialog"); });
    if (shown == nullptr || dialog == nullptr) throw std::runtime_error("a start-up run showed no window or dialog");
    parked.push_back(shown->ms);
    activated.push_back(dialog->ms);
    parkedT.push_back(double(ProgramTime(shown->text)));
    activatedT.push_back(double(ProgramTime(dialog->text)));
  }
  return {Summarise(parked), Summarise(activated), Summarise(parkedT), Summarise(activatedT)};
}

struct Conversion {
  Figures bareGs, converter, acceptToCaption, acceptToCaptionInProgram;
  long peakKb = 0;
};

Conversion TimeConversion(Sandbox& box, const fs::path& work, int pages, int reps) {
  Conversion result;
  const std::string content = PostScriptJob(pages);
  const fs::path job = work / ("job" + std::to_string(pages) + ".ps");
  const fs::path pdf = work / ("bare" + std::to_string(pages) + ".pdf");
  WriteFile(job, content);

  // Bare Ghostscript with the tool's own command line on the same job, and
  // our converter, which runs Ghostscript for the tool, with the same line.
  const std::u16string commandLine =
      qb::GhostscriptCommandLine(qb::ToUtf16(box.Program().string() + "/"), qb::ToUtf16(pdf.string()),
                                 qb::ToUtf16(job.string()));
  const std::optional<qb::CommandLine> parsed = qb::ParseCommandLine(commandLine, qb::FindExecutable);
  const std::optional<std::u16string> systemGs = qb::FindExecutable(u"gs");
  if (!parsed || !systemGs) throw std::runtime_error("the interpreter's command line does not parse");
  Launch gs{{qb::ToUtf8(*systemGs)}, Environment({}, false)};
  Launch converter{{qb::ToUtf8(parsed->executable)}, Environment({}, false)};
  for (const std::u16string& argument : parsed->arguments) {
    gs.argv.push_back(qb::ToUtf8(argument));
    converter.argv.push_back(qb::ToUtf8(argument));
  }
  result.bareGs = TimeProgram(gs, reps);
  result.converter = TimeProgram(converter, reps);

  std::vector<double> outside, inProgram;
  for (int i = 0; i < reps; ++i) {
    box.AddJob(content);
    fs::remove(box.Desktop() / "Brief.pdf");
    const WatchedRun run = RunWatched(box.Tool("save accept\n", false), box.Events(), false,
                                      StopOnSuccess(box));
    const LogLine* accepted = FindLine(run, [](const std::string& line) { return IsEvent(line, "save-result"); });
    const LogLine* done = FindLine(run, IsSuccessCaption);
    if (accepted == nullptr || done == nullptr) throw std::runtime_error("a conversion run did not succeed");
    outside.push_back(done->ms - accepted->ms);
    inProgram.push_back(double(ProgramTime(done->text) - ProgramTime(accepted->text)));
    result.peakKb = std::max(result.peakKb, run.peakKb);
  }
  result.acceptToCaption = Summarise(outside);
  result.acceptToCaptionInProgram = Summarise(inProgram);
  return result;
}

// On-CPU time of the user-interface thread per 50 ms period between the
// two moments (milliseconds after `from`).
double WorkPerTick(const WatchedRun& run, double from, double to) {
  const CpuSample* first = nullptr;
  const CpuSample* last = nullptr;
  for (const CpuSample& sample : run.cpu) {
    if (first == nullptr && sample.ms >= from) first = &sample;
    if (sample.ms <= to) last = &sample;
  }
  if (first == nullptr || last == nullptr || last->ms <= first->ms) throw std::runtime_error("too few CPU samples");
  return double(last->cpuNs - first->cpuNs) / 1e6 / ((last->ms - first->ms) / 50.0);
}

struct Ticks {
  Figures slideIn, gaugeLoop;
  long peakKb = 0;
};

Ticks TimeTicks(Sandbox& box, bool x11, int reps) {
  std::vector<double> slideIn, gaugeLoop;
  Ticks ticks;
  box.UseInterpreter("3");
  box.UseDialogAnswer(box.Desktop() / "Brief.pdf");
  for (int i = 0; i < reps; ++i) {
    box.AddJob(PostScriptJob(1));
    const WatchedRun run = RunWatched(box.Tool("save accept\n", x11), box.Events(), true,
                                      StopOnSuccess(box));
    const LogLine* started = FindLine(run, [](const std::string& line) { return IsEvent(line, "process-start"); });
    if (started == nullptr) throw std::runtime_error("a tick run started no interpreter");
    // The slide-in takes about 9 ticks; the interpreter sleeps 3 s.
    slideIn.push_back(WorkPerTick(run, started->ms, started->ms + 500));
    gaugeLoop.push_back(WorkPerTick(run, started->ms + 1000, started->ms + 2800));
    ticks.peakKb = std::max(ticks.peakKb, run.peakKb);
  }
  box.UseInterpreter("");
  ticks.slideIn = Summarise(slideIn);
  ticks.gaugeLoop = Summarise(gaugeLoop);
  return ticks;
}

// ---- The table ----------------------------------------------------------

void PrintTable(const std::vector<Row>& rows) {
  std::printf("| measure | goal | median | min – max | verdict | note |\n|---|---|---|---|---|---|\n");
  for (const Row& row : rows) {
    const std::string unit = " " + row.unit;
    const char* verdict = row.met ? (*row.met ? "met" : "**missed**") : row.anchor ? "anchor" : "for information";
    std::printf("| %s | %s | %s | %s – %s | %s | %s |\n", row.what.c_str(), row.goal.c_str(),
                (Format(row.figures.median, row.decimals) + unit).c_str(), Format(row.figures.min, row.decimals).c_str(),
                Format(row.figures.max, row.decimals).c_str(), verdict, row.note.c_str());
  }
}

std::map<std::string, std::string> ParseArguments(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  for (const char* required : {"--program", "--anchors", "--work"}) {
    if (!options.count(required)) throw std::invalid_argument(std::string("missing ") + required);
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const auto options = ParseArguments(argc, argv);
    const fs::path staged = options.at("--program");
    const fs::path anchors = options.at("--anchors");
    const fs::path work = options.at("--work");
    const int reps = options.count("--reps") ? std::atoi(options.at("--reps").c_str()) : 9;
    const bool display = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != '\0';
    Sandbox box(work / "sandbox", staged);
    std::vector<Row> rows;

    const Figures trivial =
        TimeProgram(Launch{{(anchors / "perf_trivial_process").string()}, Environment({}, false)}, reps * 3);
    rows.push_back(Anchor("trivial C++ process, spawn → exit", "1.0–1.4 ms elsewhere", trivial, 2));
    for (const bool x11 : {false, true}) {
      if (x11 && !display) continue;
      const std::string where = x11 ? "Xvfb" : "headless";
      Figures peer = trivial;
      std::string peerName = "the trivial process";
      if (x11) {
        peer = TimeXlibMap(anchors / "perf_xlib_map_window", reps * 3);
        peerName = "the Xlib window";
        rows.push_back(Anchor("minimal Xlib window, spawn → MapNotify (Xvfb)", "1.7 ms elsewhere", peer, 2));
      }
      auto ratio = [&](const Figures& figures) {
        return Format(figures.median / peer.median, 1) + " × " + peerName;
      };
      const StartUp startUp = TimeStartUp(box, x11, reps, false);
      rows.push_back({"start-up → parked window (" + where + ")", "≤ 15 ms", startUp.parked, 1, "ms",
                      ratio(startUp.parked) + "; in-program t " + Format(startUp.parkedInProgram.median, 0) + " ms",
                      startUp.parked.median <= 15});
      rows.push_back({"start-up → activation, save dialog asked (" + where + ")", "≤ 15 ms", startUp.activated, 1,
                      "ms",
                      ratio(startUp.activated) + "; in-program t " + Format(startUp.activatedInProgram.median, 0) +
                          " ms",
                      startUp.activated.median <= 15});
      if (!x11) {
        const StartUp first = TimeStartUp(box, x11, reps, true);
        rows.push_back({"first start after a change of fonts → parked window (headless)", "once per change",
                        first.parked, 1, "ms",
                        "fontconfig's configuration is loaded; in-program t " +
                            Format(first.parkedInProgram.median, 0) + " ms",
                        std::nullopt});
      }
    }

    long headlessPeakKb = 0;
    for (const int pages : {1, 20}) {
      const Conversion conversion = TimeConversion(box, work, pages, reps);
      const std::string job = std::to_string(pages) + (pages == 1 ? " page" : " pages");
      rows.push_back(Anchor("bare gs, tool's switches, " + job, "52 / 72 ms elsewhere", conversion.bareGs, 1));
      rows.push_back({"our converter, tool's switches, " + job, "for information", conversion.converter, 1, "ms",
                      "gs + " + Format(conversion.converter.median - conversion.bareGs.median, 1) +
                          " ms: descriptors, the flush and the rename",
                      std::nullopt});
      const double limit = conversion.bareGs.median + 55;
      rows.push_back({"accept → \"PDF-Datei erzeugt\", " + job + " (headless)",
                      "≤ gs + 55 = " + Format(limit, 0) + " ms", conversion.acceptToCaption, 1, "ms",
                      "gs + " + Format(conversion.acceptToCaption.median - conversion.bareGs.median, 0) +
                          " ms; in-program t " + Format(conversion.acceptToCaptionInProgram.median, 0) + " ms",
                      conversion.acceptToCaption.median <= limit});
      headlessPeakKb = std::max(headlessPeakKb, conversion.peakKb);
    }

    for (const bool x11 : {false, true}) {
      if (x11 && !display) continue;
      const std::string where = x11 ? "Xvfb" : "headless";
      const Ticks ticks = TimeTicks(box, x11, std::max(3, reps / 3));
      rows.push_back({"UI thread per 50 ms tick, slide-in + gauge (" + where + ")", "≤ 1 ms", ticks.slideIn, 3, "ms",
                      "first 500 ms of the conversion", ticks.slideIn.median <= 1});
      rows.push_back({"UI thread per 50 ms tick, gauge loop (" + where + ")", "≤ 1 ms", ticks.gaugeLoop, 3, "ms",
                      "1.0–2.8 s into the conversion", ticks.gaugeLoop.median <= 1});
      const double peakMb = double(std::max(x11 ? 0 : headlessPeakKb, ticks.peakKb)) / 1024;
      rows.push_back({"peak resident memory of the tool (" + where + ")", "≤ 40 MB", Figures{peakMb, peakMb, peakMb, false},
                      1, "MB", "VmHWM, largest over the conversion runs", peakMb <= 40});
    }
    PrintTable(rows);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quillbrook_perf: %s\n", error.what());
    return 1;
  }
}
