// The help window: scrolling, the colour pulse across showings, hover, the file check and links.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/application.h"
#include "support/fake_platform.h"
#include "ui/product_info.h"

namespace tamrill {
namespace {

using test::FakePlatform;
using ui::Colour;
using ui::Event;

constexpr Colour kRed = Colour::rgb(0xFF0000);
constexpr Colour kDarkRed = Colour::rgb(0xC00000);

class HelpWindowTest : public ::testing::Test {
 protected:
  void tick() { help.deliver(&help.timer1, Event::Timer); }
  void dragTo(int value) { help.scroll(help.vScroll1, ui::ScrollAction::Track, value); }
  void pressNapoveda() { app.form1.deliver(&app.form1.command7, Event::Click); }
  // Shown, closed with its close box and shown again by "Nápověda".
  void reopen() {
    pressNapoveda();
    fake.closeWindow(help);
    pressNapoveda();
  }
  void addTools(const Text& folder) {
    fake.addFile(folder + u"\\asm51.exe");
    fake.addFile(folder + u"\\mod51");
    fake.addFile(folder + u"\\mod52");
  }
  void check() { help.deliver(&help.label19, Event::Click); }

  FakePlatform fake;
  Application app{fake, fake};
  Form3& help = app.form3;
};

Text warningFor(const char16_t* file) {
  return u"Nenalezen soubor " + Text(file) + u", potíže odstraníte opětovnou instalací aplikace";
}

TEST_F(HelpWindowTest, ScrollingMovesThePageBetweenBothEnds) {
  EXPECT_EQ(help.frame1.top(), 0);
  EXPECT_EQ(help.vScroll1.value(), 120);

  dragTo(6800);
  EXPECT_EQ(help.frame1.top(), -6680);
  // Dragging back: every Scroll event moves the page, not only the last one.
  dragTo(3460);
  EXPECT_EQ(help.frame1.top(), -3340);
  dragTo(120);
  EXPECT_EQ(help.frame1.top(), 0);

  // Arrows (and the arrow keys) step by 100; a click beside the thumb (and Page Up / Page Down)
  // by the window's height less an arrow step; Home and End go to the ends; all of them take
  // the way of a change.
  using ui::ScrollAction;
  help.scroll(help.vScroll1, ScrollAction::LineDown);
  EXPECT_EQ(help.frame1.top(), -100);
  help.scroll(help.vScroll1, ScrollAction::PageDown);
  EXPECT_EQ(help.frame1.top(), -100 - (help.design().clientHeight - 100));
  help.scroll(help.vScroll1, ScrollAction::PageUp);
  help.scroll(help.vScroll1, ScrollAction::LineUp);
  help.scroll(help.vScroll1, ScrollAction::LineUp);
  EXPECT_EQ(help.vScroll1.value(), 120) << "an arrow stops at the end";
  EXPECT_EQ(help.frame1.top(), 0);
  help.scroll(help.vScroll1, ScrollAction::Bottom);
  EXPECT_EQ(help.frame1.top(), -6680);
  help.scroll(help.vScroll1, ScrollAction::Top);
  EXPECT_EQ(help.frame1.top(), 0);
  // A thumb let go beyond the bar's end stays at the end.
  help.scroll(help.vScroll1, ScrollAction::Release, 30000);
  EXPECT_EQ(help.frame1.top(), -6680);
}

TEST_F(HelpWindowTest, PagingKeysForTheWindowItselfMoveItsScrollBar) {
  using ui::ScrollAction;
  help.scrollKey(ScrollAction::PageDown);
  EXPECT_EQ(help.vScroll1.value(), 120 + help.vScroll1.design().largeChange);
  EXPECT_EQ(help.frame1.top(), 120 - help.vScroll1.value());
  help.scrollKey(ScrollAction::Bottom);
  EXPECT_EQ(help.frame1.top(), -6680);
  help.scrollKey(ScrollAction::Top);
  EXPECT_EQ(help.frame1.top(), 0);
}

TEST_F(HelpWindowTest, TheWheelScrollsByTheArrowStepPerNotchAddingUpPartTurns) {
  help.wheel(-120);  // one notch towards the user: further down the page
  EXPECT_EQ(help.frame1.top(), -100);
  help.wheel(-240);
  EXPECT_EQ(help.frame1.top(), -300);
  // A fine-grained wheel: parts of a notch move nothing until they make a whole one.
  help.wheel(-60);
  help.wheel(-40);
  EXPECT_EQ(help.frame1.top(), -300);
  help.wheel(-20);
  EXPECT_EQ(help.frame1.top(), -400);
  // Turning back starts afresh: the part turned the other way is not owed first.
  help.wheel(-60);
  help.wheel(120);
  EXPECT_EQ(help.frame1.top(), -300);
  help.wheel(12000);
  EXPECT_EQ(help.frame1.top(), 0);
  EXPECT_EQ(help.vScroll1.value(), 120);
}

TEST_F(HelpWindowTest, NothingScrollsWhileAnotherHandlerRuns) {
  fake.onMessage = [&](const FakePlatform::Message&) {
    help.scroll(help.vScroll1, ui::ScrollAction::LineDown);
    help.scroll(help.vScroll1, ui::ScrollAction::Release, 3000);
    help.wheel(-120);
    help.scrollKey(ui::ScrollAction::PageDown);
  };
  check();
  ASSERT_FALSE(fake.messages.empty());
  EXPECT_EQ(help.vScroll1.value(), 120) << "the bar moved without its page";
  EXPECT_EQ(help.frame1.top(), 0);
}

TEST_F(HelpWindowTest, ThePageCanBeScrolledFarEnoughToShowItsLastLink) {
  const int clientHeight = help.design().clientHeight;
  help.vScroll1.setValue(help.vScroll1.design().maximum);
  help.deliver(&help.vScroll1, Event::Change);
  const auto& last = help.label18.design();
  EXPECT_LE(help.frame1.top() + last.top + last.height, clientHeight);
  EXPECT_GE(help.frame1.top() + last.top, 0);
}

TEST_F(HelpWindowTest, PulseRunsThroughItsCycleAndContinuesAtTheNextShowing) {
  const std::vector<std::uint32_t> firstEight = {0x400000, 0x800000, 0xC00000, 0xFF0000,
                                                 0xC00000, 0x800000, 0x400000, 0x400000};
  EXPECT_EQ(help.label22.foreColor(), Colour::rgb(0x400000));
  for (std::size_t i = 0; i < firstEight.size(); ++i) {
    tick();
    EXPECT_EQ(help.label22.foreColor(), Colour::rgb(firstEight[i])) << "tick " << i + 1;
    EXPECT_EQ(help.label23.foreColor(), help.label22.foreColor()) << "tick " << i + 1;
  }
  EXPECT_EQ(help.pulseStep, 1);

  // Shown again while open, nothing starts over; closed and shown again, the controls start
  // from their design colours and position, and the cycle goes on.
  help.scroll(help.vScroll1, ui::ScrollAction::Bottom);
  pressNapoveda();
  pressNapoveda();
  EXPECT_EQ(help.frame1.top(), -6680);
  reopen();
  EXPECT_EQ(help.frame1.top(), 0);
  EXPECT_EQ(help.vScroll1.value(), 120);
  EXPECT_EQ(help.label22.foreColor(), Colour::rgb(0x400000));
  EXPECT_EQ(help.label23.foreColor(), Colour::rgb(0x400000));
  tick();
  EXPECT_EQ(help.pulseStep, 2);
  EXPECT_EQ(help.label22.foreColor(), Colour::rgb(0x800000));
  EXPECT_EQ(help.label23.foreColor(), Colour::rgb(0x800000));
}

TEST_F(HelpWindowTest, ATickDuringTheCheckBoxIsDropped) {
  std::uint8_t stepDuringBox = 99;
  fake.onMessage = [&](const FakePlatform::Message&) {
    tick();
    stepDuringBox = help.pulseStep;
  };
  check();
  EXPECT_EQ(stepDuringBox, 0);
  tick();
  EXPECT_EQ(help.pulseStep, 1);
}

TEST_F(HelpWindowTest, HoverColourChangesOnlyOverTheLinkAndTheBareSurfaces) {
  help.deliver(&help.label18, Event::MouseMove);
  EXPECT_EQ(help.label18.foreColor(), kDarkRed);
  // Leaving onto another control or the scroll bar does not reset it.
  for (ui::Control* other : {&help.label4, &help.label19, &help.label22, &help.vScroll1}) {
    help.deliver(other, Event::MouseMove);
    EXPECT_EQ(help.label18.foreColor(), kDarkRed) << other->name();
  }
  help.deliver(&help.frame1, Event::MouseMove);
  EXPECT_EQ(help.label18.foreColor(), kRed);

  help.deliver(&help.label18, Event::MouseMove);
  help.deliver(nullptr, Event::MouseMove);
  EXPECT_EQ(help.label18.foreColor(), kRed);

  // A new showing starts from the design colour whatever the mouse did last.
  help.deliver(&help.label18, Event::MouseMove);
  reopen();
  EXPECT_EQ(help.label18.foreColor(), kRed);
}

TEST_F(HelpWindowTest, AllFilesPresentGiveOneInformationBoxAndNoWebSite) {
  fake.programFolderValue = u"D:\\Školní nástroje\\Tamrill";
  addTools(fake.programFolderValue);
  check();

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, u"Nalezeny všechny soubory. Vše je OK");
  EXPECT_EQ(fake.messages[0].title, u"Informace");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(fake.webAddresses.empty());
  EXPECT_TRUE(help.foundAssembler);
  EXPECT_TRUE(help.foundMod51);
  EXPECT_TRUE(help.foundMod52);
}

TEST_F(HelpWindowTest, OnlyMod52MissingWarnsAboutItAndOpensTheSiteOnce) {
  fake.addFile(u"C:\\Tamrill\\asm51.exe");
  fake.addFile(u"C:\\Tamrill\\mod51");
  check();

  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].text, warningFor(u"MOD52"));
  EXPECT_EQ(fake.messages[0].title, u"Varování");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(fake.webAddresses, std::vector<Text>{product::kMakerAddress});
  EXPECT_TRUE(help.foundAssembler);
  EXPECT_FALSE(help.foundMod52);
}

