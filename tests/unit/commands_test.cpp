// The main window's commands: opening through the dialog, the three Notepad views, ending the
// program and showing the other two windows.

#include <gtest/gtest.h>

#include <vector>

#include "app/application.h"
#include "main_window_snapshot.h"
#include "support/fake_platform.h"

namespace tamrill {
namespace {

using test::FakePlatform;
using test::MainWindowSnapshot;

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    fake.addFile(u"C:\\Tamrill\\asm51.exe");
    fake.addFile(u"C:\\Tamrill\\mod51");
    fake.addFile(u"C:\\Tamrill\\mod52");
    form.deliver(nullptr, ui::Event::Load);
  }

  void click(ui::Control& button) { form.deliver(&button, ui::Event::Click); }
  void choose(const Text& path, const Text& title) {
    fake.dialogAnswers.push_back(ChosenFile{path, title});
    click(form.command1);
  }
  // A source with its listing (no errors) and its HEX file, opened through the dialog.
  void openComplete() {
    fake.addFile(u"C:\\moje projekty\\blik.asm");
    fake.addFile(u"C:\\moje projekty\\blik.lst", "ASSEMBLY COMPLETE, NO ERRORS FOUND");
    fake.addFile(u"C:\\moje projekty\\blik.hex");
    choose(u"C:\\moje projekty\\blik.asm", u"blik.asm");
    fake.messages.clear();
    fake.filterRequests.clear();
  }

  FakePlatform fake;
  Application app{fake, fake};
  Form1& form = app.form1;
};

TEST_F(CommandsTest, OpenAsksForAnAsmFileAndLoadsIt) {
  fake.addFile(u"C:\\p\\blik.lst", "assembly complete, 3 errors found");
  choose(u"C:\\p\\blik.asm", u"blik.asm");
  EXPECT_EQ(fake.filterRequests, std::vector<Text>{u"ASM File|*.asm"});
  EXPECT_EQ(app.state.sourcePath, u"C:\\p\\blik.asm");
  EXPECT_EQ(app.state.sourceFileName, u"blik.asm");
  EXPECT_EQ(form.caption(), u"Tamrill - blik.asm");
  EXPECT_EQ(form.label1.caption(), u"3 chyb");
  EXPECT_EQ(fake.messages.size(), 1U);

  // The name is the dialog's file title, not cut out of the path.
  choose(u"C:\\p\\blik.asm", u"BLIK.ASM");
  EXPECT_EQ(app.state.sourceFileName, u"BLIK.ASM");
  EXPECT_EQ(form.caption(), u"Tamrill - BLIK.ASM");
}

TEST_F(CommandsTest, CancelChangesNothingAndSaysNothing) {
  click(form.command1);  // before any source
  EXPECT_EQ(form.caption(), u"Tamrill");
  EXPECT_TRUE(app.state.sourcePath.empty());

  openComplete();
  const MainWindowSnapshot before(app);
  click(form.command1);
  EXPECT_EQ(fake.filterRequests.size(), 1U);
  EXPECT_EQ(MainWindowSnapshot(app), before);
  EXPECT_EQ(app.state.sourcePath, u"C:\\moje projekty\\blik.asm");
  EXPECT_EQ(app.state.sourceFileName, u"blik.asm");
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CommandsTest, AFailedScanEndsTheOpenSilently) {
  openComplete();
  fake.addFile(u"C:\\q\\bad.lst", "assembly complete, 1e39 errors found");  // beyond a float
  fake.addFile(u"C:\\q\\bad.hex");
  form.command5.setEnabled(false);
  choose(u"C:\\q\\bad.asm", u"bad.asm");

  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(form.caption(), u"Tamrill - bad.asm");
  EXPECT_EQ(form.text1.caption(), u"C:\\q\\bad.asm");
  EXPECT_TRUE(form.command2.enabled());
  EXPECT_TRUE(form.command3.enabled());
  EXPECT_TRUE(form.command4.enabled());
  EXPECT_FALSE(form.command5.enabled()) << "the HEX update is skipped";
  EXPECT_EQ(form.label1.caption(), u"bez chyb :)");
  EXPECT_EQ(app.state.errorCount, 0);
  EXPECT_FALSE(fake.ended);
  click(form.command7);  // the window goes on taking events
  EXPECT_EQ(fake.shownForms.back(), &app.form3);
}

