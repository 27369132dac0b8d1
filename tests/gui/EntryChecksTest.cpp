#include <gtest/gtest.h>

#include "EntryChecks.h"
#include "text/Language.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

TEST(EntryChecks, RealEntries) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {{"47.25", 47.25}, {"47,25", 47.25},  {" -9.55 ", -9.55}, {"+3", 3.0},   {"12°", 12.0},
                        {"", std::nullopt}, {"abc", std::nullopt}, {"1.2.3", std::nullopt}, {"-", std::nullopt},
                        {"--5", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseRealEntry(c.text), c.value) << c.text;
  EXPECT_EQ(CleanRealEntry("4x7,5"), "47.5");
}

TEST(EntryChecks, IntegerEntries) {
  EXPECT_EQ(ParseIntEntry("1999"), 1999);
  EXPECT_EQ(ParseIntEntry(" 12 "), 12);
  EXPECT_EQ(ParseIntEntry("12a"), std::nullopt);
  EXPECT_EQ(ParseIntEntry(""), std::nullopt);
  EXPECT_EQ(ParseIntEntry("1.5"), std::nullopt);
}

TEST(EntryChecks, RangeMessageInBothLanguages) {
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(RealRangeMessage("Latitude", "95", -90, 90), "Latitude=95\r\n Value has to be within Interval [  -90.00, ...,   90.0] !");
  SetCurrentLanguage(Language::German);
  EXPECT_EQ(RealRangeMessage("Geogr. Breite", "-91", -90, 90),
            "Geogr. Breite=-91\r\n Zulässiger Wertebereich ist [  -90.00, ...,   90.0] !");
}

TEST(EntryChecks, GregorianGap) {
  for (int day = 1; day <= 31; ++day) {
    int d = day;
    const bool changed = CorrectGregorianGap(1582, 10, d);
    EXPECT_EQ(changed, day >= 5 && day <= 14) << day;
    EXPECT_EQ(d, changed ? 15 : day);
  }
  int d = 10;
  EXPECT_FALSE(CorrectGregorianGap(1583, 10, d));
  EXPECT_FALSE(CorrectGregorianGap(1582, 9, d));
}

}  // namespace
}  // namespace skiagraf::gui::test
