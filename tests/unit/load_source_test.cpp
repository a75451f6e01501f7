// Source loading: the name's length rule, the derived paths, the window, and the report of an
// existing listing.

#include <gtest/gtest.h>

#include "app/application.h"
#include "main_window_snapshot.h"
#include "support/fake_platform.h"
#include "ui/main/form1.h"

namespace tamrill {
namespace {

using test::FakePlatform;
using test::MainWindowSnapshot;

class LoadSourceTest : public ::testing::Test {
 protected:
  LoadSourceTest() { app.state.appAssemblerPath = u"C:\\Tamrill\\asm51.exe"; }

  bool load(const Text& path, const Text& name) {
    app.state.sourcePath = path;
    app.state.sourceFileName = name;
    return app.form1.loadSource();
  }

  FakePlatform fake;
  Application app{fake, fake};
  Form1& form = app.form1;
};

TEST_F(LoadSourceTest, AcceptedSourceDerivesItsPathsAndReportsItsListing) {
  fake.addFile(u"C:\\projekt\\blik.asm");
  fake.addFile(u"C:\\projekt\\blik.lst", "ASSEMBLY COMPLETE, 3 ERRORS FOUND\n");
  fake.addFile(u"C:\\projekt\\blik.hex");
  // While the prompt is up, steps 2 to 9.2 are done and the HEX button not yet updated.
  bool checkedDuringPrompt = false;
  fake.onMessage = [&](const FakePlatform::Message&) {
    EXPECT_EQ(form.caption(), u"Tamrill - blik.asm");
    EXPECT_EQ(form.text1.caption(), u"C:\\projekt\\blik.asm");
    EXPECT_EQ(form.label1.caption(), u"3 chyb");
    EXPECT_TRUE(form.command4.enabled());
    EXPECT_FALSE(form.command5.enabled());
    checkedDuringPrompt = true;
  };

  EXPECT_TRUE(load(u"C:\\projekt\\blik.asm", u"blik.asm"));

  EXPECT_TRUE(checkedDuringPrompt);
  EXPECT_EQ(app.state.hexPath, u"C:\\projekt\\blik.hex");
  EXPECT_EQ(app.state.listingPath, u"C:\\projekt\\blik.lst");
  EXPECT_EQ(app.state.sourceFolder, u"C:\\projekt\\");
  EXPECT_EQ(app.state.errorCount, 3);
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Nalezeno 3 chyb. Přejete si zobrazit výpis?");
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_FALSE(form.command1.enabled()) << "opening is start-up's business";
  EXPECT_TRUE(form.command2.enabled());
  EXPECT_TRUE(form.command3.enabled());
  EXPECT_TRUE(form.command4.enabled());
  EXPECT_TRUE(form.command5.enabled());
}

TEST_F(LoadSourceTest, NoErrorsReportsBezChybWithoutAPrompt) {
  fake.addFile(u"C:\\projekt\\blik.lst", "ASSEMBLY COMPLETE, NO ERRORS FOUND\n");
  EXPECT_TRUE(load(u"C:\\projekt\\blik.asm", u"blik.asm"));
  EXPECT_EQ(form.label1.caption(), u"bez chyb :)");
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_FALSE(form.command5.enabled());
}

TEST_F(LoadSourceTest, TheNameMayHaveTwelveCharactersNotThirteen) {
  EXPECT_TRUE(load(u"C:\\x\\abcdefgh.asm", u"abcdefgh.asm"));
  EXPECT_EQ(form.caption(), u"Tamrill - abcdefgh.asm");
  // Only the whole name counts: a 10-character base name with a 1-character extension passes.
  EXPECT_TRUE(load(u"C:\\x\\abcdefghij.a", u"abcdefghij.a"));
  EXPECT_EQ(form.caption(), u"Tamrill - abcdefghij.a");
  EXPECT_TRUE(fake.messages.empty());

  form.label1.setCaption(u"2 chyb");
  const MainWindowSnapshot before(app);
  EXPECT_TRUE(load(u"C:\\y\\abcdefghi.asm", u"abcdefghi.asm"));
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Maximální dékla názvu bouboru je 8 znaků");
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(MainWindowSnapshot(app), before);
  // The caller's values stay with the refused file.
  EXPECT_EQ(app.state.sourceFileName, u"abcdefghi.asm");
}

TEST_F(LoadSourceTest, NamesAreMeasuredInCharactersNotBytes) {
  // Twelve characters, more than twelve bytes in UTF-8.
  EXPECT_TRUE(load(u"C:\\x\\příšerný.asm", u"příšerný.asm"));
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(app.state.hexPath, u"C:\\x\\příšerný.hex");
}

TEST_F(LoadSourceTest, TheLastThreeCharactersAreReplacedWhateverTheyAre) {
  EXPECT_TRUE(load(u"C:\\x\\prog.a51", u"prog.a51"));
  EXPECT_EQ(app.state.hexPath, u"C:\\x\\prog.hex");
  EXPECT_EQ(app.state.listingPath, u"C:\\x\\prog.lst");
  EXPECT_TRUE(load(u"C:\\x\\prog.s", u"prog.s"));
  EXPECT_EQ(app.state.hexPath, u"C:\\x\\prohex");
  EXPECT_EQ(app.state.listingPath, u"C:\\x\\prolst");
  EXPECT_EQ(app.state.sourceFolder, u"C:\\x\\");
  // Shorter than three characters: nothing is left ahead of the new ending.
  EXPECT_TRUE(load(u"ab", u"ab"));
  EXPECT_EQ(app.state.hexPath, u"hex");
  EXPECT_EQ(app.state.sourceFolder, u"");
}

TEST_F(LoadSourceTest, AssembleIsEnabledOnlyWithTheToolsAndNeverDisabled) {
  app.state.appAssemblerPath.clear();
  EXPECT_TRUE(load(u"C:\\x\\a.asm", u"a.asm"));
  EXPECT_FALSE(form.command3.enabled());
  EXPECT_TRUE(form.command2.enabled());
  form.command3.setEnabled(true);
  EXPECT_TRUE(load(u"C:\\x\\a.asm", u"a.asm"));
  EXPECT_TRUE(form.command3.enabled());
}

TEST_F(LoadSourceTest, ASourceWithoutAListingKeepsTheLastReport) {
  fake.addFile(u"C:\\a\\first.lst", "assembly complete, 3 errors found");
  fake.addFile(u"C:\\a\\first.hex");
  EXPECT_TRUE(load(u"C:\\a\\first.asm", u"first.asm"));
  ASSERT_EQ(form.label1.caption(), u"3 chyb");
  const std::size_t messagesBefore = fake.messages.size();

  EXPECT_TRUE(load(u"C:\\b\\second.asm", u"second.asm"));
  EXPECT_EQ(form.label1.caption(), u"3 chyb");
  EXPECT_EQ(app.state.errorCount, 3);
  EXPECT_FALSE(form.command4.enabled());
  EXPECT_FALSE(form.command5.enabled());
  EXPECT_EQ(fake.messages.size(), messagesBefore) << "a missing listing is no failure";
}

TEST_F(LoadSourceTest, OpeningTheSameSourceAgainAsksAgain) {
  fake.addFile(u"C:\\a\\blik.lst", "assembly complete, 2 errors found");
  EXPECT_TRUE(load(u"C:\\a\\blik.asm", u"blik.asm"));
  EXPECT_TRUE(load(u"C:\\a\\blik.asm", u"blik.asm"));
  EXPECT_EQ(fake.messages.size(), 2U);
}

TEST_F(LoadSourceTest, AFailedScanStopsAfterItWithWhatWasDoneKept) {
  fake.addFile(u"C:\\a\\old.lst", "assembly complete, 2 errors found");
  EXPECT_TRUE(load(u"C:\\a\\old.asm", u"old.asm"));
  form.command5.setEnabled(true);
  fake.addFile(u"C:\\b\\bad.lst", "assembly complete, 1e39 errors found");  // beyond a float
  fake.messages.clear();

  EXPECT_FALSE(load(u"C:\\b\\bad.asm", u"bad.asm"));

  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(app.state.listingPath, u"C:\\b\\bad.lst");
  EXPECT_EQ(app.state.sourceFolder, u"C:\\b\\");
  EXPECT_EQ(form.caption(), u"Tamrill - bad.asm");
  EXPECT_EQ(form.text1.caption(), u"C:\\b\\bad.asm");
  EXPECT_TRUE(form.command4.enabled());
  EXPECT_EQ(app.state.errorCount, 2);
  EXPECT_EQ(form.label1.caption(), u"2 chyb");
  // The HEX step did not run: the button keeps its earlier state, whatever is on disk.
  EXPECT_TRUE(form.command5.enabled());
}

// A listing cut before its summary: the box says the count cannot be known, and loading goes on
// to the HEX button.
TEST_F(LoadSourceTest, AListingWithoutItsSummaryIsToldAndLoadingGoesOn) {
  fake.addFile(u"C:\\a\\old.lst", "assembly complete, 2 errors found");
  EXPECT_TRUE(load(u"C:\\a\\old.asm", u"old.asm"));
  fake.addFile(u"C:\\b\\cut.lst", "0000 NOP\r\nASSEMBLY COMPLETE, 1 ERR");
  fake.addFile(u"C:\\b\\cut.hex");
  fake.messages.clear();

  EXPECT_TRUE(load(u"C:\\b\\cut.asm", u"cut.asm"));
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].text,
            u"Výpis \"C:\\b\\cut.lst\" neobsahuje souhrn překladu. Počet chyb nelze zjistit.");
  EXPECT_EQ(form.label1.caption(), u"klikni zde...");
  EXPECT_EQ(app.state.errorCount, 2);
  EXPECT_TRUE(form.command4.enabled());
  EXPECT_TRUE(form.command5.enabled());
}

