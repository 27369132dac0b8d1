#include "MenuLayout.h"

#include <string_view>

#include "text/Texts.h"

namespace skiagraf::gui {

const std::vector<MenuEntry>& MainMenuLayout() {
  static const std::vector<MenuEntry> layout = {
      {"Datei", "  &Datei  ", 0, true, ""},
      {"Sonnenuhrerstellen", "&Sonnenuhr erstellen", 1, false, "Alt+F1"},
      {"Fensterschliessen", "Fenster s&chließen", 1, false, "Alt+F3"},
      {"Druckereinrichten", "Drucker  &einrichten ...", 1, false, "", true},
      {"Drucken", "&Drucken  ...", 1, false, "F3"},
      {"Fensterausdrucken", "&Fenster ausdrucken", 1, false, ""},
      {"Beenden", "&Beenden", 1, false, "Alt+X", true},
      {"Optionen", "  &Optionen ", 0, true, ""},
      {"Lage", "&Geogr. Lage und Jahr", 1, false, "F5"},
      {"AuswahlTyp", "&Auswahl Sonnenuhrtyp", 1, false, "F6"},
      {"Parameter", "&Parameter der Sonnenuhr", 1, false, "F7"},
      {"Standardwerte", "Standardwerte laden", 1, false, "", true},
      {"SpeichernINI", "&Speichern in IN-.Datei", 1, false, "Alt+F2"},
      {"LadenINI", "&Laden der INI-Datei", 1, false, "Alt+F4"},
      {"Sonnenuhrdatenspeichern", "Sonnenuhrdaten speichern", 1, false, "F2", true},
      {"Sonnenuhrdatenladen", "Sonnenuhrdaten laden", 1, false, "F4"},
      {"Zeichnung", "  &Zeichnung ", 0, true, ""},
      {"Zeichnungerstellen", "&Zeichnung  erstellen", 1, false, "F8"},
      {"DINA4", "in  DIN-A&4  ", 1, false, "", true},
      {"DINA3", "in  DIN-A&3 ", 1, false, ""},
      {"Farbpalette", "&Farbpalette ...", 1, false, "Alt+F8", true},
      {"Berechnungen", "  &Berechnungen ", 0, true, ""},
      {"AufUntergang", "&Auf- / Untergang der Sonne", 1, false, "F9"},
      {"Sonnenstand", "&Sonnenstand berechnen", 1, false, "F10"},
      {"ZeitFuerSonnenstand", "&Zeit für gegebenen Sonnenstand", 1, false, "F11"},
      {"Zeitgleichung", "Z&eitgleichung und Sonnendeklination", 1, false, "F12"},
      {"Tabellen", "&Tabellen", 1, true, "", true},
      {"TabAufUntergang", "Auf- / Untergang von Sonne und Mond", 2, false, "Alt+F9"},
      {"TabZeitgleichung", "Zeitgleichung im Jahr", 2, false, "Alt+F12"},
      {"TabDeklination", "Sonnendeklination im Jahr", 2, false, "Alt+F10"},
      {"TabMittag", "Wahrer Mittag im Jahr", 2, false, "Alt+F11"},
      {"GraphZeitgleichung", "  &Graph der Zeitgleichung", 1, false, "Ctrl+F12"},
      {"SonnenstandGraph", "Sonnenstand &Graph", 1, true, ""},
      {"GraphRechteckig", "rechtwinkliges Sonnenstandsdiagramm", 2, false, "Ctrl+F10"},
      {"GraphPolar", "polares Sonnenstandsdiagramm", 2, false, "Ctrl+F11"},
      {"Hilfe", "  &Hilfe ", 0, true, ""},
      {"HilfeIndex", "&Hilfe  Index", 1, false, "F1"},
      // The wizard's short-cut belongs to the Datei entry; one key, one command.
      {"HilfeSonnenuhrerstellen", "Sonnenuhr &erstellen", 1, false, ""},
      {"Expertenmode", "Experten Mode", 1, false, "Ctrl+Alt+X", true},
      {"Sprache", "&Sprache", 1, true, ""},
      {"Deutsch", "&Deutsch", 2, false, "Ctrl+D"},
      {"English", "&English", 2, false, "Ctrl+E"},
      {"Hinweise", "Hinweise", 1, false, ""},
      {"About", "&About", 1, false, "", true},
  };
  return layout;
}

std::vector<std::string> MainMenuCaptions(Language language) {
  (void)language;
  return {};
}

}  // namespace skiagraf::gui

namespace skiagraf::gui {

std::string MenuCaption(const char* name) {
  const auto& layout = MainMenuLayout();
  const std::vector<std::string> captions = MainMenuCaptions(CurrentLanguage());
  for (size_t i = 0; i < layout.size(); ++i)
    if (std::string_view(layout[i].name) == name)
      return captions.size() == layout.size() ? captions[i] : std::string(layout[i].caption);
  return {};
}

}  // namespace skiagraf::gui
