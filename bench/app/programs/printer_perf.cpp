// The printer's whole path measured as a user prints: `lp` to a private
// cupsd with the queue quillbrook-printer makes, the backend into the spool
// folder, the session agent starting the staged tool in a session of its
// own (a private Xvfb and bus, a stand-in for zenity that accepts at once),
// beside the same job through bare Ghostscript. Writes the rows of the
// README's table on standard output (without the table's head).
//
//   perf_printer_perf --program DIR --backend FILE --work DIR [--reps N]
//
// Times run on this program's monotonic clock from just before `lp` is
// started to the moment the tool's event log line appears: "save-dialog"
// (the dialog asked) and the caption "PDF-Datei erzeugt" (the interpreter
// ended with the PDF in place). As root the jobs are printed by a throwaway
// login account, made for the run and removed after it.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <thread>

#include "app/GhostscriptCommand.h"
#include "platform/process/CommandLine.h"
#include "platform/process/ExecutableSearch.h"
#include "platform/text/Utf.h"
#include "tests/app/print/support/ChildProgram.h"
#include "tests/app/print/support/PrintAccount.h"
#include "tests/app/print/support/PrivateCups.h"
#include "tests/app/print/support/TestSession.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using qb::test::ChildOptions;

constexpr char kJob[] =
    "%!PS-Adobe-3.0\n%%Title: Brief\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
    "/Helvetica findfont 11 scalefont setfont\n0 1 39 { 740 exch 16 mul sub 72 exch moveto "
    "(Sehr geehrte Damen und Herren, dies ist eine Zeile des Briefes.) show } for\nshowpage\n%%EOF\n";

struct Figures {
  double median = 0, min = 0, max = 0;
};

Figures Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return {n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2, values.front(), values.back()};
}

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Row(const std::string& what, const std::string& goal, const Figures& figures, const std::string& verdict,
         const std::string& note) {
  std::printf("| %s | %s | %.1f ms | %.1f – %.1f | %s | %s |\n", what.c_str(), goal.c_str(), figures.median,
              figures.min, figures.max, verdict.c_str(), note.c_str());
}

