#include "MenuLayout.h"

#include <string_view>

#include "text/Texts.h"

namespace skiagraf::gui {

const std::vector<MenuEntry>& MainMenuLayout() {
  static const std::vector<MenuEntry> layout = {
      {"Datei", 0, true, ""},
      {"Sonnenuhrerstellen", 1, false, "Alt+F1"},
      {"Fensterschliessen", 1, false, "Alt+F3"},
      {"Druckereinrichten", 1, false, "", true},
      {"Drucken", 1, false, "F3"},
      {"Fensterausdrucken", 1, false, ""},
      {"Beenden", 1, false, "Alt+X", true},
      {"Optionen", 0, true, ""},
      {"Lage", 1, false, "F5"},
      {"AuswahlTyp", 1, false, "F6"},
      {"Parameter", 1, false, "F7"},
      {"Standardwerte", 1, false, "", true},
      {"SpeichernINI", 1, false, "Alt+F2"},
      {"LadenINI", 1, false, "Alt+F4"},
      {"Sonnenuhrdatenspeichern", 1, false, "F2", true},
      {"Sonnenuhrdatenladen", 1, false, "F4"},
      {"Zeichnung", 0, true, ""},
      {"Zeichnungerstellen", 1, false, "F8"},
      {"Bildschirmanzeige", 1, true, "", true},
      {"DINA4", 2, false, ""},
      {"DINA3", 2, false, ""},
      {"Farbpalette", 1, false, "Alt+F8", true},
      {"Berechnungen", 0, true, ""},
      {"AufUntergang", 1, false, "F9"},
      {"Sonnenstand", 1, false, "F10"},
      {"ZeitFuerSonnenstand", 1, false, "F11"},
      {"Zeitgleichung", 1, false, "F12"},
      {"Tabellen", 1, true, "", true},
      {"TabAufUntergang", 2, false, "Alt+F9"},
      {"TabZeitgleichung", 2, false, "Alt+F12"},
      {"TabDeklination", 2, false, "Alt+F10"},
      {"TabMittag", 2, false, "Alt+F11"},
      {"GraphZeitgleichung", 1, false, "Ctrl+F12"},
      {"SonnenstandGraph", 1, true, ""},
      {"GraphRechteckig", 2, false, "Ctrl+F10"},
      {"GraphPolar", 2, false, "Ctrl+F11"},
      {"Hilfe", 0, true, ""},
      {"HilfeIndex", 1, false, "F1"},
      // The wizard's short-cut belongs to the Datei entry; one key, one command.
      {"HilfeSonnenuhrerstellen", 1, false, ""},
      {"Expertenmode", 1, false, "Ctrl+Alt+X", true},
      {"Sprache", 1, true, ""},
      {"Deutsch", 2, false, "Ctrl+D"},
      {"English", 2, false, "Ctrl+E"},
      {"Hinweise", 1, false, ""},
      {"About", 1, false, "", true},
  };
  return layout;
}

std::vector<std::string> MainMenuCaptions(Language language) { return MenuCaptions(language); }

}  // namespace skiagraf::gui

namespace skiagraf::gui {

std::string MenuCaption(const char* name) {
  const auto& layout = MainMenuLayout();
  const std::vector<std::string> captions = MainMenuCaptions(CurrentLanguage());
  for (size_t i = 0; i < layout.size(); ++i)
    if (std::string_view(layout[i].name) == name)
      return captions[i];
  return {};
}

}  // namespace skiagraf::gui
