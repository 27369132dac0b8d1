#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "text/Texts.h"
#include "text/TextTestSupport.h"

namespace skiagraf {
namespace {

TEST(MenuCaptions, BothListsHaveFortyFiveEntriesEndingWithAbout) {
  for (Language language : {Language::German, Language::English}) {
    const std::vector<std::string> list = MenuCaptions(language);
    ASSERT_EQ(list.size(), 45u);
    EXPECT_EQ(list.back(), "&About");
    for (const std::string& caption : list) {
      EXPECT_FALSE(caption.empty());
      EXPECT_NE(caption, "-") << "separators are not entries";
    }
  }
}

TEST(MenuCaptions, ListsBeginAsQuoted) {
  const std::vector<std::string> german = {"  &Datei  ",        "&Sonnenuhr erstellen", "Fenster s&chließen",
                                           "Drucker &einrichten", "&Drucken...",          "&Fenster ausdrucken",
                                           "&Beenden",           "  &Optionen "};
  const std::vector<std::string> english = {"  &Files  ",  "&Generate Dial (Wizard)", "&Close all Windows",
                                            "Printer &Setup", "&Print...",             "Print &Window",
                                            "&Quit",       "   &Options "};
  const auto g = MenuCaptions(Language::German);
  const auto e = MenuCaptions(Language::English);
  EXPECT_EQ(std::vector<std::string>(g.begin(), g.begin() + 8), german);
  EXPECT_EQ(std::vector<std::string>(e.begin(), e.begin() + 8), english);
}

TEST(MenuCaptions, DepthsDescribeFiveMenusWithTheirItems) {
  int menus = 0;
  EXPECT_EQ(MenuCaptionDepth(0), 0);
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    const int depth = MenuCaptionDepth(i);
    ASSERT_GE(depth, 0);
    ASSERT_LE(depth, 2);
    if (depth == 0) ++menus;
    // A sub-menu item follows its sub-menu or a sibling, never a menu title.
    if (depth == 2) {
      EXPECT_GE(MenuCaptionDepth(i - 1), 1) << i;
    }
  }
  EXPECT_EQ(menus, 5);
  EXPECT_EQ(MenuCaptionDepth(-1), -1);
  EXPECT_EQ(MenuCaptionDepth(45), -1);
  // The language items sit in the language sub-menu.
  const auto g = MenuCaptions(Language::German);
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    if (g[i] == "&Deutsch" || g[i] == "&English") {
      EXPECT_EQ(MenuCaptionDepth(i), 2);
    }
  }
}

TEST(MenuCaptions, CurrentLanguageSelectsTheList) {
  LanguageGuard guard;
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(MenuCaptions().front(), "  &Files  ");
  SetCurrentLanguage(Language::German);
  EXPECT_EQ(MenuCaptions().front(), "  &Datei  ");
}

TEST(DialDataLabels, EveryLabelExistsInBothLanguages) {
  for (int i = 0; i < kDialLabelCount; ++i) {
    const auto label = static_cast<DialLabel>(i);
    EXPECT_FALSE(DialDataLabel(label, Language::German).empty()) << i;
    EXPECT_FALSE(DialDataLabel(label, Language::English).empty()) << i;
  }
  EXPECT_EQ(DialDataLabel(static_cast<DialLabel>(kDialLabelCount), Language::German), "");
}

