#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include "FontSetup.h"
#include "GuiTestSupport.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

class FontTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    InstallFontSubstitutions();
  }
};

TEST_F(FontTest, DrawingFacesResolveToMetricTwins) {
  struct Case {
    const char* face;
    const char* installed;
  };
  const Case cases[] = {{"Arial", "Liberation Sans"},
                        {"Times New Roman", "Liberation Serif"},
                        {"Courier New", "Liberation Mono"},
                        {"Courier", "Liberation Mono"},
                        {"MS Serif", "Liberation Serif"}};
  for (const Case& c : cases) {
    if (!QFontDatabase::hasFamily(c.installed)) GTEST_SKIP() << c.installed << " is not installed (tools/setup.sh)";
    EXPECT_EQ(QFontInfo(QFont(c.face)).family(), c.installed) << c.face;
  }
}

TEST_F(FontTest, ZodiacSignsComeFromAnInstalledFont) {
  const QString family = ZodiacFontFamily();
  ASSERT_FALSE(family.isEmpty()) << "fonts-dejavu-core has the zodiac symbols";
  EXPECT_EQ(QFontInfo(QFont("Wingdings")).family(), family);
  const QRawFont raw = QRawFont::fromFont(QFont(family));
  for (int sign = 0; sign < 12; ++sign) {
    const QString symbol = QString::fromStdString(ZodiacSymbol(sign));
    ASSERT_EQ(symbol.size(), 1) << sign;
    EXPECT_EQ(symbol.at(0).unicode(), 0x2648 + sign);
    EXPECT_TRUE(raw.supportsCharacter(symbol.at(0))) << sign;
  }
  EXPECT_EQ(ZodiacSymbol(12), "");
}

TEST_F(FontTest, WarningOnlyWithoutAZodiacFont) {
  EXPECT_FALSE(WarnWithoutZodiacFont(ZodiacFontFamily()));
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_TRUE(WarnWithoutZodiacFont(QString()));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, Message(60) + "\n\r" + Message(61));
  EXPECT_EQ(ui_.shown[0].title, Caption(CaptionKind::Warning));
}

}  // namespace
}  // namespace skiagraf::gui::test
