#include <gtest/gtest.h>

#include "base/NumberFormat.h"
#include "base/UserInterface.h"

namespace skiagraf {
namespace {

TEST(NumberFormat, RightAlignsWithFixedDecimals) {
  struct Case { double value; int width, decimals; const char* text; };
  const Case cases[] = {
      {47.25, 7, 2, "  47.25"}, {-8.5, 6, 1, "  -8.5"}, {3.14159, 1, 1, "3.1"},
      {-0.001, 5, 2, " 0.00"},  {2.5, 0, 0, "2"},       {123456.0, 3, 0, "123456"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatReal(c.value, c.width, c.decimals), c.text) << c.value;
}

TEST(NumberFormat, ALargeNumberIsWrittenInFull) {
  const std::string text = FormatReal(-1e80, 6, 3);
  EXPECT_EQ(text.size(), 1u + 81u + 4u) << text;
  EXPECT_EQ(text.substr(0, 2), "-1");
  EXPECT_EQ(text.substr(text.size() - 4), ".000");
}

TEST(NumberFormat, WidthBelowDecimalsWarnsAndYieldsEmpty) {
  ScriptedUserInterface ui;
  ScopedUserInterface scoped(ui);
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(FormatReal(1.0, 2, 3), "");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Error in conversion into string!");
  EXPECT_EQ(ui.shown[0].title, "SKIAGRAF.EXE - Warning!");
  SetCurrentLanguage(Language::German);
}

TEST(NumberFormat, CoordinatesAreRoundedAndClamped) {
  EXPECT_EQ(CoordinateText(3e8), "217000000");
  EXPECT_EQ(CoordinateText(-3e8), "-217000000");
  EXPECT_EQ(CoordinateText(2.5), "2");
  EXPECT_EQ(CoordinateText(3.5), "4");
  EXPECT_EQ(CoordinateText(-7.4, 5), "   -7");
}

}  // namespace
}  // namespace skiagraf