TEST(DialDataLabels, QuotedLabelsReadExactly) {
  struct Case {
    DialLabel label;
    const char* german;
    const char* english;
  };
  const Case cases[] = {
      {DialLabel::HorizontalTitle, "horizontale SONNENUHR", "horizontal SUNDIAL"},
      {DialLabel::IncliningUmbrellaTitle, "SCHIRMUHR,pultförmig", "inclining Umbrella Sundial"},
      {DialLabel::Latitude, "     Geogr. Breite:", "     Latitude     :"},
      {DialLabel::GnomonHeight, "     Gnomonhöhe normal zum Zifferblatt   :", "     Length of gnomon, orthogonal to dial:"},
      {DialLabel::StyleIntersection, "     Durchstosspunkt des Polstabes       : S(",
       "     Intersection of style and dial face : S("},
      {DialLabel::SubstyleShadowTime, "     Schatten auf Substilare um (WOZ)    :", "     Shadow on sub-style (local app.time):"},
      {DialLabel::Degrees, " Grad", " deg "},
      {DialLabel::OClock, " Uhr", " o´clock"},
      {DialLabel::DirectionToPole, "     Richtung Sonnenuhr-Standpunkt -> Pol:", "     Direction dial position -> pole P:  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DialDataLabel(c.label, Language::German), c.german);
    EXPECT_EQ(DialDataLabel(c.label, Language::English), c.english);
  }
  // The label columns line up: every "...:" label of a data line ends at the same column.
  const DialLabel aligned[] = {DialLabel::Declination, DialLabel::Inclination, DialLabel::GnomonHeight,
                               DialLabel::StyleAngle,  DialLabel::StyleLength, DialLabel::SubstyleDirection,
                               DialLabel::SubstyleShadowTime};
  for (Language language : {Language::German, Language::English}) {
    for (DialLabel label : aligned) {
      EXPECT_EQ(CharacterCount(DialDataLabel(label, language)), 42) << static_cast<int>(label);
    }
  }
}

TEST(ZodiacNames, TwelveSignsFromTheRam) {
  const char* german[] = {"Widder", "Stier",   "Zwilling", "Krebs",     "Löwe",       "Jungfrau",
                          "Waage",  "Skorpion", "Schütze", "Steinbock", "Wassermann", "Fische"};
  const char* english[] = {"Ram",     "Bull",    "Twins",  "Crab", "Lion",         "Virgin",
                           "Balance", "Scorpion", "Archer", "Goat", "Water-Bearer", "Fishes"};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(ZodiacName(i, Language::German), german[i]);
    EXPECT_EQ(ZodiacName(i, Language::English), english[i]);
  }
  EXPECT_EQ(ZodiacName(-1, Language::German), "");
  EXPECT_EQ(ZodiacName(12, Language::English), "");
}

TEST(Notes, SeventeenNotesInBothLanguages) {
  for (int n = 0; n <= 16; ++n) {
    EXPECT_FALSE(NoteText(n, Language::German).empty()) << n;
    EXPECT_FALSE(NoteText(n, Language::English).empty()) << n;
    EXPECT_NE(NoteText(n, Language::German), NoteText(n, Language::English)) << n;
  }
  EXPECT_EQ(NoteText(17, Language::German), "");
  EXPECT_EQ(NoteText(-1, Language::English), "");
}

TEST(ColourLegend, PlanarGroupReadsAsQuoted) {
  const std::vector<LegendRow> german = ColourLegend(0, Language::German);
  const std::vector<LegendRow> english = ColourLegend(0, Language::English);
  ASSERT_EQ(german.size(), 12u);
  const char* expectedGerman[] = {"= Deklinationslinien",  "= volle Stunden mit EoT", "= volle Stunden ohne EoT",
                                  "= Text",                "= Sonnenhöhe",            "= Italische Stunden",
                                  "= Babylonische Stunden", "= Unterteilung der vollen Stunden",
                                  "= Koordinaten",         "= Temporalstunden",       "= Küstenlinien",
                                  "= Grenzen"};
  const char* expectedEnglish[] = {"= declination lines", "= full hours with EoT", "= full hours without EoT",
                                   "= text", "= lines for sun altitude", "= Italian hours", "= Babylonian hours",
                                   "= hour lines for not full hours", "= grid (coordinates)", "= temporal hours",
                                   "= coast lines", "= boundaries"};
  for (int pen = 1; pen <= 12; ++pen) {
    EXPECT_EQ(german[pen - 1].pen, std::to_string(pen));
    EXPECT_EQ(german[pen - 1].meaning, expectedGerman[pen - 1]);
    EXPECT_EQ(english[pen - 1].pen, std::to_string(pen));
    EXPECT_EQ(english[pen - 1].meaning, expectedEnglish[pen - 1]);
  }
}

TEST(ColourLegend, EveryGroupHasTwelveRowsAndRowsWithPenHaveMeanings) {
  for (int offset = 0; offset < kLegendRowCount; offset += 12) {
    const auto rows = ColourLegend(offset, Language::English);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_FALSE(rows[0].pen.empty()) << "group at offset " << offset << " starts with a pen";
    for (const auto& row : rows) {
      if (!row.pen.empty()) {
        EXPECT_FALSE(row.meaning.empty()) << offset << " pen " << row.pen;
      }
    }
  }
  // Past the table the panel shows empty rows rather than garbage.
  const auto beyond = ColourLegend(90, Language::German);
  EXPECT_EQ(beyond[6].pen, "");
  EXPECT_EQ(beyond[6].meaning, "");
}