TEST_F(HelpWindowTest, AllMissingWarnInOrderEachFollowedByOneOpening) {
  std::vector<std::size_t> openedBeforeBox;
  fake.onMessage = [&](const FakePlatform::Message&) {
    openedBeforeBox.push_back(fake.webAddresses.size());
    // Put back in place while the first box is up: the check has already looked for all three.
    addTools(u"C:\\Tamrill");
  };
  check();

  ASSERT_EQ(fake.messages.size(), 3U);
  EXPECT_EQ(fake.messages[0].text, warningFor(u"ASM51.EXE"));
  EXPECT_EQ(fake.messages[1].text, warningFor(u"MOD51"));
  EXPECT_EQ(fake.messages[2].text, warningFor(u"MOD52"));
  EXPECT_EQ(openedBeforeBox, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(fake.webAddresses.size(), 3U);

  // The next check looks again and rewrites the flags.
  fake.onMessage = nullptr;
  check();
  ASSERT_EQ(fake.messages.size(), 4U);
  EXPECT_EQ(fake.messages[3].title, u"Informace");
  EXPECT_TRUE(help.foundAssembler);
  EXPECT_TRUE(help.foundMod51);
}

TEST_F(HelpWindowTest, AFolderOrAHiddenFileDoesNotCountAsTheFile) {
  fake.addFile(u"C:\\Tamrill\\asm51.exe");
  fake.addFolder(u"C:\\Tamrill\\mod51");
  fake.addFile(u"C:\\Tamrill\\mod52", "", /*hidden=*/true);
  check();

  ASSERT_EQ(fake.messages.size(), 2U);
  EXPECT_EQ(fake.messages[0].text, warningFor(u"MOD51"));
  EXPECT_EQ(fake.messages[1].text, warningFor(u"MOD52"));
}

TEST_F(HelpWindowTest, BothLinksOpenTheMakersAddressTheyShow) {
  help.deliver(&help.label4, Event::Click);
  help.deliver(&help.label18, Event::Click);
  // The labels around them are no links.
  help.deliver(&help.label22, Event::Click);
  help.deliver(&help.frame1, Event::Click);
  ASSERT_EQ(fake.webAddresses.size(), 2U);
  EXPECT_EQ(fake.webAddresses[0], product::kMakerAddress);
  EXPECT_EQ(fake.webAddresses[1], product::kMakerAddress);
  EXPECT_TRUE(fake.messages.empty());

  // What the labels show is the address they open.
  const Text& host = help.label4.caption();
  EXPECT_NE(fake.webAddresses[0].find(host), Text::npos);
  Text unspaced;
  for (const char16_t c : help.label18.caption()) {
    if (c != u' ') unspaced += c;
  }
  EXPECT_EQ(toLower(unspaced), toLower(host));
  EXPECT_EQ(help.label18.caption().find(u"   "), Text::npos);  // two spaces, not three
}

TEST_F(HelpWindowTest, ALinkThatCannotBeOpenedIsReportedAndTheWindowGoesOn) {
  fake.failNext(FakePlatform::Call::Web, SysError::NotFound);
  help.deliver(&help.label18, Event::Click);
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  EXPECT_NE(fake.messages[0].text.find(product::kMakerAddress), Text::npos);
  EXPECT_FALSE(app.gate.busy());

  help.deliver(&help.label18, Event::Click);
  EXPECT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.webAddresses.size(), 1U);
}

