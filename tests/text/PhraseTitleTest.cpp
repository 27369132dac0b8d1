#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Texts.h"
#include "text/TextTestSupport.h"

namespace skiagraf {
namespace {

struct Expected {
  int number;
  const char* german;
  const char* english;
};

// Phrases whose wording the tables, the sun-position results and the diagrams
// depend on; their blanks line the columns up, so they must match exactly.
const Expected kQuotedPhrases[] = {
    {0, " &Nord", " &North"},
    {1, " &Süd", " S&outh"},
    {2, " &Ost", " &East"},
    {3, " &West", " &West"},
    {15, "entfallen (im Gregorianischen Kalender)", "omitted  (change to Gregorian Calendar)"},
    {16, " Wahre Ortszeit", " Local Apparent Time"},
    {17, " WOZ am Zonenmeridian", " Apparent Time at zone meridian"},
    {19, "  keine Stundenlinien mit Zeitgleichung", "  no hour lines with EoT"},
    {34, "bürgerl. (0.83°-6°)", "civil (0.83°-6°)"},
    {35, "nautisch (6°-12°)", "nautical (6°-12°)"},
    {36, "astronom.(12°-18°)", "astronom.(12°-18°)"},
    {39, " fein", " thin "},
    {46, "Die geogr. Länge ist mehr als 15 Grad\n\r  vom Zonenmeridian entfernt!",
     "The difference between zone meridian\n\r and longitude is more than 15 deg!"},
    {47, "\n\r Ist dies in Ordnung?", "\n\rAre these values correct?"},
    {67, "Eingabe?", "Input?"},
    {68, "immer sichtbar", " always seen  "},
    {71, " immer dunkel ", " always  dark "},
    {72, "Datum     Sonne      Dämmerung       Mond       EoT   Deklin",
     " Date     Sun        Twilight        Moon       EoT   Declin"},
    {73, "        auf/unter   Ende /Anfang   auf /unter   mm:ss   Grad",
     "       rise/ set    end /begin     rise/ set    mm:ss   deg"},
    {74, "  Alle Zeiten in Zonenzeit (= UT", "  All times are standard time (= UT"},
    {75, " und nicht Sommerzeit! ", " and not DST !"},
    {76, "  Angezeigte Dämmerungsart: ", "Type of twilight displayed: "},
    {82, " (Zonenmeridian = ", " (Zone meridian = "},
    {87, "    Geogr. Breite:  ", "    Latitude :      "},
    {90, " Grad         Zonenmeridian: ", " deg          Zone meridian: "},
    {92, "Zeitgleichung:     ", "Equation of Time:  "},
    {93, "    Sonne Aufgang:    ", "    Sunrise :         "},
    {99, "Mond Untergang:  ", "Moonset:         "},
    {102, "Azimut:      ", "azimuth :    "},
    {105, " Grad", " deg "},
    {106, "   Werte für 12 Uhr Zonenzeit", "   Values for noon standard time"},
    {108, "Die Sonne steht unter dem Horizont!", "The sun is below the horizon!"},
    {114, " Zeitgleichung (EoT)", " Equation of Time (EoT)"},
    {166, "Sonne \"geht vor\"!", "Sun is fast!"},
    {171, "Zonenzeit = WOZ+Tabellenwert", "Time of zone meridian =(Local Apparent Time)+(value of table)"},
    {184, "Aufg./Unter Zeitgl.  ", " Rise /Set    EoT    "},
    {185, "EoT und \"symmetrisierte Approximation\" für das Jahr ",
     "EoT and its \"symmetric approximation\" for year "},
    {186, "berechnet für gegebene wahre Sonnenlänge L ",
     "calculated for different values of the Sun´s true longitude L "},
    {210, "  Zeitangaben sind bürgerliche Zeit, aber nicht Sommerzeit, genau für das Jahr  ",
     "  Times in table are Standard Time of Zone Meridian but no DST, exact for Year "},
    {221, "Sonnenhöhe", "Sun Altitude"},
    {223, "Monatsanfang", "1st of month"},
    {224, "Beginn Tierkreiszeichen", "begin of new Zodiac sign"},
    {226, "Mitte Tierkreiszeichen", "middle of Zodiac sign"},
    {227, "Zeitweise kein Sonnenauf/-untergang!", "On some days no sun rise/set!"},
    {234, "Std. Sonnenscheindauer", "hours of Sunshine"},
};

TEST(Phrases, QuotedPhrasesReadExactly) {
  for (const auto& e : kQuotedPhrases) {
    EXPECT_EQ(Phrase(e.number, Language::German), e.german) << "phrase " << e.number;
    EXPECT_EQ(Phrase(e.number, Language::English), e.english) << "phrase " << e.number;
  }
}

TEST(Phrases, EveryNumberHasTextInBothLanguagesAndNoneOutside) {
  for (int n = 0; n <= 234; ++n) {
    for (Language language : {Language::German, Language::English}) {
      std::string text = Phrase(n, language);
      EXPECT_FALSE(text.empty()) << "phrase " << n;
      EXPECT_LE(CharacterCount(text), 255) << "phrase " << n;
    }
  }
  for (int n : {-1, 235, 1000}) {
    EXPECT_EQ(Phrase(n, Language::German), "") << n;
    EXPECT_EQ(Phrase(n, Language::English), "") << n;
  }
}

TEST(Phrases, AnnualTableGroupHasFourItemsAndACaption) {
  std::vector<std::string> items = PhraseList(114, 116);
  items.push_back(Phrase(kPhraseTransitTableItem, Language::German));
  ASSERT_EQ(items.size(), 4u);
  for (const auto& item : items) EXPECT_FALSE(item.empty());
  EXPECT_FALSE(Phrase(kPhraseAnnualTableCaption, Language::English).empty());
  // The fourth item is not one of the first three.
  EXPECT_NE(items[3], items[0]);
  EXPECT_NE(items[3], items[2]);
}

TEST(Phrases, OneArgumentFormFollowsTheCurrentLanguage) {
  LanguageGuard guard;
  SetCurrentLanguage(Language::German);
  EXPECT_EQ(Phrase(105), " Grad");
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(Phrase(105), " deg ");
}

TEST(Phrases, ListsRunFromFirstToLastInclusive) {
  LanguageGuard guard;
  SetCurrentLanguage(Language::English);
  struct Case {
    int first, last;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {34, 36, {"civil (0.83°-6°)", "nautical (6°-12°)", "astronom.(12°-18°)"}},
      {0, 1, {" &North", " S&outh"}},
      {105, 105, {" deg "}},
      {233, 240, {Phrase(233, Language::English), "hours of Sunshine"}},  // clipped at the end
      {5, 4, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PhraseList(c.first, c.last), c.expected) << c.first << ".." << c.last;
  }
  SetCurrentLanguage(Language::German);
  EXPECT_EQ(PhraseList(39, 41), (std::vector<std::string>{" fein", " mittel", " dick"}));
}

const Expected kTitlesQuoted[] = {
    {1, " Tabelle der Zeitgleichung", " Table Equation of Time "},
    {3, " Konstruktion einer ", "Construction of a"},
    {4, "Schirmsonnenuhr", "\"Umbrella\"-dial"},
    {7, "inklinierenden Sonnenuhr", "n Inclining Sundial"},
    {12, "Sonnenuhr erstellen, Teil ", "Generate Sundial, part "},
    {22, " Schliessen", "  Close"},
    {27, " &Nächstes... >", " &Next ... >"},
    {29, "Startkonfiguration (*.ini)|*.ini|Andere Konstruktionsdaten (*.skiag)|*.skiag|Alle Dateien (*.*)|*.*",
     "Start Configuration (*.ini)|*.ini|Your own Construction Data (*.skiag)|*.skiag|All Files (*.*)|*.*"},
    {31, "horizontale/vertikale/inklinierende Uhr", " Horizontal/ Vertical/ Inclining Sundial"},
    {36, "Ringsonnenuhr (Bauernring)", "Ring Sundial (Farmers´ Ring) "},
    {40, "Sawyer-Sonnenuhren", "Sawyer Sundials"},
    {43, "azimutale Höhensonnenuhr   (Hut-SU)", "Azimuthal Altitude Dial  (Hat Dial)"},
    {47, "Gunter-Quadrant", "Gunter-Quadrant"},
    {48, "vertikale Azimutalsonnenuhr ", "Vertical Azimuthal Sundial"},
};

TEST(Titles, QuotedTitlesReadExactly) {
  for (const auto& e : kTitlesQuoted) {
    EXPECT_EQ(Title(e.number, Language::German), e.german) << "title " << e.number;
    EXPECT_EQ(Title(e.number, Language::English), e.english) << "title " << e.number;
  }
}

TEST(Titles, RangeIsOneToFortyEight) {
  for (int n = 1; n <= 48; ++n) {
    EXPECT_FALSE(Title(n, Language::German).empty()) << n;
    EXPECT_FALSE(Title(n, Language::English).empty()) << n;
    EXPECT_LE(CharacterCount(Title(n, Language::German)), 255) << n;
    EXPECT_LE(CharacterCount(Title(n, Language::English)), 255) << n;
  }
  for (int n : {0, -3, 49}) {
    EXPECT_EQ(Title(n, Language::German), "") << n;
    EXPECT_EQ(Title(n, Language::English), "") << n;
  }
}

TEST(Titles, ConstructionHeadingsReadAsSentences) {
  // "Construction of a" + "n Inclining Sundial" must give "an Inclining Sundial".
  EXPECT_EQ(Title(3, Language::English) + Title(7, Language::English), "Construction of an Inclining Sundial");
  EXPECT_EQ(Title(3, Language::English) + Title(6, Language::English), "Construction of a Horizontal Sundial");
  EXPECT_EQ(Title(3, Language::German) + Title(6, Language::German), " Konstruktion einer horizontalen Sonnenuhr");
}

}  // namespace
}  // namespace skiagraf
