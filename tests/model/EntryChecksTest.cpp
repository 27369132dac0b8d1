#include "model/EntryChecks.h"

#include <gtest/gtest.h>

#include "base/UserInterface.h"
#include "text/Language.h"

namespace skiagraf {
namespace {

class EntryCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::German); }
  void TearDown() override { SetCurrentLanguage(Language::German); }
  ScriptedUserInterface ui;
  ScopedUserInterface scope{ui};
};

TEST_F(EntryCheckTest, RealWithRangeStoresOnlyValidEntries) {
  struct Case {
    const char* text;
    bool stored;
    double target;       // target afterwards (starts at 10)
    const char* shown;   // field text afterwards
    const char* message; // fragment of the message, "" for none
  };
  const Case cases[] = {
      {"47,5", true, 47.5, "47,5", ""},
      {" +12.25 ", true, 12.25, " +12.25 ", ""},
      {"90", true, 90.0, "90", ""},
      {"95", false, 10.0, "95", "Breite=95\r\n Zulässiger Wertebereich ist [  -90.00, ...,   90.0] !"},
      {"abc", false, 10.0, "   10.00", "Das ist keine reelle Zahl."},
      {"", false, 10.0, "   10.00", "Das ist keine reelle Zahl."},
  };
  for (const Case& c : cases) {
    ui.shown.clear();
    TextEntry field(c.text);
    double target = 10.0;
    bool fault = false;
    EXPECT_EQ(CheckRealRange(field, "Breite", target, 90, -90, fault), c.stored) << c.text;
    EXPECT_EQ(fault, !c.stored) << c.text;
    EXPECT_DOUBLE_EQ(target, c.target) << c.text;
    EXPECT_EQ(field.Text(), c.shown) << c.text;
    EXPECT_EQ(field.FocusCount(), c.stored ? 0 : 1) << c.text;
    if (*c.message) {
      ASSERT_EQ(ui.shown.size(), 1u) << c.text;
      EXPECT_EQ(ui.shown[0].text, c.message);
      EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Problem!");
    } else {
      EXPECT_TRUE(ui.shown.empty()) << c.text;
    }
  }
}

TEST_F(EntryCheckTest, RealWithoutRange) {
  double target = 3.5;
  bool fault = false;
  TextEntry empty("");
  EXPECT_TRUE(CheckReal(empty, target, fault));
  EXPECT_EQ(empty.Text(), "   3.50");
  EXPECT_FALSE(fault);
  TextEntry word("x");
  EXPECT_FALSE(CheckReal(word, target, fault));
  EXPECT_TRUE(fault);
  EXPECT_EQ(word.Text(), "");
  EXPECT_EQ(word.FocusCount(), 1);
  EXPECT_DOUBLE_EQ(target, 3.5);
  EXPECT_TRUE(ui.Showed("Das ist keine reelle Zahl."));
  TextEntry number("-200,5");
  fault = false;
  EXPECT_TRUE(CheckReal(number, target, fault));
  EXPECT_DOUBLE_EQ(target, -200.5);
}

TEST_F(EntryCheckTest, IntegerRangeBoundsAndMessage) {
  int year = 2020;
  bool fault = false;
  TextEntry first("1300");
  EXPECT_TRUE(CheckIntRange(first, 1300, 2500, "gewähltes Jahr", year, fault));
  EXPECT_EQ(year, 1300);
  EXPECT_FALSE(fault);
  TextEntry before("1299");
  EXPECT_FALSE(CheckIntRange(before, 1300, 2500, "gewähltes Jahr", year, fault));
  EXPECT_TRUE(fault);
  EXPECT_EQ(year, 1300);
  EXPECT_EQ(before.FocusCount(), 1);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(ui.shown[0].question);
  EXPECT_EQ(ui.shown[0].text, "gewähltes Jahr=1299 Zulässiger Wertebereich ist [1300..2500] !");
  // An emptied field shows the stored value again and is no fault.
  fault = false;
  TextEntry empty("");
  EXPECT_TRUE(CheckIntRange(empty, 1300, 2500, "Jahr", year, fault));
  EXPECT_EQ(empty.Text(), "1300");
  EXPECT_FALSE(fault);
}

TEST_F(EntryCheckTest, IntegerRetryAnswers) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    ui.answers = {answer};
    int length = 270;
    bool fault = false;
    TextEntry field("300");
    EXPECT_FALSE(CheckIntRangeRetry(field, 3, 290, "Breite der Monatsskala", length, fault));
    EXPECT_EQ(length, 270);
    EXPECT_EQ(fault, answer == Answer::Yes);
    EXPECT_EQ(field.FocusCount(), answer == Answer::Yes ? 1 : 0);
  }
  EXPECT_TRUE(ui.Showed("\n\r     Nochmals eingeben?"));
}

}  // namespace
}  // namespace skiagraf
