// The error report and the report label's click: captions, the prompt, Notepad on Yes.

#include <gtest/gtest.h>

#include "app/application.h"
#include "report/error_report.h"
#include "support/fake_platform.h"

namespace tamrill {
namespace {

using test::FakePlatform;

class ErrorReportTest : public ::testing::Test {
 protected:
  static constexpr char16_t kListing[] = u"C:\\moje projekty\\blik.lst";

  void sourceWithListing(const std::string& bytes) {
    app.state.sourceFileName = u"blik.asm";
    app.state.listingPath = kListing;
    fake.addFile(kListing, bytes);
  }
  void clickLabel() { app.form1.deliver(&app.form1.label1, ui::Event::Click); }
  const Text& label() const { return app.form1.label1.caption(); }

  FakePlatform fake;
  Application app{fake, fake};
};

TEST_F(ErrorReportTest, ErrorsSetTheCaptionAskAndShowTheListingOnYes) {
  sourceWithListing("ASSEMBLY COMPLETE, 2 ERRORS FOUND\r\n");
  clickLabel();

  EXPECT_EQ(label(), u"2 chyb");
  ASSERT_EQ(fake.messages.size(), 1U);
  const auto& prompt = fake.messages[0];
  EXPECT_EQ(prompt.text, u"Nalezeno 2 chyb. Přejete si zobrazit výpis?");
  EXPECT_EQ(prompt.title, u"Varování");
  EXPECT_EQ(prompt.icon, MessageIcon::Warning);
  EXPECT_EQ(prompt.buttons, MessageButtons::YesNo);
  EXPECT_TRUE(fake.starts.empty()) << "No leaves Notepad closed";

  // Yes shows the listing in Notepad, unquoted and not waited for.
  fake.yesNoAnswers = {MessageAnswer::Yes};
  clickLabel();
  ASSERT_EQ(fake.starts.size(), 1U);
  EXPECT_EQ(fake.starts[0].commandLine, u"notepad \"C:\\moje projekty\\blik.lst\"");
  EXPECT_TRUE(fake.starts[0].folder.empty());
  EXPECT_FALSE(fake.starts[0].waited);
  EXPECT_EQ(fake.messages.size(), 2U);
}

TEST_F(ErrorReportTest, YesAfterTheListingVanishedWarnsAndDisablesTheListingButton) {
  sourceWithListing("assembly complete, 3 errors found");
  app.form1.command4.setEnabled(true);
  app.form1.command5.setEnabled(true);
  fake.yesNoAnswers = {MessageAnswer::Yes};
  // Another program deletes the listing while the question is up.
  fake.onMessage = [this](const FakePlatform::Message& m) {
    if (m.buttons == MessageButtons::YesNo) fake.removeFile(kListing);
  };
  clickLabel();

  ASSERT_EQ(fake.messages.size(), 2U);
  EXPECT_EQ(fake.messages[1].text, u"Nelze najít soubor \"blik.lst\"");
  EXPECT_EQ(fake.messages[1].title, u"Varování");
  EXPECT_EQ(fake.messages[1].icon, MessageIcon::Warning);
  EXPECT_EQ(fake.messages[1].buttons, MessageButtons::Ok);
  EXPECT_FALSE(app.form1.command4.enabled());
  EXPECT_TRUE(app.form1.command5.enabled());
  EXPECT_TRUE(fake.starts.empty());
  EXPECT_EQ(label(), u"3 chyb");
}

TEST_F(ErrorReportTest, NotepadThatCannotStartIsReportedAndTheProgramGoesOn) {
  sourceWithListing("assembly complete, 3 errors found");
  app.form1.command4.setEnabled(true);
  fake.yesNoAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
  fake.failNext(FakePlatform::Call::Start, SysError::NotFound);
  clickLabel();

  ASSERT_EQ(fake.messages.size(), 2U);
  EXPECT_EQ(fake.messages[1].title, u"Chyba");
  EXPECT_EQ(fake.messages[1].icon, MessageIcon::Error);
  EXPECT_NE(fake.messages[1].text.find(u"notepad \"C:\\moje projekty\\blik.lst\""), Text::npos);
  EXPECT_FALSE(fake.ended);
  EXPECT_TRUE(app.form1.command4.enabled());

  clickLabel();  // and the next try works
  EXPECT_EQ(fake.starts.size(), 1U);
}

TEST_F(ErrorReportTest, ThePromptRepeatsOnEveryClick) {
  sourceWithListing("assembly complete, 1 errors found");
  clickLabel();
  clickLabel();
  clickLabel();
  EXPECT_EQ(fake.messages.size(), 3U);
  for (const auto& m : fake.messages)
    EXPECT_EQ(m.text, u"Nalezeno 1 chyb. Přejete si zobrazit výpis?");
}

// errorCount from the last scan, and the caption the full report leaves from "nenačteno...".
struct ReportCase {
  float errorCount;
  const char16_t* all;           // after the full report
  const char16_t* firstAndLast;  // after the label's click
};

class ReportCaption : public ErrorReportTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportCaption, DependsOnTheCountAndTheSteps) {
  const ReportCase& c = GetParam();
  const Text kept = u"nenačteno...";
  EXPECT_EQ(reportCaption(c.errorCount, ReportSteps::All).value_or(kept), c.all);
  EXPECT_EQ(reportCaption(c.errorCount, ReportSteps::FirstAndLast).value_or(kept), c.firstAndLast);
  // Below one error there is nothing to offer.
  app.state.errorCount = c.errorCount;
  EXPECT_FALSE(offerListing(fake, app.state));
  EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, ReportCaption,
                         ::testing::Values(ReportCase{0, u"bez chyb :)", u"bez chyb :)"},
                                           ReportCase{-0.0F, u"bez chyb :)", u"bez chyb :)"},
                                           ReportCase{0.5F, u"nenačteno...", u"nenačteno..."},
                                           ReportCase{0.99F, u"nenačteno...", u"nenačteno..."},
                                           ReportCase{-3, u"nenačteno...", u"nenačteno..."},
                                           ReportCase{-5, u"nenačteno...", u"nenačteno..."},
                                           ReportCase{-5.5F, u"klikni zde...", u"nenačteno..."},
                                           ReportCase{-10, u"klikni zde...", u"nenačteno..."}));

TEST_F(ErrorReportTest, ClickBeforeAnySourceSaysSouborNenactenAndKeepsTheCaption) {
  clickLabel();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Soubor nenačten");
  EXPECT_EQ(app.state.errorCount, -10);
  EXPECT_EQ(label(), u"nenačteno...");
}

TEST_F(ErrorReportTest, ClickAfterTheListingWasDeletedNamesItAndKeepsTheCaption) {
  sourceWithListing("assembly complete, 2 errors found");
  clickLabel();
  fake.removeFile(kListing);
  clickLabel();
  ASSERT_EQ(fake.messages.size(), 2U);
  EXPECT_EQ(fake.messages[1].text, u"Soubor C:\\moje projekty\\blik.lst neexistuje");
  EXPECT_EQ(label(), u"2 chyb");
}

// No count is made up from a listing without its summary: the box says so and the label asks
// for a new scan. A listing that cannot be read at all ends the click quietly.
TEST_F(ErrorReportTest, ListingWithoutItsSummaryIsToldAndAnUnreadableOneIsNot) {
  sourceWithListing("0000 ; 3 errors found by the old version\r\n");
  app.state.errorCount = 4;
  app.form1.label1.setCaption(u"4 chyb");
  clickLabel();
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text,
            u"Výpis \"C:\\moje projekty\\blik.lst\" neobsahuje souhrn překladu. Počet chyb "
            u"nelze zjistit.");
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(app.state.errorCount, 4);
  EXPECT_EQ(label(), u"klikni zde...");

  app.form1.label1.setCaption(u"4 chyb");
  fake.failNext(FakePlatform::Call::Read, SysError::InUse);
  clickLabel();
  EXPECT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(label(), u"4 chyb");
  EXPECT_FALSE(fake.ended);
  EXPECT_FALSE(app.gate.busy());  // the next event is taken
}

}  // namespace
}  // namespace tamrill