TEST_F(CommandsTest, ARefusedNameStillBecomesTheSourceThatZobrazitAsmShows) {
  openComplete();
  const MainWindowSnapshot before(app);
  fake.addFile(u"C:\\r\\abcdefghi.asm");
  choose(u"C:\\r\\abcdefghi.asm", u"abcdefghi.asm");
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Maximální dékla názvu bouboru je 8 znaků");
  EXPECT_EQ(MainWindowSnapshot(app), before);

  click(form.command2);
  ASSERT_EQ(fake.starts.size(), 1U);
  EXPECT_EQ(fake.starts[0].commandLine, u"notepad \"C:\\r\\abcdefghi.asm\"");
}

struct ViewCase {
  const char* name;
  ui::Control& (*button)(Form1&);
  const char16_t* file;
  const char16_t* missingText;
  std::array<bool, 5> enabledAfterMissing;  // Command1 to Command5
};

class ViewCommand : public CommandsTest, public ::testing::WithParamInterface<ViewCase> {};

// The system's own Notepad, by its full path: never a notepad.exe lying in some folder.
TEST_P(ViewCommand, ShowsTheFileInTheSystemsNotepadQuotedAndNotWaitedFor) {
  const ViewCase& c = GetParam();
  openComplete();
  const MainWindowSnapshot before(app);
  click(c.button(form));
  ASSERT_EQ(fake.starts.size(), 1U);
  EXPECT_EQ(fake.starts[0].commandLine, Text(u"notepad \"C:\\moje projekty\\") + c.file + u"\"");
  EXPECT_EQ(fake.starts[0].program, u"C:\\windows\\system32\\notepad.exe");
  EXPECT_TRUE(fake.starts[0].folder.empty());
  EXPECT_FALSE(fake.starts[0].waited);
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(MainWindowSnapshot(app), before);

  click(c.button(form));  // every click starts another Notepad
  EXPECT_EQ(fake.starts.size(), 2U);
}

TEST_P(ViewCommand, AMissingFileWarnsAndDisablesItsButtons) {
  const ViewCase& c = GetParam();
  openComplete();
  fake.removeFile(Text(u"C:\\moje projekty\\") + c.file);
  click(c.button(form));

  EXPECT_TRUE(fake.starts.empty());
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, c.missingText);
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(MainWindowSnapshot(app).enabled, c.enabledAfterMissing);
  EXPECT_EQ(form.label1.caption(), u"bez chyb :)");

  // Opening a source again enables them.
  fake.addFile(Text(u"C:\\moje projekty\\") + c.file);
  choose(u"C:\\moje projekty\\blik.asm", u"blik.asm");
  EXPECT_EQ(MainWindowSnapshot(app).enabled, (std::array<bool, 5>{true, true, true, true, true}));
}

TEST_P(ViewCommand, NotepadThatCannotStartIsReportedAndNothingIsDisabled) {
  const ViewCase& c = GetParam();
  openComplete();
  const MainWindowSnapshot before(app);
  fake.failNext(FakePlatform::Call::Start, SysError::NotFound);
  click(c.button(form));

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  EXPECT_NE(fake.messages[0].text.find(Text(u"notepad \"C:\\moje projekty\\") + c.file + u"\""),
            Text::npos);
  EXPECT_EQ(MainWindowSnapshot(app), before);
  EXPECT_FALSE(fake.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ViewCommand,
    ::testing::Values(ViewCase{"Source",
                               [](Form1& f) -> ui::Control& { return f.command2; },
                               u"blik.asm",
                               u"Nelze najít soubor \"blik.asm\"",
                               {true, false, false, true, true}},
                      ViewCase{"Listing",
                               [](Form1& f) -> ui::Control& { return f.command4; },
                               u"blik.lst",
                               u"Nelze najít soubor \"blik.lst\"",
                               {true, true, true, false, true}},
                      ViewCase{"Hex",
                               [](Form1& f) -> ui::Control& { return f.command5; },
                               u"blik.hex",
                               u"Nelze najít soubor \"blik.hex\"",
                               {true, true, true, true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandsTest, KonecEndsAtOnceAndTheOtherWindowsShowModeless) {
  click(form.command7);
  click(form.command7);
  click(form.command8);
  EXPECT_EQ(fake.shownForms,
            (std::vector<ui::Form*>{&app.form1, &app.form3, &app.form3, &app.form2}));
  EXPECT_TRUE(fake.messages.empty());

  // A window that cannot be made is told, and the program goes on.
  fake.failNext(FakePlatform::Call::ShowForm, SysError::Other);
  click(form.command8);
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Okno nelze otevřít.");
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  fake.messages.clear();

  EXPECT_FALSE(fake.ended);
  click(form.command6);
  EXPECT_TRUE(fake.ended);
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_TRUE(fake.deletions.empty());
}

}  // namespace
}  // namespace tamrill
