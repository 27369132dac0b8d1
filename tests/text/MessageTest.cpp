#include <gtest/gtest.h>

#include "text/Texts.h"
#include "text/TextTestSupport.h"

namespace skiagraf {
namespace {

TEST(Messages, EveryNumberHasBothTextsAndNoneOutside) {
  for (int n = 0; n <= 71; ++n) {
    EXPECT_FALSE(Message(n, Language::German).empty()) << n;
    EXPECT_FALSE(Message(n, Language::English).empty()) << n;
  }
  for (int n : {-1, 72, 500}) {
    EXPECT_EQ(Message(n, Language::German), "") << n;
    EXPECT_EQ(Message(n, Language::English), "") << n;
  }
}

TEST(Messages, QuotedMessagesReadExactly) {
  struct Case {
    int number;
    const char* german;
    const char* english;
  };
  const Case cases[] = {
      {0, "Wandabweichung muss im Bereich [-180 ° ... +180 °] liegen!",
       "Deviation of wall must be in between [-180 ° ... +180 °] !"},
      {3, "Die Inklination muss im Bereich [0 ° ... +175 °] liegen!\n\rFür Inklination 0° \"horizontale Sonnenuhr\" wählen!",
       "The inclination has to be in between [0 ° ... +175 °]. \n\rFor inclination 0 degrees select \"horizontal sundial\""},
      {20, " konnte nicht gelöscht werden!", ": Could not delete this file!"},
      {26, "Dieses Kalenderdatum existiert nicht. 1582/10/15 ist der korrigierte Wert für die Berechnung!",
       "This date does not exist. Correction to 15/10/1582 is is done for calculation!"},
      {32, "Ergebnis ist eventuell falsch!", " "},
      {33, " fehlt. (Weitere Information im Menü \r\"Hilfe / Hilfe Index\" unter dem Stichwort INI-Datei!",
       "File missing. For generating it have a look\rat menu \"Help / HelpIndex\"!"},
      {55, "    Wechsel des Experten-Modus im Menü \"Hilfe\".", "    Change of Expert mode in menu ´Help´."},
      {71, "Farben in skiag.ini gespeichert!", "Colors saved in INI-File skiag.ini!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Message(c.number, Language::German), c.german) << c.number;
    EXPECT_EQ(Message(c.number, Language::English), c.english) << c.number;
  }
}

TEST(Captions, TenKindsInBothLanguages) {
  struct Case {
    CaptionKind kind;
    const char* german;
    const char* english;
  };
  const Case cases[] = {
      {CaptionKind::Attention, "SKIAGRAF.EXE - Achtung!", "SKIAGRAF.EXE - Attention!"},
      {CaptionKind::Information, "SKIAGRAF.EXE - Information!", "SKIAGRAF.EXE - Information!"},
      {CaptionKind::Question, "SKIAGRAF.EXE - Was nun?", "SKIAGRAF.EXE - Question"},
      {CaptionKind::SaveTable, "SKIAGRAF.EXE - Tabelle speichern", "SKIAGRAF.EXE - Save Table"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Caption(c.kind, Language::German), c.german);
    EXPECT_EQ(Caption(c.kind, Language::English), c.english);
  }
  EXPECT_EQ(Caption(static_cast<CaptionKind>(0), Language::German), "");
  EXPECT_EQ(Caption(static_cast<CaptionKind>(11), Language::English), "");
  LanguageGuard guard;
  SetCurrentLanguage(Language::English);
  EXPECT_EQ(Caption(CaptionKind::Error), "SKIAGRAF.EXE - Error!");
  EXPECT_EQ(Message(1), "Action cancelled!");
}

}  // namespace
}  // namespace skiagraf
