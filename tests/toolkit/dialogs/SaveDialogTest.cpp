#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/backend/headless/HeadlessBackend.h"
#include "tests/support/ApplicationLoop.h"
#include "tests/support/NoScriptedUser.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/dialogs/TSaveDialog.h"

namespace qb {
namespace {

TEST(SaveDialog, TheDefaultExtensionIsAddedOnlyToANameWithoutOne) {
  struct Case {
    std::u16string path;
    std::u16string extension;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"C:\\out\\Report", u"pdf", u"C:\\out\\Report.pdf"},
      {u"C:\\out\\Report.PDF", u"pdf", u"C:\\out\\Report.PDF"},
      {u"C:\\out\\Report.txt", u"pdf", u"C:\\out\\Report.txt"},
      {u"C:\\out.d\\Report", u"pdf", u"C:\\out.d\\Report.pdf"},
      {u"/home/u/out.d/Report", u"pdf", u"/home/u/out.d/Report.pdf"},
      {u"C:\\out\\Report", u"", u"C:\\out\\Report"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithDefaultExtension(c.path, c.extension), c.expected);
  }
}

class SaveDialogRun : public ::testing::Test {
 protected:
  // Runs the dialog; a timer answers it with `choice` once it is open and
  // notes the request it saw.
  bool Execute(std::optional<std::u16string> choice) {
    HeadlessBackend* backend = CurrentHeadlessBackend();
    EXPECT_NE(backend, nullptr);
    TTimer user(nullptr);
    user.SetInterval(10);
    user.SetOnTimer([&](TObject*) {
      if (const SaveDialogRequest* request = backend->OpenSaveDialog()) {
        seen = *request;
        user.SetEnabled(false);
        backend->AnswerSaveDialog(choice);
      }
    });
    return dialog.Execute();
  }

  TApplication application;
  test::NoScriptedUser noScriptedUser;
  TSaveDialog dialog{nullptr};
  SaveDialogRequest seen;
};

TEST_F(SaveDialogRun, AcceptingStoresTheChosenNameWithTheDefaultExtension) {
  dialog.Title = u"PDF-Datei speichern unter";
  dialog.InitialDir = u"C:\\Users\\u\\Documents";
  dialog.FileName = u"Report";
  dialog.Filter = u"PDF-Dateien (*.pdf)|*.pdf";
  dialog.DefaultExt = u"pdf";
  dialog.Options = TOpenOptions{ofOverwritePrompt, ofHideReadOnly};
  ASSERT_TRUE(Execute(u"C:\\Users\\u\\Documents\\Bericht"));
  EXPECT_EQ(dialog.FileName, u"C:\\Users\\u\\Documents\\Bericht.pdf");
  EXPECT_EQ(seen.title, dialog.Title);
  EXPECT_EQ(seen.initialFolder, dialog.InitialDir);
  EXPECT_EQ(seen.fileName, u"Report");
  EXPECT_EQ(seen.filter, dialog.Filter);
  EXPECT_EQ(seen.defaultExtension, u"pdf");
  EXPECT_TRUE(seen.overwritePrompt);
}

TEST_F(SaveDialogRun, CancellingLeavesTheFileNameAlone) {
  dialog.FileName = u"Report";
  EXPECT_FALSE(Execute(std::nullopt));
  EXPECT_EQ(dialog.FileName, u"Report");
}

}  // namespace
}  // namespace qb
