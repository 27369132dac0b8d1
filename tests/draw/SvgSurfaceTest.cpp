#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "draw/SvgSurface.h"

namespace skiagraf {
namespace {

// The value of an attribute of the first element that carries it.
std::string Attribute(const std::string& svg, const std::string& element, const std::string& name) {
  const auto start = svg.find("<" + element + " ");
  if (start == std::string::npos) return {};
  const auto end = svg.find('>', start);
  const auto at = svg.find(" " + name + "=\"", start);
  if (at == std::string::npos || at > end) return {};
  const auto value = at + name.size() + 3;
  return svg.substr(value, svg.find('"', value) - value);
}

TEST(SvgSurfaceTest, TextStandsOnItsBaselineOneAscentBelowTheAnchor) {
  struct Case {
    const char* face;
    double angle;
    const char* y;  // anchor 200 + ascent x height 40
    const char* family;
    const char* transform;
  } const cases[] = {
      {"Arial", 0, "236.2", "Arial, sans-serif", ""},
      {"Times New Roman", 0, "235.64", "Times New Roman, serif", ""},
      {"Courier New", 0, "233.32", "Courier New, monospace", ""},
      {"Arial", -90, "236.2", "Arial, sans-serif", "rotate(90 100 200)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.angle));
    SvgSurface svg(400, 300);
    FontSpec font;
    font.face = c.face;
    font.height = 40;
    font.angle = c.angle;
    svg.SetFont(font);
    svg.TextOut({100, 200}, "Länge & Breite");
    const std::string doc = svg.Document();
    EXPECT_EQ(Attribute(doc, "text", "x"), "100");
    EXPECT_EQ(Attribute(doc, "text", "y"), c.y);
    EXPECT_EQ(Attribute(doc, "text", "font-family"), c.family);
    EXPECT_EQ(Attribute(doc, "text", "transform"), c.transform);
    // No alignment attribute that some readers ignore.
    EXPECT_EQ(doc.find("baseline"), std::string::npos);
    EXPECT_NE(doc.find(">Länge &amp; Breite</text>"), std::string::npos);
  }
}

// Numbers keep their decimal point under a German locale, as the desktop program has.
TEST(SvgSurfaceTest, GermanLocaleKeepsTheDecimalPoint) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8")) {
    GTEST_SKIP() << "no German locale installed";
  }
  SvgSurface svg(400, 300);
  FontSpec font;
  font.face = "Arial";
  font.height = 40;
  svg.SetFont(font);
  svg.TextOut({100.25, 200}, "x");
  const std::string doc = svg.Document();
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(Attribute(doc, "text", "x"), "100.25");
  EXPECT_EQ(Attribute(doc, "text", "y"), "236.2");
}

}  // namespace
}  // namespace skiagraf
