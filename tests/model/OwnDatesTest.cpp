#include "model/OwnDates.h"

#include <gtest/gtest.h>

#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf {
namespace {

struct DateCase {
  const char* text;
  int year;
  bool valid;
  int key;
  const char* dateText;
  const char* displayText;
};

TEST(CheckOwnDateTest, Cases) {
  const DateCase cases[] = {
      {"29/02", 2024, true, 229, "29/02", "29. Feb"},
      {"29/02", 2000, true, 229, "29/02", "29. Feb"},
      {"29/02", 2023, false, -1, "", ""},
      {"29/02", 1900, false, -1, "", ""},
      {"28/02", 1900, true, 228, "28/02", "28. Feb"},
      {"30/02", 2024, false, -1, "", ""},
      {"31/04", 2024, false, -1, "", ""},
      {"30/04", 2024, true, 430, "30/04", "30. Apr"},
      {"31/06", 2024, false, -1, "", ""},
      {"31/09", 2024, false, -1, "", ""},
      {"31/11", 2024, false, -1, "", ""},
      {"31/12", 2024, true, 1231, "31/12", "31. Dez"},
      {"00/05", 2024, false, -1, "", ""},
      {"01/00", 2024, false, -1, "", ""},
      {"01/13", 2024, false, -1, "", ""},
      {"32/01", 2024, false, -1, "", ""},
      {"5 /07", 2024, true, 705, "05/07", "05. Jul"},
      {"5/7", 2024, true, 705, "05/07", "05. Jul"},
      {"05/7 ", 2024, true, 705, "05/07", "05. Jul"},
      {"05/10    ( 05. Oct )", 2024, true, 1005, "05/10", "05. Okt"},
      {"0507", 2024, false, -1, "", ""},
      {"  /  ", 2024, false, -1, "", ""},
      {"ab/cd", 2024, false, -1, "", ""},
      {"", 2024, false, -1, "", ""},
  };
  for (const DateCase& c : cases) {
    const OwnDateCheck r = CheckOwnDate(c.text, DateCheckMessage::None, c.year, Language::German);
    EXPECT_EQ(r.Valid, c.valid) << c.text << " " << c.year;
    EXPECT_EQ(r.Key, c.key) << c.text;
    EXPECT_EQ(r.DateText, c.dateText) << c.text;
    EXPECT_EQ(r.DisplayText, c.displayText) << c.text;
  }
}

TEST(CheckOwnDateTest, EnglishAbbreviationAndEntry) {
  const OwnDateCheck r = CheckOwnDate("05/10", DateCheckMessage::None, 2024, Language::English);
  EXPECT_EQ(OwnDateEntry(r), "05/10    ( 05. Oct )");
  EXPECT_EQ(OwnDateEntry(CheckOwnDate("31/04", DateCheckMessage::None, 2024, Language::English)), "");
}

TEST(CheckOwnDateTest, MessagesOfTheTwoVariants) {
  struct Row {
    const char* text;
    DateCheckMessage kind;
    std::string shown;  // "" when nothing is shown
  };
  const Row rows[] = {
      {"31/04", DateCheckMessage::Input, Message(6, Language::German)},
      {"31/04", DateCheckMessage::File, "31/04: " + Message(57, Language::German)},
      {"", DateCheckMessage::File, ""},
      {"31/04", DateCheckMessage::None, ""},
      {"30/04", DateCheckMessage::Input, ""},
  };
  for (const Row& r : rows) {
    ScriptedUserInterface ui;
    ScopedUserInterface scope(ui);
    CheckOwnDate(r.text, r.kind, 2024, Language::German);
    if (r.shown.empty()) {
      EXPECT_TRUE(ui.shown.empty()) << r.text;
    } else {
      ASSERT_EQ(ui.shown.size(), 1u) << r.text;
      EXPECT_EQ(ui.shown[0].text, r.shown);
      EXPECT_EQ(ui.shown[0].title, Caption(CaptionKind::Error, Language::German));
      EXPECT_EQ(ui.shown[0].icon, MessageIcon::Error);
    }
  }
}

TEST(OwnDateListTest, InsertsInOrderAndBeforeItsTwin) {
  ScriptedUserInterface ui;
  ScopedUserInterface scope(ui);
  std::vector<std::string> list;
  EXPECT_EQ(AddOwnDate(list, "21/12", 2024, Language::German), AddOwnDateResult::Added);
  EXPECT_EQ(AddOwnDate(list, "01/03", 2024, Language::German), AddOwnDateResult::Added);
  EXPECT_EQ(AddOwnDate(list, "05/07", 2024, Language::German), AddOwnDateResult::Added);
  EXPECT_EQ(list, (std::vector<std::string>{"01/03    ( 01. Mar )", "05/07    ( 05. Jul )", "21/12    ( 21. Dez )"}));

  // The twin is told apart by the language of its display text.
  EXPECT_EQ(AddOwnDate(list, "05/10", 2024, Language::English), AddOwnDateResult::Added);
  EXPECT_EQ(AddOwnDate(list, "05/10", 2024, Language::German), AddOwnDateResult::Added);
  EXPECT_EQ(list[2], "05/10    ( 05. Okt )");
  EXPECT_EQ(list[3], "05/10    ( 05. Oct )");
  EXPECT_EQ(list.size(), 5u);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(OwnDateListTest, EmptyAndInvalidInputAddNothing) {
  ScriptedUserInterface ui;
  ScopedUserInterface scope(ui);
  std::vector<std::string> list = {"01/03    ( 01. Mar )"};
  EXPECT_EQ(AddOwnDate(list, "  /  ", 2024, Language::German), AddOwnDateResult::Empty);
  EXPECT_EQ(AddOwnDate(list, "__/__", 2024, Language::German), AddOwnDateResult::Empty);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(AddOwnDate(list, "29/02", 2023, Language::German), AddOwnDateResult::Invalid);
  EXPECT_TRUE(ui.Showed(Message(6, Language::German)));
  EXPECT_EQ(list.size(), 1u);
}

TEST(OwnDateListTest, RemoveOnlyAnExistingEntry) {
  std::vector<std::string> list = {"a", "b", "c"};
  EXPECT_FALSE(RemoveOwnDate(list, -1));
  EXPECT_FALSE(RemoveOwnDate(list, 3));
  EXPECT_EQ(list.size(), 3u);
  EXPECT_TRUE(RemoveOwnDate(list, 1));
  EXPECT_EQ(list, (std::vector<std::string>{"a", "c"}));
}

TEST(OwnDateListTest, SortKeyFromTheFirstFiveCharacters) {
  const std::pair<const char*, int> rows[] = {
      {"05/07    ( 05. Jul )", 705}, {"31/12", 1231}, {"5/07", -1}, {"xx/yy", -1}, {"", -1}};
  for (auto [entry, key] : rows) EXPECT_EQ(OwnDateSortKey(entry), key) << entry;
}

TEST(LeapYearTest, GregorianRule) {
  const std::pair<int, bool> rows[] = {{2024, true}, {2000, true}, {2023, false}, {1900, false},
                                       {1600, true}, {1500, false}, {2100, false}};
  for (auto [year, leap] : rows) EXPECT_EQ(IsGregorianLeapYear(year), leap) << year;
}

}  // namespace
}  // namespace skiagraf