TEST(ColourLegend, DialFamiliesSelectDistinctGroupsAndTitles) {
  struct Case {
    char type;
    bool umbrella;
    int offset;
    const char* germanTitle;
    const char* englishTitle;
  };
  const Case cases[] = {
      {'h', false, 0, "Farben für horizontale/vertikale/inklinierende Uhr", "Colors for  Horizontal/ Vertical/ Inclining Sundial"},
      {'v', true, 12, "Farben für Bifilare Sonnenuhr", "Colors for Bifilar Sundial"},
      {'f', false, 12, "Farben für Bifilare Sonnenuhr", "Colors for Bifilar Sundial"},
      {'q', false, 24, "Farben für vertikale Höhensonnenuhr", "Colors for Vertical Altitude Dial"},
      {'z', false, 36, "Farben für Zylindersonnenuhr", "Colors for Cylinder Sundial"},
      {'k', false, 48, "Farben für horizontale Höhensonnenuhr", "Colors for Horizontal Altitude Sundial"},
      {'r', false, 60, "Farben für Ringsonnenuhr (Bauernring)", "Colors for Ring Sundial (Farmers´ Ring) "},
      {'a', false, 72, "Farben für Azimutalsonnenuhr", "Colors for Azimuthal Sundial"},
      {'c', false, 84, "Farben für biazimutale Sonnenuhren", "Colors for Compressed Sundial"},
      {'m', false, 84, "Farben für SU für mittlere Zeit", "Colors for Mean Time Sundial"},
      {'w', false, 84, "Farben für Sawyer-Sonnenuhren", "Colors for Sawyer Sundials"},
      {'p', false, 84, "Farben für Sawyer-Sonnenuhren", "Colors for Sawyer Sundials"},
      {'x', false, 0, "Farben für horizontale/vertikale/inklinierende Uhr", "Colors for  Horizontal/ Vertical/ Inclining Sundial"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColourLegendOffset(c.type, c.umbrella), c.offset) << c.type;
    EXPECT_EQ(ColourLegendTitle(c.type, c.umbrella, Language::German), c.germanTitle) << c.type;
    EXPECT_EQ(ColourLegendTitle(c.type, c.umbrella, Language::English), c.englishTitle) << c.type;
  }
}

}  // namespace
}  // namespace skiagraf

namespace skiagraf {
namespace {

TEST(ShellCaptions, EveryControlCaptionExistsInBothLanguages) {
  for (int i = 0; i < kShellTextCount; ++i)
    for (Language language : {Language::German, Language::English})
      EXPECT_FALSE(ShellCaption(static_cast<ShellText>(i), language).empty()) << i;
  EXPECT_EQ(ShellCaption(ShellText::PopupSaveSettings, Language::German), "Speichern P.");
  EXPECT_EQ(ShellCaption(ShellText::WizardNext, Language::German), "&Weiter   > ...");
  EXPECT_EQ(ShellCaption(ShellText::PaletteLineWidth, Language::German), "   &Linienstärke    ");
  EXPECT_EQ(ShellCaption(ShellText::PaletteSave, Language::German), "Farben &speichern");
  EXPECT_EQ(ShellCaption(ShellText::GalleryStart, Language::German), "&Start Photo Gallery");
  EXPECT_EQ(ShellCaption(static_cast<ShellText>(kShellTextCount), Language::German), "");
}

TEST(ShellCaptions, PicturesHaveCaptionsAndZodiacSymbolsAreUnicode) {
  EXPECT_EQ(PictureCaption(1105, Language::German), "Horizontale Sonnenuhr");
  EXPECT_EQ(PictureCaption(3014, Language::English), "Hat dial");
  EXPECT_EQ(PictureCaption(42, Language::German), "");
  EXPECT_EQ(ZodiacSymbol(0), "\u2648");
  EXPECT_EQ(ZodiacSymbol(11), "\u2653");
  EXPECT_EQ(ZodiacSymbol(-1), "");
}

}  // namespace
}  // namespace skiagraf