// The tool's event log, read on as it grows.
class EventTail {
 public:
  explicit EventTail(fs::path file) : file_(std::move(file)) {}
  // Waits (at most two minutes) for the next line that holds all of
  // `parts`; the moment it was seen, in milliseconds since `start`.
  double Next(const std::vector<std::string>& parts, Clock::time_point start) {
    const auto deadline = Clock::now() + std::chrono::minutes(2);
    for (;;) {
      std::ifstream in(file_, std::ios::binary);
      in.seekg(static_cast<std::streamoff>(offset_));
      for (std::string line; std::getline(in, line);) {
        if (in.eof()) break;  // a line still being written
        offset_ += line.size() + 1;
        if (std::all_of(parts.begin(), parts.end(),
                        [&](const auto& part) { return line.find(part) != std::string::npos; })) {
          return Since(start);
        }
      }
      if (Clock::now() > deadline) throw std::runtime_error("no event with " + parts.front() + " in " + file_.string());
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
  }

 private:
  fs::path file_;
  std::size_t offset_ = 0;
};

std::map<std::string, std::string> ParseArguments(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  for (const char* required : {"--program", "--backend", "--work"}) {
    if (!options.count(required)) throw std::invalid_argument(std::string("missing ") + required);
  }
  return options;
}

void Readable(const fs::path& path) {
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const auto options = ParseArguments(argc, argv);
    const fs::path staged = options.at("--program");
    const fs::path work = options.at("--work");
    const int reps = options.count("--reps") ? std::atoi(options.at("--reps").c_str()) : 9;
    if (const std::string missing = qb::test::CupsMissing(); !missing.empty()) throw std::runtime_error(missing);
    const qb::test::PrintAccount account;
    if (!account.Problem().empty()) throw std::runtime_error(account.Problem());

    fs::create_directories(work);
    Readable(work);
    fs::copy(staged, work / "program", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    fs::copy_file(options.at("--backend"), work / "program/cups-backend");
    Readable(work / "program/cups-backend");
    if (geteuid() == 0) fs::permissions(work / "program/cups-backend", fs::perms::owner_all);
    for (const fs::path& folder : {work / "data/quillbrook", work / "data/quillbrook/default"}) {
      fs::create_directories(folder);
      fs::permissions(folder, fs::perms::all | fs::perms::sticky_bit);
    }
    const fs::path job = work / "brief.ps";
    std::ofstream(job) << kJob;
    Readable(job);

    // Bare Ghostscript with the tool's own command line on the same job.
    const std::u16string commandLine =
        qb::GhostscriptCommandLine(qb::ToUtf16((work / "program").string() + "/"),
                                   qb::ToUtf16((work / "bare.pdf").string()), qb::ToUtf16(job.string()));
    const auto parsed = qb::ParseCommandLine(commandLine, qb::FindExecutable);
    if (!parsed) throw std::runtime_error("the interpreter's command line does not parse");
    std::vector<std::string> gs{qb::ToUtf8(parsed->executable)};
    for (const std::u16string& argument : parsed->arguments) gs.push_back(qb::ToUtf8(argument));
    std::vector<double> bare;
    for (int i = 0; i < reps; ++i) {
      const Clock::time_point start = Clock::now();
      qb::test::RunProgram(ChildOptions(gs));
      bare.push_back(Since(start));
    }

    const qb::test::PrivateCups cups(work / "cups", work / "program/cups-backend", work / "data");
    if (!cups.Problem().empty()) throw std::runtime_error(cups.Problem());
    const qb::test::Ran added = cups.Command({(staged / "quillbrook-printer").string(), "add"});
    if (added.status != 0) throw std::runtime_error("quillbrook-printer add: " + added.output);
    const qb::test::TestSession session(work / "session", account);
    if (!session.Problem().empty()) throw std::runtime_error(session.Problem());
    const fs::path events = session.Home() / "events.jsonl";
    ChildOptions agentOptions({(work / "program/quillbrook-agent").string()});
    agentOptions.environment =
        session.SessionEnvironment({"PROGRAMDATA=" + (work / "data").string(), "QUILLBROOK_EVENTS=" + events.string()});
    if (account.Other()) agentOptions.uid = account.Uid();
    agentOptions.output = work / "agent.txt";
    qb::test::ChildProgram agent(agentOptions);

    const std::optional<uid_t> printer = account.Other() ? std::optional(account.Uid()) : std::nullopt;
    EventTail tail(events);
    std::vector<double> asked, complete;
    // One uncounted run first: the first start of the tool in a new home
    // asks fontconfig, as a user's first start does once.
    for (int i = 0; i <= reps; ++i) {
      fs::remove(session.Desktop() / "Brief.pdf");
      const Clock::time_point start = Clock::now();
      const qb::test::Ran printed = cups.Command({"lp", "-d", "Quillbrook"}, printer, job);
      if (printed.status != 0) throw std::runtime_error("lp: " + printed.output);
      const double dialog = tail.Next({"\"save-dialog\""}, start);
      const double pdf = tail.Next({"\"caption\"", "PDF-Datei erzeugt"}, start);
      std::ofstream(work / "program/res" / ("closed-" + std::to_string(i)));
      tail.Next({"\"quit\""}, start);
      if (i == 0) continue;
      asked.push_back(dialog);
      complete.push_back(pdf);
    }
    agent.Signal(SIGTERM);
    agent.Wait(std::chrono::seconds(30));

    const Figures gsFigures = Summarise(bare);
    const Figures completeFigures = Summarise(complete);
    Row("bare gs, tool's switches, the printed letter", "", gsFigures, "anchor", "");
    Row("lp → save dialog asked (private cupsd, agent, Xvfb)", "", Summarise(asked), "for information",
        "CUPS's filter and backend, the agent's start of the tool");
    char note[128];
    std::snprintf(note, sizeof note, "gs + %.0f ms", completeFigures.median - gsFigures.median);
    Row("lp → PDF complete (private cupsd, agent, Xvfb)", "", completeFigures, "for information", note);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "printer_perf: %s\n", error.what());
    return 1;
  }
}
