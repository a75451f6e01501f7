// Start-up: the tool check in the program's folder and the paths derived from it.

#include <gtest/gtest.h>

#include "app/application.h"
#include "support/fake_platform.h"

namespace tamrill {
namespace {

using test::FakePlatform;

class StartupTest : public ::testing::Test {
 protected:
  void addTools(bool assembler, bool mod51, bool mod52) {
    if (assembler) fake.addFile(u"C:\\Tamrill\\asm51.exe");
    if (mod51) fake.addFile(u"C:\\Tamrill\\mod51");
    if (mod52) fake.addFile(u"C:\\Tamrill\\mod52");
  }
  void load() { app.form1.deliver(nullptr, ui::Event::Load); }

  FakePlatform fake;
  Application app{fake, fake};
};

TEST_F(StartupTest, AllToolsPresentEnablesOpenAndDerivesPaths) {
  addTools(true, true, true);
  load();

  ASSERT_EQ(fake.shownForms.size(), 1U);
  EXPECT_EQ(fake.shownForms[0], &app.form1);
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_TRUE(app.form1.command1.enabled());
  for (const ui::Control* c :
       {&app.form1.command2, &app.form1.command3, &app.form1.command4, &app.form1.command5}) {
    EXPECT_FALSE(c->enabled()) << c->name();
  }
  EXPECT_TRUE(app.form1.command6.enabled());
  EXPECT_TRUE(app.form1.command7.enabled());
  EXPECT_TRUE(app.form1.command8.enabled());
  EXPECT_EQ(app.form1.label1.caption(), u"nenačteno...");

  EXPECT_EQ(app.state.appAssemblerPath, u"C:\\Tamrill\\asm51.exe");
  EXPECT_EQ(app.state.assemblerFileName, u"asm51.exe");
  EXPECT_EQ(app.state.appFolder, u"C:\\Tamrill\\");
  EXPECT_EQ(app.state.appMod51Path, u"C:\\Tamrill\\mod51");
  EXPECT_EQ(app.state.appMod52Path, u"C:\\Tamrill\\mod52");
}

TEST_F(StartupTest, ToolNamesMatchInAnyLetterCase) {
  fake.addFile(u"C:\\Tamrill\\ASM51.EXE");
  fake.addFile(u"C:\\Tamrill\\MOD51");
  fake.addFile(u"C:\\Tamrill\\Mod52");
  load();
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_TRUE(app.form1.command1.enabled());
}

struct MissingCase {
  bool assembler, mod51, mod52;
  const char16_t* text;
};

class StartupMissingTool : public StartupTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(StartupMissingTool, ShowsOneMessageForTheFirstMissingToolOnly) {
  const MissingCase& c = GetParam();
  addTools(c.assembler, c.mod51, c.mod52);
  fake.commandLineValue = u"\"C:\\work\\blink.hex\"";
  fake.addFile(u"C:\\work\\blink.asm");
  load();

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba 01");
  EXPECT_EQ(fake.messages[0].text, c.text);
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
  EXPECT_FALSE(app.form1.command1.enabled());
  // The tool variables stay empty and the command line is not looked at.
  EXPECT_TRUE(app.state.appAssemblerPath.empty());
  EXPECT_TRUE(app.state.appFolder.empty());
  EXPECT_TRUE(app.state.appMod51Path.empty());
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_TRUE(app.state.sourcePath.empty());
  EXPECT_TRUE(app.form1.command6.enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupMissingTool,
    ::testing::Values(
        MissingCase{false, true, true,
                    u"Nelze načíslt soubor \"asm51.exe\", problém odstraníte opětovnou instalací "
                    u"aplikace"},
        MissingCase{true, false, true,
                    u"Nelze načíslt soubor \"mod51\", problém odstraníte opětovnou instalací "
                    u"aplikace"},
        MissingCase{true, false, false,
                    u"Nelze načíslt soubor \"mod51\", problém odstraníte opětovnou instalací "
                    u"aplikace"},
        MissingCase{true, true, false,
                    u"Nelze načíslt soubor \"mod52\", problém odstraníte opětovnou instalací "
                    u"aplikace"},
        MissingCase{false, false, false,
                    u"Nelze načíslt soubor \"asm51.exe\", problém odstraníte opětovnou instalací "
                    u"aplikace"}));

TEST_F(StartupTest, HiddenToolsAndFoldersCountAsMissing) {
  fake.addFile(u"C:\\Tamrill\\asm51.exe", "", /*hidden=*/true);
  fake.addFolder(u"C:\\Tamrill\\mod51");
  fake.addFile(u"C:\\Tamrill\\mod52");
  load();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_NE(fake.messages[0].text.find(u"\"asm51.exe\""), Text::npos);
}

TEST_F(StartupTest, TheWindowIsShownBeforeTheMessage) {
  std::size_t formsShownAtMessage = 0;
  fake.onMessage = [&](const FakePlatform::Message&) {
    formsShownAtMessage = fake.shownForms.size();
  };
  load();
  EXPECT_EQ(formsShownAtMessage, 1U);
}

TEST_F(StartupTest, ATickDuringTheMessageIsDropped) {
  // A staged run's clean-up must not act from inside another handler's modal box.
  bool busyDuringMessage = false;
  fake.onMessage = [&](const FakePlatform::Message&) {
    busyDuringMessage = app.gate.busy();
    app.form1.deliver(&app.form1.command7, ui::Event::Click);
  };
  load();
  EXPECT_TRUE(busyDuringMessage);
  EXPECT_EQ(fake.shownForms.size(), 1U);  // the help window was not shown
  EXPECT_FALSE(app.gate.busy());
}

}  // namespace
}  // namespace tamrill