// What the user typed into the box is what the model holds; loading a source writes its path
// to the screen again even when the model holds that path already.
TEST_F(LoadSourceTest, TheBoxShowsTheLoadedPathWhateverWasTypedIntoIt) {
  struct Pushes final : ui::FormObserver {
    void formCaptionChanged(ui::Form&) override {}
    void controlChanged(ui::Control& control, ui::Property property) override {
      if (control.name() == "Text1" && property == ui::Property::Caption) ++count;
    }
    int count = 0;
  } pushes;
  form.setObserver(&pushes);
  fake.addFile(u"C:\\projekt\\blik.asm");
  ASSERT_TRUE(load(u"C:\\projekt\\blik.asm", u"blik.asm"));
  form.text1.takeCaptionFromUser(u"C:\\jinde\\x.asm");
  EXPECT_EQ(form.text1.caption(), u"C:\\jinde\\x.asm");
  EXPECT_EQ(pushes.count, 1) << "the typed text is not echoed back";

  ASSERT_TRUE(load(u"C:\\projekt\\blik.asm", u"blik.asm"));
  EXPECT_EQ(form.text1.caption(), u"C:\\projekt\\blik.asm");
  ASSERT_TRUE(load(u"C:\\projekt\\blik.asm", u"blik.asm"));
  EXPECT_EQ(pushes.count, 3);
  form.setObserver(nullptr);
}

}  // namespace
}  // namespace tamrill
