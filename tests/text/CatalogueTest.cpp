#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "text/CatalogueData.h"
#include "text/Texts.h"
#include "text/TextTestSupport.h"

namespace skiagraf {
namespace {

// The ranges of German numbers that carry texts.
const std::pair<int, int> kRanges[] = {{1, 221},   {300, 377}, {399, 414}, {448, 635},
                                       {701, 752}, {801, 845}, {900, 913}, {950, 954}};

bool InRanges(int number) {
  for (auto [first, last] : kRanges) {
    if (number >= first && number <= last) return true;
  }
  return false;
}

TEST(Catalogue, EveryNumberInTheRangesHasBothTextsAndNoneOutside) {
  for (int n = -5; n <= 1000; ++n) {
    const std::string german = CatalogueText(n, Language::German);
    const std::string english = CatalogueText(n, Language::English);
    if (InRanges(n)) {
      EXPECT_FALSE(german.empty()) << "German text " << n;
      EXPECT_FALSE(english.empty()) << "English text " << n + 2000;
      EXPECT_LE(CharacterCount(german), 255) << n;
      EXPECT_LE(CharacterCount(english), 255) << n;
    } else if (n != 1375) {
      EXPECT_EQ(german, "") << "German text outside the ranges: " << n;
      EXPECT_EQ(english, "") << "English text outside the ranges: " << n + 2000;
    }
  }
}

TEST(Catalogue, TheEnglishOnlyTextHasNoGermanTwin) {
  EXPECT_EQ(CatalogueText(1375, Language::English), "Thread 1, height");
  EXPECT_EQ(CatalogueText(1375, Language::German), "");
}

TEST(Catalogue, LookupIsNumberPlusLanguageOffset) {
  // A full number reaches its text directly when no offset is added.
  EXPECT_EQ(CatalogueText(2015, Language::German), "Save as hpg-file...");
  EXPECT_EQ(CatalogueText(3375, Language::German), "Thread 1, height");
  EXPECT_EQ(CatalogueText(2015, Language::English), "");
}

TEST(Catalogue, EntriesAreSortedAndUnique) {
  // The lookup searches by halving; an entry out of order would be lost.
  const auto& table = text_data::kCatalogue;
  for (std::size_t i = 1; i < std::size(table); ++i) {
    EXPECT_LT(table[i - 1].number, table[i].number) << "at entry " << i;
  }
}

struct Expected {
  int number;
  const char* german;
  const char* english;
};

// Texts that windows, tables and drawings show by their number.
const Expected kQuoted[] = {
    {1, " &Nächstes... >", " &Next... >"},
    {2, "&Speichern...", " &Save as.."},
    {3, " &Drucken...", "  &Print..."},
    {7, " S&chließen", "  &Close"},
    {8, " Abbru&ch", " &Cancel"},
    {12, "S&peichern...", " Save &as.."},
    {15, "Speichern als hpg-Datei...", "Save as hpg-file..."},
    {16, "Speichern als dxf-Datei...", "Save as dxf-file..."},
    {17, "Tabelle speichern...", "Save table..."},
    {20, " Grad", " deg"},
    {41, "rechtwinkliges Sonnenstandsdiagramm", "Sun Path Diagram (rectangluar)"},
    {46, " 1 pro Monat", " 1 per month"},
    {60, "Berechnung starten", "Start Computation"},
    {68, "Tabelle der Meridiandurchgänge", "Table of Local ApparentNoon"},
    {69, "polares Sonnenstandsdiagramm", "Sun Path Diagram (polar)"},
    {70, "Graph der Zeitgleichung", "Diagram for Equation of Time"},
    {73, "  72 Werte/Jahr ", "  72 values/year "},
    {79, " 360 Werte/Jahr ", " 360 values/year "},
    {84, "     EoT-Werte 'symmetrisieren'     ", "Calculation of 'symmetrical EoT-values'"},
    {87, "in Polarkoordinaten", "Polar coordinaes (circular)"},
    {160, "Einzelmonat", "only 1 month"},
    {163, " Tabelle für ", " Table for "},
    {221, "Symmetrische  EoT-Tabelle, Approximation", "Symmetric Table of EoT, Approximation"},
    {300, "Geographische Lage und Jahr", " Location and Reference Year"},
    {301, "Geogr. &Breite", "Latit&ude     "},
    {302, "Geogr. &Länge", "&Longitude    "},
    {303, "&Zeitzone", "Time &Zone"},
    {307, "Zonenzeit", "time at zone meridian"},
    {332, " Zodiak-&Datumslinien", " Zodiac-&Date Lines"},
    {402, "&Wandabweichung", "&Wall Declination"},
    {448, "Horizontprofil (*.ele)|*.ele", "Horizon profile (*.ele)|*.ele"},
    {459, "Horizontprofil erstellen", "Calculation of a Horizon Profile"},
    {468, "Daten werden geladen und die Berechnungen ausgeführt!", "     Loading data and start of calculation!"},
    {480, "Zentralpunkt liegt nicht im Bereich des geladenen Datenfeldes!",
     "Central point is not within the the selected data area!"},
    {496, "Zeitangabe ist: ", "Time Input in: "},
    {499, "Zonenzeit (keine SoZt.)", "Standard Time (no DST)"},
    {500, "Eingabe der Sonnenuhr-Parameter", "Input of Sundial Parameters"},
    {557, "Zei&tabstand", "Time &Interval"},
    {591, "  ganzjährige Anzeige", "  for whole year"},
    {593, "  vom 21. Dez. - 21. Jun.", "  from 21. Dec. - 21. Jun."},
    {620, "mit Längengrad-&Korrektur", "include lon&gitude correction"},
    {701, "&Zeichnen", "&Draw"},
    {711, "Als HPGL-Datei speichern", "  Save as HPGL-File"},
    {716, "Als DXF-Datei speichern", "  Save as DXF-File"},
    {804, "&Jahr ", "&Year :"},
    {812, "Dämmerung", "Twilight"},
    {830, "Berechne Zonenzeit für gegebenes Datum und Sonnen-&Azimut?",
     "&Evaluate Standard Time for given Date and Azimuth of Sun:"},
    {840, "Für  welche &Uhrzeit soll  die Position der Sonne berechnet werden?", "&Time for given Sun position :"},
    {845, "Sonnenhoehe und Azimut fuer ", "Sun Altitude and Azimuth for "},
    {903, "Dateiname ", "Filename :"},
    {904, "Vergrößerungsfaktor in y-Richtung : ", "Scaling-factor in direction y-axis: "},
    {912, "&Inklination [vert.= 90]", "&Inclination [vert.= 90]"},
    {913, "Frühestes/spätestes Streiflicht auf ebener Sonnenuhr ",
     "Earliest/latest streak of sunlight on plane sundial "},
};

TEST(Catalogue, QuotedTextsReadExactly) {
  for (const auto& e : kQuoted) {
    EXPECT_EQ(CatalogueText(e.number, Language::German), e.german) << "text " << e.number;
    EXPECT_EQ(CatalogueText(e.number, Language::English), e.english) << "text " << e.number + 2000;
  }
}

TEST(Catalogue, DialTypeListFollowsTheListOrder) {
  const std::vector<std::string> german = CatalogueList(183, 15, Language::German);
  ASSERT_EQ(german.size(), 15u);
  EXPECT_EQ(german.front(), "  &horizontale Sonnenuhr");
  EXPECT_EQ(german[1], "  &vertikale Sonnenuhr");
  EXPECT_EQ(german[9], "  &biazimutale Sonnenuhren");
  EXPECT_EQ(german.back(), "  Schi&nken Sonnenuhr");
  EXPECT_EQ(CatalogueList(183, 15, Language::English)[13], "  Bi&filar Sundial (according Michnik)");
}

TEST(Catalogue, OneArgumentFormsFollowTheCurrentLanguage) {
  LanguageGuard guard;
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(CatalogueText(7), "  &Close");
  EXPECT_EQ(TextWithoutAccelerator(7), "  Close");
  EXPECT_EQ(CatalogueList(46, 3), (std::vector<std::string>{" 1 per month", " 2 per month", " 3 per month"}));
  SetCurrentLanguage(Language::German);
  EXPECT_EQ(CatalogueText(7), " S&chließen");
  EXPECT_EQ(TextWithoutAccelerator(7), " Schließen");
  EXPECT_EQ(CatalogueList(160, 3), (std::vector<std::string>{"Einzelmonat", "1. Halbjahr", "2. Halbjahr"}));
}

TEST(Catalogue, TextWithoutAcceleratorRemovesEveryAmpersand) {
  struct Case {
    int number;
    Language language;
    const char* expected;
  };
  const Case cases[] = {
      {1, Language::German, " Nächstes... >"},
      {301, Language::English, "Latitude     "},
      {620, Language::English, "include longitude correction"},
      {20, Language::German, " Grad"},  // nothing to remove
      {222, Language::German, ""},      // no text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextWithoutAccelerator(c.number, c.language), c.expected) << c.number;
  }
}

TEST(Catalogue, ListsCoverExactlyCountNumbers) {
  EXPECT_TRUE(CatalogueList(46, 0, Language::German).empty());
  const auto list = CatalogueList(220, 3, Language::German);  // runs past the end of a range
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], CatalogueText(220, Language::German));
  EXPECT_EQ(list[1], "Symmetrische  EoT-Tabelle, Approximation");
  EXPECT_EQ(list[2], "");
}