TEST_F(HelpWindowTest, FailedOpeningsDuringTheCheckDoNotCutItShort) {
  fake.failNext(FakePlatform::Call::Web, SysError::Other, 3);
  check();
  ASSERT_EQ(fake.messages.size(), 6U);
  const char16_t* titles[] = {u"Varování", u"Chyba", u"Varování", u"Chyba", u"Varování", u"Chyba"};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(fake.messages[i].title, titles[i]) << i;
  EXPECT_EQ(fake.messages[4].text, warningFor(u"MOD52"));
}

TEST_F(HelpWindowTest, EveryControlButTheScrollBarAndTimerLiesWithinThePage) {
  const auto& page = help.frame1.design();
  for (const auto& c : help.controls()) {
    const auto& s = c->design();
    if (c.get() == &help.frame1 || c.get() == &help.vScroll1 || c.get() == &help.timer1) {
      EXPECT_EQ(c->container(), nullptr) << s.name;
      continue;
    }
    EXPECT_EQ(c->container(), &help.frame1) << s.name;
    // A line's width and height hold its far end.
    const int right = c->kind() == ui::ControlKind::Line ? s.width : s.left + s.width;
    const int bottom = c->kind() == ui::ControlKind::Line ? s.height : s.top + s.height;
    EXPECT_GE(s.left, 0) << s.name;
    EXPECT_LE(right, page.width) << s.name;
    EXPECT_LE(bottom, page.height) << s.name;
  }
  // The page and the bar fit side by side in the window.
  EXPECT_LE(page.left + page.width, help.vScroll1.design().left);
  EXPECT_LE(help.vScroll1.design().left + help.vScroll1.design().width, help.design().clientWidth);
}

}  // namespace
}  // namespace tamrill
