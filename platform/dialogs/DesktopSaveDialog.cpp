#include "platform/dialogs/DesktopSaveDialog.h"

#include <filesystem>
#include <functional>

#include "platform/dialogs/DialogFilter.h"
#include "platform/dialogs/ModalProgram.h"
#include "platform/process/ExecutableSearch.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

std::string Joined(const std::vector<std::string>& items, const char* separator) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
  return text;
}

bool HasExtension(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"/\\");
  const std::size_t dot = path.rfind(u'.');
  return dot != std::u16string::npos && (slash == std::u16string::npos || dot > slash);
}

enum class Program { kZenity, kKdialog };

struct DialogProgram {
  Program kind;
  std::string path;
};

std::optional<DialogProgram> FindDialogProgram() {
  if (auto zenity = FindExecutable(u"zenity")) return DialogProgram{Program::kZenity, ToUtf8(*zenity)};
  if (auto kdialog = FindExecutable(u"kdialog")) return DialogProgram{Program::kKdialog, ToUtf8(*kdialog)};
  return std::nullopt;
}

// Without a session bus zenity's settings layer complains on stderr; an
// in-memory one keeps it quiet and changes nothing the dialog needs.
std::optional<ProgramOutcome> RunDialog(const DialogProgram& program, const std::vector<std::string>& arguments) {
  return RunModalProgram(program.path, arguments, {"GSETTINGS_BACKEND=memory"});
}

// What one dialog gave: a path, no path (cancelled), or nothing at all
// because that dialog is not there to ask.
struct Choice {
  enum Kind { kChosen, kNone, kUnavailable } kind = kNone;
  std::u16string path;

  std::optional<std::u16string> Path() const {
    return kind == kChosen ? std::optional<std::u16string>(path) : std::nullopt;
  }
};

Choice AskForPath(const DialogProgram& program, const SaveDialogRequest& request) {
  const auto outcome = RunDialog(program, program.kind == Program::kZenity ? ZenityArguments(request)
                                                                            : KdialogArguments(request));
  if (!outcome || outcome->interrupted || outcome->exitCode != 0) return {};
  std::string path = outcome->output;
  if (!path.empty() && path.back() == '\n') path.pop_back();
  if (path.empty()) return {};
  return {Choice::kChosen, ToUtf16(path)};
}

bool ConfirmReplace(const DialogProgram& program, const std::u16string& title, const std::u16string& path) {
  const std::string text = "Die Datei \"" + ToUtf8(path) + "\" ist bereits vorhanden. Möchten Sie sie ersetzen?";
  std::vector<std::string> arguments;
  if (program.kind == Program::kZenity) {
    arguments = {"--question", "--no-markup", "--title=" + ToUtf8(title), "--text=" + text};
  } else {
    arguments = {"--title", ToUtf8(title), "--warningyesno", text};
  }
  const auto outcome = RunDialog(program, arguments);
  return outcome && !outcome->interrupted && outcome->exitCode == 0;
}

// Asks with `ask` until the choice is final: a name without extension gets
// the default one, and when that makes it the name of an existing file,
// `confirmReplace` decides; a "no" asks again on the full name.
Choice AskUntilFinal(const SaveDialogRequest& request, const std::function<Choice(const SaveDialogRequest&)>& ask,
                     const std::function<bool(const std::u16string&)>& confirmReplace) {
  SaveDialogRequest asked = request;
  for (;;) {
    Choice choice = ask(asked);
    if (choice.kind != Choice::kChosen || request.defaultExtension.empty() || HasExtension(choice.path)) return choice;
    choice.path += u"." + request.defaultExtension;
    std::error_code error;
    if (!request.overwritePrompt || !std::filesystem::exists(ToUtf8(choice.path), error) ||
        confirmReplace(choice.path)) {
      return choice;
    }
    asked.fileName = choice.path;
  }
}

}  // namespace

std::vector<std::string> ZenityArguments(const SaveDialogRequest& request) {
  std::vector<std::string> arguments{"--file-selection", "--save"};
  if (request.overwritePrompt) arguments.push_back("--confirm-overwrite");
  if (!request.title.empty()) arguments.push_back("--title=" + ToUtf8(request.title));
  const std::u16string start = DefaultSaveChoice(request);
  if (!start.empty()) arguments.push_back("--filename=" + ToUtf8(start));
  for (const DialogFilter& entry : ParseDialogFilter(request.filter)) {
    arguments.push_back("--file-filter=" + entry.description + " | " + Joined(entry.patterns, " "));
  }
  return arguments;
}

std::vector<std::string> KdialogArguments(const SaveDialogRequest& request) {
  std::vector<std::string> arguments;
  if (!request.title.empty()) arguments.insert(arguments.end(), {"--title", ToUtf8(request.title)});
  const std::u16string start = DefaultSaveChoice(request);
  arguments.insert(arguments.end(), {"--getsavefilename", start.empty() ? "." : ToUtf8(start)});
  std::vector<std::string> filters;
  for (const DialogFilter& entry : ParseDialogFilter(request.filter)) {
    filters.push_back(entry.description + " (" + Joined(entry.patterns, " ") + ")");
  }
  if (!filters.empty()) arguments.push_back(Joined(filters, "\n"));
  return arguments;
}

std::optional<std::u16string> DesktopSaveDialog::Run(const SaveDialogRequest& request) {
  const Choice fromPortal = AskUntilFinal(request, [this](const SaveDialogRequest& asked) {
    const PortalOutcome outcome = portal_.Ask(asked);
    switch (outcome.answer) {
      case PortalOutcome::Answer::kAccepted: return Choice{Choice::kChosen, outcome.path};
      case PortalOutcome::Answer::kUnavailable: return Choice{Choice::kUnavailable, {}};
      default: return Choice{Choice::kNone, {}};
    }
  }, [](const std::u16string&) { return false; });
  if (fromPortal.kind != Choice::kUnavailable) return fromPortal.Path();

  const auto program = FindDialogProgram();
  if (!program) throw ESaveDialogUnavailable(ToUtf8(kNoDialogProgramText));
  return AskUntilFinal(request, [&](const SaveDialogRequest& asked) { return AskForPath(*program, asked); },
                       [&](const std::u16string& path) { return ConfirmReplace(*program, request.title, path); })
      .Path();
}

}  // namespace qb