TEST(CaptionToTitle, DropsAmpersandsAndColons) {
  struct Case {
    const char* caption;
    const char* title;
  };
  const Case cases[] = {
      {"&Geogr. Lage und Jahr", "Geogr. Lage und Jahr"},
      {"&Year :", "Year "},
      {"Fenster s&chließen", "Fenster schließen"},
      {"a&&b::c", "abc"},
      {"", ""},
      {"plain", "plain"},
  };
  for (const auto& c : cases) EXPECT_EQ(CaptionToTitle(c.caption), c.title) << c.caption;
}

TEST(TwoMessages, JoinsWithLineFeedThenCarriageReturn) {
  LanguageGuard guard;
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(TwoMessages(31, 32), "Error! The result is probably false.\n\r ");
  SetCurrentLanguage(Language::German);
  EXPECT_EQ(TwoMessages(2, 1), "Der Wert muss positiv sein!\n\rAktion abgebrochen!");
}

TEST(CharacterSlice, CountsCharactersNotBytes) {
  struct Case {
    const char* text;
    int first, last;
    const char* expected;
  };
  const Case cases[] = {
      {" &Ost", 3, 5, "Ost"},
      {" &Süd", 3, 5, "Süd"},
      {" &East", 3, 6, "East"},
      {" (Zonenmeridian = ", 3, 18, "Zonenmeridian = "},
      {"Länge", 2, 2, "ä"},
      {"Länge", 4, 100, "ge"},
      {"abc", 5, 9, ""},
      {"abc", 0, 2, "ab"},
      {"abc", 3, 2, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CharacterSlice(c.text, c.first, c.last), c.expected) << c.text << " " << c.first << ".." << c.last;
  }
  EXPECT_EQ(FirstCharacters("Größe", 3), "Grö");
  EXPECT_EQ(CharacterCount("Größe ß"), 7);
  EXPECT_EQ(CharacterCount(""), 0);
}

}  // namespace
}  // namespace skiagraf
