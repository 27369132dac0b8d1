// Texts of the application shell: the captions of the main menu in menu order,
// the dial-data labels, the zodiac names, the notes beside planar-dial data and
// the colour legend of the palette panel.
#pragma once

#include "text/TextPair.h"

namespace skiagraf::text_data {

// One real entry of the main menu (separators are not entries). Depth 0 is a
// menu of the menu bar, 1 an item of it, 2 an item of a sub-menu.
struct MenuCaptionEntry {
  TextPair caption;
  int depth;
};

inline constexpr int kMenuCaptionCount = 45;

inline constexpr MenuCaptionEntry kMenuCaptions[kMenuCaptionCount] = {
    {{"  &Datei  ", "  &Files  "}, 0},
    {{"&Sonnenuhr erstellen", "&Generate Dial (Wizard)"}, 1},
    {{"Fenster s&chließen", "&Close all Windows"}, 1},
    {{"Drucker &einrichten", "Printer &Setup"}, 1},
    {{"&Drucken...", "&Print..."}, 1},
    {{"&Fenster ausdrucken", "Print &Window"}, 1},
    {{"&Beenden", "&Quit"}, 1},
    {{"  &Optionen ", "   &Options "}, 0},
    {{"&Geogr. Lage und Jahr", "&Reference Year and Location"}, 1},
    {{"&Auswahl Sonnenuhrtyp", "&Type of Sundial"}, 1},
    {{"Eingabedaten für Sonnenuhr", "&Input of Sundial Data"}, 1},
    {{"S&tandardwerte laden", "Load &Default Values"}, 1},
    {{"&INI-Datei speichern", "&Save INI-File"}, 1},
    {{"I&NI-Datei nochmals laden", "Re&load INI-File"}, 1},
    {{"Sonnenuhrdaten &speichern als...", "S&ave Sundial Data as..."}, 1},
    {{"Sonnenuhrdaten &laden von...", "L&oad Sundial Data from..."}, 1},
    {{"  &Zeichnung  ", "  &Drawing  "}, 0},
    {{"&Zeichnung  erstellen", "&Create Drawing"}, 1},
    {{"&Bildschirmanzeige", "&Screen Display"}, 1},
    {{"in  DIN-A&4  ", "like  DIN-A&4  "}, 2},
    {{"in  DIN-A&3 ", "like  DIN-A&3 "}, 2},
    {{"&Farbpalette ...", "&Color Palette ..."}, 1},
    {{"  &Berechnungen  ", "  &Calculations  "}, 0},
    {{"&Auf- / Untergang der Sonne", "&Sunrise / Sunset"}, 1},
    {{"&Sonnenstand berechnen", "Sun &Position"}, 1},
    {{"&Zeit für gegebenen Sonnenstand", "&Time for given Sun Position"}, 1},
    {{"Z&eitgleichung und Sonnendeklination", "&Equation of Time and Sun Declination"}, 1},
    {{"&Tabellen", "T&ables"}, 1},
    {{"Auf- / Untergang von Sonne und &Mond", "Rise and Set of Sun and &Moon"}, 2},
    {{"&Zeitgleichung im Jahr", "Annual &Equation of Time"}, 2},
    {{"Sonnen&deklination im Jahr", "Annual Sun &Declination"}, 2},
    {{"Wahrer &Mittag im Jahr", "Annual Local Apparent &Noon"}, 2},
    {{"  &Graph der Zeitgleichung", "  &Graph of Equation of Time"}, 1},
    {{"Sonnenstand &Graph", "Sun Position G&raph"}, 1},
    {{"&rechtwinkliges Sonnenstandsdiagramm", "&Rectangular Sun Path Diagram"}, 2},
    {{"&polares Sonnenstandsdiagramm", "&Polar Sun Path Diagram"}, 2},
    {{"  &Hilfe  ", "  &Help  "}, 0},
    {{"&Hilfe  Index", "&Help  Index"}, 1},
    {{"Sonnenuhr &erstellen", "&Generate Sundial"}, 1},
    {{"Experten Mode", "Expert Mode"}, 1},
    {{"&Sprache", "&Language"}, 1},
    {{"&Deutsch", "&Deutsch"}, 2},
    {{"&English", "&English"}, 2},
    {{"Hinweise", "Show Hints"}, 1},
    {{"&About", "&About"}, 1},
};

// Labels of the dial-data block of planar dials, in the order of DialLabel.
inline constexpr int kDialLabelCount = 26;

inline constexpr TextPair kDialLabels[kDialLabelCount] = {
    {"horizontale SONNENUHR", "horizontal SUNDIAL"},
    {"vertikale SONNENUHR", "vertical SUNDIAL"},
    {"inklinierende SONNENUHR", "inclining SUNDIAL"},
    {"horizontale SCHIRMUHR", "horizontal Umbrella Sundial"},
    {"vertikale SCHIRMUHR", "vertical Umbrella Sundial"},
    {"SCHIRMUHR,pultförmig", "inclining Umbrella Sundial"},
    {"     Geogr. Breite:", "     Latitude     :"},
    {"     Geogr. Länge :", "     Longitude    :"},
    {"     Deklination der Uhr (Süd-Abweichung):", "     Declination of dial (in degrees)    :"},
    {"     Neigung der Uhrenebene (in Grad)    :", "     Inclination of dial (in degrees)    :"},
    {"     Gnomonhöhe normal zum Zifferblatt   :", "     Length of gnomon, orthogonal to dial:"},
    {"     Polstab parallel zur Sonnenuhr!", "     Polar-pointing style parallel to face"},
    {"     Durchstosspunkt des Polstabes       : S(", "     Intersection of style and dial face : S("},
    {"     Polstab rechtwinklig zum Zifferblatt        ", "     Polar-pointing style orthogonal to dial face"},
    {"     Winkel zw. Substilare und Polstab   :", "     Angle from dial face to pole style  :"},
    {"     Länge des Polstabes                 :", "     Length of pole style                :"},
    {"     Richtung der Substilare in P(0/0)   :", "     Direction of sub-style in P(0/0)    :"},
    {"     Schatten auf Substilare um (WOZ)    :", "     Shadow on sub-style (local app.time):"},
    {" Grad", " deg "},
    {" [ mm ]", " [ mm ]"},
    {" Uhr", " o´clock"},
    {"Sonnendeklination f. Tage mit ganzzahliger StundenAnzahl", "Sun declinations for days with integer sunshine hours"},
    {"Std.", "hours"},
    {"     Richtung Sonnenuhr-Standpunkt -> Pol:", "     Direction dial position -> pole P:  "},
    {" Daten der Sonnenuhr im Punkt ", " Data of sundial in point "},
    {"Sonne auf dem Zifferblatt: ", "Sun on Sundial Plane: "},
};

// The twelve signs, from the Ram (start at the vernal equinox) on.
inline constexpr TextPair kZodiacNames[12] = {
    {"Widder", "Ram"},         {"Stier", "Bull"},      {"Zwilling", "Twins"},      {"Krebs", "Crab"},
    {"Löwe", "Lion"},          {"Jungfrau", "Virgin"}, {"Waage", "Balance"},       {"Skorpion", "Scorpion"},
    {"Schütze", "Archer"},     {"Steinbock", "Goat"},  {"Wassermann", "Water-Bearer"}, {"Fische", "Fishes"},
};

// Notes printed beside the data of planar dials (0..16).
inline constexpr int kNoteCount = 17;

inline constexpr TextPair kNotes[kNoteCount] = {
    {"Hinweise:", "Notes:"},
    {"Wandabweichung: Abweichung der Wandnormalen von Süden, nach Osten negativ.",
     "Wall declination: deviation of the face's normal from south, negative towards east."},
    {"Geogr. Länge: östlich von Greenwich negativ.", "Longitude: negative east of Greenwich."},
    {"Geogr. Breite: südlich des Äquators negativ.", "Latitude: negative south of the equator."},
    {"Alle Längen in Millimetern.", "All lengths in millimetres."},
    {"P(0/0) ist der Fußpunkt des Gnomons.", "P(0/0) is the foot of the gnomon."},
    {"Der Gnomon steht senkrecht auf dem Zifferblatt.", "The gnomon stands perpendicular to the dial face."},
    {"Die Spitze des Gnomons wirft den Schatten auf die Datumslinien.",
     "The tip of the gnomon casts its shadow onto the date lines."},
    {"Der Polstab zeigt zum Himmelspol.", "The polar style points to the celestial pole."},
    {"S ist der Durchstoßpunkt des Polstabs durch die Zifferblattebene.",
     "S is the point where the polar style meets the dial plane."},
    {"Die Substilare ist die senkrechte Projektion des Polstabs auf das Zifferblatt.",
     "The sub-style is the perpendicular projection of the style onto the dial."},
    {"Winkel in Grad, Zeiten in Stunden.", "Angles in degrees, times in hours."},
    {"WOZ = wahre Ortszeit, MOZ = mittlere Ortszeit.", "WOZ = local apparent time, MOZ = local mean time."},
    {"Zeitgleichung = wahre minus mittlere Zeit.", "Equation of time = apparent minus mean time."},
    {"Sommerzeit ist nicht berücksichtigt.", "Daylight saving time is not applied."},
    {"Die Datumslinien gelten für das gewählte Jahr.", "The date lines are valid for the selected year."},
    {"Konstruiert mit Skiagraf.", "Constructed with Skiagraf."},
};

// The colour legend: eight groups of twelve rows; the palette panel shows the
// twelve rows after the legend offset of the selected dial family. A row names
// the pen (or pens) and what it draws; rows without a pen label stay empty.
struct LegendEntry {
  const char* pen;
  TextPair meaning;
};

inline constexpr int kLegendRowCount = 96;

inline constexpr LegendEntry kLegend[kLegendRowCount] = {
    // Offset 0: horizontal, vertical and inclining dials
    {"1", {"= Deklinationslinien", "= declination lines"}},
    {"2", {"= volle Stunden mit EoT", "= full hours with EoT"}},
    {"3", {"= volle Stunden ohne EoT", "= full hours without EoT"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Sonnenhöhe", "= lines for sun altitude"}},
    {"6", {"= Italische Stunden", "= Italian hours"}},
    {"7", {"= Babylonische Stunden", "= Babylonian hours"}},
    {"8", {"= Unterteilung der vollen Stunden", "= hour lines for not full hours"}},
    {"9", {"= Koordinaten", "= grid (coordinates)"}},
    {"10", {"= Temporalstunden", "= temporal hours"}},
    {"11", {"= Küstenlinien", "= coast lines"}},
    {"12", {"= Grenzen", "= boundaries"}},
    // Offset 12: bifilar and umbrella dials
    {"1", {"= Deklinationslinien", "= declination lines"}},
    {"2", {"= Stundenlinien mit Zeitglg.", "= hour lines with EoT"}},
    {"3", {"= volle Stunden ohne EoT", "= full hours without EoT"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Fäden bzw. Schirmrand", "= threads or umbrella rim"}},
    {"6", {"= Italische Stunden", "= Italian hours"}},
    {"7", {"= Babylonische Stunden", "= Babylonian hours"}},
    {"8", {"= Unterteilung der vollen Stunden", "= hour lines for not full hours"}},
    {"9", {"= Koordinaten", "= grid (coordinates)"}},
    {"10", {"= Temporalstunden", "= temporal hours"}},
    {"11", {"= Schattenkegel (Markierung)", "= shadow cone (marking)"}},
    {"", {"", ""}},
    // Offset 24: quadrant and vertical altitude dials
    {"1", {"= Rahmen und Winkelmesser", "= frame and protractor"}},
    {"2", {"= volle Stunden", "= full hours"}},
    {"3", {"= Unterteilung der Stunden", "= subdivided hours"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Kreisbögen", "= arcs"}},
    {"6", {"= Datumsbögen (Tierkreis)", "= date arcs (zodiac)"}},
    {"7", {"= Azimutlinien (Gunter)", "= azimuth lines (Gunter)"}},
    {"8", {"= Datumsbögen (Unterteilung)", "= date arcs (subdivision)"}},
    {"9", {"= Koordinaten", "= grid (coordinates)"}},
    {"10", {"= Temporalstunden", "= temporal hours"}},
    {"12", {"= Skalen Hintergrund", "= scale background"}},
    {"", {"", ""}},
    // Offset 36: cylinder dials
    {"1", {"= Rahmen und Azimutnetz", "= frame and azimuth grid"}},
    {"2", {"= Stundenlinien vormittags", "= a.m. hour lines"}},
    {"3", {"= Stundenlinien nachmittags", "= p.m. hour lines"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Stundenlinien mit Zeitglg.", "= hour lines with EoT"}},
    {" 6, 7", {"= Italische und Babylonische Stunden", "= Italian and Babylonian hours"}},
    {"8", {"= Farbe der Skala für Sonnenhöhe", "= colour of the sun-altitude scale"}},
    {"9,10", {"= Temporalstunden", "= temporal hours"}},
    {"", {"   ( 3 = für Teile der Stunde)", "   ( 3 = for parts of the hour)"}},
    {"", {"", ""}},
    {"", {"", ""}},
    {"", {"", ""}},
    // Offset 48: horizontal altitude dial
    {"1", {"= Datumslinien", "= date lines"}},
    {"2", {"= volle Stunden mit EoT", "= full hours with EoT"}},
    {"3", {"= volle Stunden ohne EoT", "= full hours without EoT"}},
    {"4", {"= Text", "= text"}},
    {"5,9", {"= Schattenkante, Skalen", "= shadow edge, scales"}},
    {"7", {"= senkrechte Fläche", "= vertical face"}},
    {"8", {"= Unterteilung der vollen Stunden", "= hour lines for not full hours"}},
    {"10", {"= Temporalstunden", "= temporal hours"}},
    {"11,12", {"= Monatsskala", "= month scale"}},
    {"", {"", ""}},
    {"", {"", ""}},
    {"", {"", ""}},
    // Offset 60: ring dial
    {"1", {"= Ringumriss", "= outline of the ring"}},
    {"2", {"= volle Stunden", "= full hours"}},
    {"3", {"= Unterteilung der Stunden", "= subdivided hours"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Ringloch", "= gnomon hole"}},
    {"6", {"= Italische Stunden", "= Italian hours"}},
    {"7", {"= Babylonische Stunden", "= Babylonian hours"}},
    {"8", {"= Datumsmarken", "= date marks"}},
    {"9", {"= Kreisbogen Farbring (nur Screen), Koordinaten", "= arc of the colour ring (screen only), grid"}},
    {"10", {"= Temporalstunden", "= temporal hours"}},
    {"12", {"= Farbring", "= colour ring"}},
    {"", {"", ""}},
    // Offset 72: azimuthal dials
    {"1", {"= Rahmen mit Datumsmarken", "= frame with date marks"}},
    {"2", {"= Stundenlinien mit Zeitglg.", "= hour lines with EoT"}},
    {"3", {"= volle Stunden ohne EoT", "= full hours without EoT"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Azimutlinien", "= azimuth lines"}},
    {"6", {"= Mitte Tierkreiszeichen, 16. des Monats", "= middle of zodiac sign, 16th of month"}},
    {"7", {"= Beginn Tierkreiszeichen, Monatsanfang", "= begin of zodiac sign, 1st of month"}},
    {"8", {"= Höhenkreise", "= altitude circles"}},
    {"9", {"= Netz für Datumslinien (Tierkreis)", "= grid for date lines (zodiac)"}},
    {"10", {"= Temporalstunden", "= temporal hours"}},
    {"11", {"= Horizontprofil", "= horizon profile"}},
    {"12", {"= Ekliptik", "= ecliptic"}},
    // Offset 84: biazimuthal, mean-time, Sawyer and Peaucellier dials
    {"1", {"= Deklinationslinien", "= declination lines"}},
    {"2", {"= Stundenlinien mit Zeitglg.", "= hour lines with EoT"}},
    {"3", {"= volle Stunden ohne EoT", "= full hours without EoT"}},
    {"4", {"= Text", "= text"}},
    {"5", {"= Linien für Sonnenauf- und -untergang", "= lines for sunrise and sunset"}},
    {"6", {"= Datumslinien (Unterteilung)", "= date lines (subdivision)"}},
    {"7", {"= Achterschleifen", "= figure-eight loops"}},
    {"8", {"= Unterteilung der vollen Stunden", "= hour lines for not full hours"}},
    {"9", {"= Koordinaten", "= grid (coordinates)"}},
    {"10", {"= Kegel und Zeiger", "= cone and gnomon"}},
    {"11,12", {"= Küstenlinien, Grenzen", "= coast lines, boundaries"}},
    {"", {"", ""}},
};

inline constexpr TextPair kLegendTitlePrefix = {"Farben für ", "Colors for "};

// Captions of the main window's own controls that are not menu entries: the
// right-button menus, the palette panel, the gallery and the about panel. In the
// order of ShellText.
inline constexpr TextPair kShellTexts[] = {
    {"Speichern P.", "Save Settings"},
    {"Laden", "Load"},
    {"Speichern Datum", "Save Dates"},
    {"LadDatum", "Load Dates"},
    {"Sonnenuhrkonstruktion", "Sundial Construction"},
    {"Show hints", "Show hints"},
    {"Schliessen", "Close"},
    {"&Weiter   > ...", "&Next   > ..."},
    {"&Abbrechen", "&Cancel"},
    {"Hilfe", "Help"},
    {"Farbe ", "Color "},
    {"   &Linienstärke    ", "   Line &Width    "},
    {"dünn", "thin"},
    {"mittel", "medium"},
    {"stark", "thick"},
    {"Farben &speichern", "&Save Colors"},
    {"Farben &reset", "&Reset Colors"},
    {"Farben &laden", "&Load Colors"},
    {"&Start Photo Gallery", "&Start Photo Gallery"},
    {"Galerie &anhalten", "S&top Photo Gallery"},
    {"Bildwechsel alle", "Next picture every"},
    {"Skiagraf entwirft Sonnenuhren von rund zwanzig Arten für jeden Ort und jedes Jahr, druckt sie in "
     "wahrer Größe und speichert sie als HPGL- und DXF-Zeichnung. Es berechnet den Sonnenstand, Sonnenauf- "
     "und -untergang, Dämmerung, Mondauf- und -untergang sowie Tabellen und Diagramme der Zeitgleichung.",
     "Skiagraf designs sundials of some twenty types for any place and year, prints them at true size and "
     "saves them as HPGL and DXF drawings. It computes the position of the sun, sunrise, sunset, twilight, "
     "moonrise and moonset, and tables and diagrams of the equation of time."},
    {"Über Sonnenuhren:", "About sundials:"},
    {"Sonnenuhr (Wikipedia)", "Sundial (Wikipedia)"},
    {"https://de.wikipedia.org/wiki/Sonnenuhr", "https://en.wikipedia.org/wiki/Sundial"},
    {"Version", "Version"},
    {"Farbpalette", "Color Palette"},
    {"Fotogalerie", "Photo Gallery"},
    {"[ N= -180° ..<..  O= -90° ..<..  S= 0° ..<..  W= +90° ..<..  N=+180°  ] ",
     "[ N= -180° ..<..  E= -90° ..<..  S= 0° ..<..  W= +90° ..<..  N=+180°  ] "},
    {"Alle Zeitangaben sind Zonenzeit, niemals Sommerzeit !",
     "All times are standard (zone) time, never daylight saving time!"},
    {"&Ja", "&Yes"},
    {"&Nein", "&No"},
    {"Abbrechen", "Cancel"},
    {"Help file ", "Help file "},
    {" not found!", " not found!"},
    {"Therefore no help information included!", "Therefore no help information included!"},
    {" on!", " on!"},
    {"Die Einstellungen sind geändert und noch nicht gespeichert.\nSollen sie in der INI-Datei gespeichert werden?",
     "The settings have changed and are not saved yet.\nSave them in the INI file?"},
};

// Captions of the photographs of dial types, by picture number.
struct PictureCaptionEntry {
  int number;
  TextPair caption;
};

inline constexpr PictureCaptionEntry kPictureCaptions[] = {
    {1105, {"Horizontale Sonnenuhr", "Horizontal sundial"}},
    {1106, {"Vertikale Sonnenuhr", "Vertical sundial"}},
    {3000, {"Vertikale Süduhr", "Vertical Dial"}},
    {3019, {"Vertikale abweichende Sonnenuhr", "Vertical Declining Dial"}},
    {3001, {"Schirmsonnenuhr", "Umbrella dial"}},
    {3002, {"Schirmsonnenuhr, geneigt", "Umbrella dial, inclined"}},
    {3003, {"Azimutalsonnenuhr", "Azimuthal dial"}},
    {3004, {"Quadrant", "Quadrant"}},
    {3022, {"Gunter-Quadrant", "Gunter quadrant"}},
    {3005, {"Hirtensonnenuhr", "Shepherd's dial"}},
    {3006, {"Horizontale Höhensonnenuhr", "Horizontal altitude dial"}},
    {3017, {"Ringsonnenuhr", "Ring dial"}},
    {3018, {"Bauernring", "Farmer's ring"}},
    {3007, {"Ringsonnenuhr, Skala", "Ring dial, scale"}},
    {3008, {"Sonnenuhr für mittlere Zeit", "Mean time dial"}},
    {3009, {"Horizontoskop", "Horizontoscope"}},
    {3010, {"Habermel-Sonnenuhr I", "Habermel dial I"}},
    {3011, {"Habermel-Sonnenuhr II", "Habermel dial II"}},
    {3012, {"Azimutale Zylindersonnenuhr", "Azimuthal cylinder dial"}},
    {3013, {"Polstab-Zylinderuhr", "Cylinder dial with polar style"}},
    {3014, {"Hutsonnenuhr", "Hat dial"}},
    {3015, {"Stereographische Sonnenuhr", "Stereographic dial"}},
    {3016, {"Biazimutale Sonnenuhr", "Compressed (biazimuthal) dial"}},
    {3021, {"Biazimutale Sonnenuhr, vertikal", "Compressed dial, vertical"}},
    {3020, {"Biazimutale Sonnenuhr, Brennpunkte", "Compressed dial, focus points"}},
    {3023, {"Biazimutale Sonnenuhr, Ellipse", "Compressed dial, ellipse"}},
};

}  // namespace skiagraf::text_data
