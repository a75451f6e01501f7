// The about window: the acknowledgement's three looks, its links, and its picture beneath all.

#include <gtest/gtest.h>

#include <vector>

#include "app/application.h"
#include "support/fake_platform.h"
#include "ui/product_info.h"

namespace tamrill {
namespace {

using test::FakePlatform;
using ui::Event;

class AboutWindowTest : public ::testing::Test {
 protected:
  FakePlatform fake;
  Application app{fake, fake};
  Form2& about = app.form2;
};

TEST_F(AboutWindowTest, ClickGivesTheAcknowledgementABackingThatOnlyThePictureTakesAway) {
  EXPECT_TRUE(about.label5.visible());
  EXPECT_FALSE(about.label5.opaque());

  about.deliver(&about.label5, Event::Click);
  EXPECT_TRUE(about.label5.opaque());
  // Moving within the label, over the other labels or over the icon keeps the backing.
  for (const char* name : {"Label5", "Label1", "Label4", "Label8", "Image1"}) {
    about.deliver(&about.control(name), Event::MouseMove);
    EXPECT_TRUE(about.label5.opaque()) << name;
  }
  about.deliver(&about.image2, Event::MouseMove);
  EXPECT_FALSE(about.label5.opaque());
  EXPECT_TRUE(about.label5.visible());
  EXPECT_TRUE(fake.webAddresses.empty());
}

TEST_F(AboutWindowTest, DoubleClickHidesTheAcknowledgementUntilTheWindowIsBuiltAgain) {
  app.form1.deliver(&app.form1.command8, Event::Click);
  // The platform delivers a double-click as a Click followed by a DblClick.
  about.deliver(&about.label5, Event::Click);
  about.deliver(&about.label5, Event::DblClick);
  EXPECT_FALSE(about.label5.visible());
  EXPECT_EQ(fake.webAddresses, std::vector<Text>{product::kMakerAddress});

  fake.closeWindow(about);
  app.form1.deliver(&app.form1.command8, Event::Click);
  EXPECT_TRUE(about.label5.visible());
  EXPECT_FALSE(about.label5.opaque());
  EXPECT_EQ(fake.webAddresses.size(), 1U);
}

TEST_F(AboutWindowTest, TheIconOpensTheOutsideProductAndTheAddressTheMaker) {
  about.deliver(&about.image1, Event::Click);
  about.deliver(&about.label4, Event::Click);
  // No other control is a link.
  for (const char* name : {"Image2", "Label1", "Label2", "Label3", "Label8"}) {
    about.deliver(&about.control(name), Event::Click);
  }
  ASSERT_EQ(fake.webAddresses.size(), 2U);
  EXPECT_EQ(fake.webAddresses[0], product::kOutsideProductAddress);
  EXPECT_EQ(fake.webAddresses[1], product::kMakerAddress);
  EXPECT_NE(fake.webAddresses[0], fake.webAddresses[1]);
  EXPECT_NE(fake.webAddresses[1].find(about.label4.caption()), Text::npos);
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(AboutWindowTest, AFailedOpeningIsReportedAndTheLabelStaysHidden) {
  fake.failNext(FakePlatform::Call::Web, SysError::NotFound);
  about.deliver(&about.label5, Event::Click);
  about.deliver(&about.label5, Event::DblClick);

  EXPECT_FALSE(about.label5.visible());
  ASSERT_EQ(fake.messages.size(), 1U);
  EXPECT_EQ(fake.messages[0].title, u"Chyba");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
  EXPECT_NE(fake.messages[0].text.find(product::kMakerAddress), Text::npos);

  fake.failNext(FakePlatform::Call::Web, SysError::AccessDenied);
  about.deliver(&about.image1, Event::Click);
  ASSERT_EQ(fake.messages.size(), 2U);
  EXPECT_NE(fake.messages[1].text.find(product::kOutsideProductAddress), Text::npos);
  EXPECT_TRUE(fake.webAddresses.empty());
}

TEST_F(AboutWindowTest, ThePictureLiesBeneathEverythingAndCoversTheWindow) {
  const auto& controls = about.controls();
  ASSERT_FALSE(controls.empty());
  // Listed from the top of the stack down: the picture comes last.
  EXPECT_EQ(controls.back().get(), &about.image2);
  const auto& picture = about.image2.design();
  EXPECT_EQ(picture.left, 0);
  EXPECT_EQ(picture.top, 0);
  EXPECT_GE(picture.width, about.design().clientWidth);
  EXPECT_GE(picture.height, about.design().clientHeight);

  for (const auto& c : controls) {
    const auto& s = c->design();
    if (c.get() == &about.image2) continue;
    EXPECT_LE(s.left + s.width, about.design().clientWidth) << s.name;
    EXPECT_LE(s.top + s.height, about.design().clientHeight) << s.name;
    if (c->kind() == ui::ControlKind::Label) {
      EXPECT_EQ(c->foreColor(), ui::Colour::rgb(0xFFFFFF)) << s.name;
    }
  }
  EXPECT_EQ(about.label5.design().backColor, ui::Colour::rgb(0x000000));
}

TEST_F(AboutWindowTest, HeadingAndAuthorshipReadAsInTheHelpWindow) {
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
    EXPECT_EQ(about.control(name).caption(), app.form3.control(name).caption()) << name;
    EXPECT_EQ(about.control(name).design().font, app.form3.control(name).design().font) << name;
  }
  // A host name: no scheme, no path, no blanks.
  EXPECT_EQ(about.label4.caption().find_first_of(u":/ "), Text::npos);
  EXPECT_TRUE(about.control("Label3").caption().starts_with(u"Vytvořil : "));
  EXPECT_NE(about.control("Label3").caption().find(u';'), Text::npos);
}

}  // namespace
}  // namespace tamrill
