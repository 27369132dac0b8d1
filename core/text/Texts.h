#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/Language.h"

namespace skiagraf {

// Lookup of every bilingual text. The one-argument forms use CurrentLanguage().
// All texts are UTF-8.

// Kinds of message-box title, in the order of the caption table.
enum class CaptionKind {
  Attention = 1,
  Warning = 2,
  Error = 3,
  Information = 4,
  Problem = 5,
  Question = 6,
  SaveGraphics = 7,
  SaveConstruction = 8,
  LoadConstruction = 9,
  SaveTable = 10,
};

// Message-box title of a kind.
std::string Caption(CaptionKind kind);
std::string Caption(CaptionKind kind, Language language);

// Message n (0..71); "\n\r" inside a message is a line break. Out of range: "".
std::string Message(int n);
std::string Message(int n, Language language);

// Message(m1) + "\n\r" + Message(m2).
std::string TwoMessages(int m1, int m2);

// Numbered catalogue text: `number` is the German number (1..954); the English twin
// is number + 2000. A number with no text yields "". At most 255 characters.
std::string CatalogueText(int number);
std::string CatalogueText(int number, Language language);
// The same with every "&" removed.
std::string TextWithoutAccelerator(int number);
// Catalogue texts first .. first+count-1 as a list.
std::vector<std::string> CatalogueList(int first, int count);

// Phrase table entry n (0..234).
std::string Phrase(int n);
std::string Phrase(int n, Language language);
// Phrases first..last as a list (for radio groups and combo boxes).
std::vector<std::string> PhraseList(int first, int last);

// The annual-table radio group (tag 54) shows phrases 114..116 and, as its
// fourth item, the meridian-passage table; its caption is a phrase as well.
inline constexpr int kPhraseTransitTableItem = 119;
inline constexpr int kPhraseAnnualTableCaption = 120;

// Title table entry n (1..48).
std::string Title(int n);
std::string Title(int n, Language language);

// A menu caption without its "&" and ":" characters, used as a window title or label.
std::string CaptionToTitle(std::string_view caption);

// The same catalogue lookups for an explicit language.
std::string TextWithoutAccelerator(int number, Language language);
std::vector<std::string> CatalogueList(int first, int count, Language language);

// Characters first..last (1-based, inclusive) of a UTF-8 text, counted in
// characters rather than bytes, so that "characters 3..18 of a phrase" works
// with umlauts. Positions beyond the end are ignored.
std::string CharacterSlice(std::string_view text, int first, int last);
// At most `count` characters of a UTF-8 text.
std::string FirstCharacters(std::string_view text, int count);
// Number of characters (not bytes) of a UTF-8 text.
int CharacterCount(std::string_view text);

// ---- Main menu ----------------------------------------------------------

// Number of real entries of the main menu (separators excluded).
inline constexpr int kMenuCaptionCount = 45;

// The captions of every real menu entry in menu order: each menu of the menu
// bar is followed by its items, and a sub-menu item by the items of its
// sub-menu. Always kMenuCaptionCount entries, the last one "&About".
std::vector<std::string> MenuCaptions(Language language);
std::vector<std::string> MenuCaptions();
// Depth of entry `index` (0-based) of that list: 0 a menu of the menu bar,
// 1 an item of it, 2 an item of a sub-menu; -1 outside the list.
int MenuCaptionDepth(int index);

// ---- Dial-data labels, zodiac names and notes -----------------------------

// The labels of the dial-data block of planar dials.
enum class DialLabel {
  HorizontalTitle, VerticalTitle, IncliningTitle,
  HorizontalUmbrellaTitle, VerticalUmbrellaTitle, IncliningUmbrellaTitle,
  Latitude, Longitude, Declination, Inclination, GnomonHeight,
  StyleParallel, StyleIntersection, StyleOrthogonal, StyleAngle, StyleLength,
  SubstyleDirection, SubstyleShadowTime,
  Degrees, Millimetres, OClock,
  DaylightHoursHeading, Hours,
  DirectionToPole, DataInPoint, SunOnDialPlane,
};
inline constexpr int kDialLabelCount = 26;

std::string DialDataLabel(DialLabel label, Language language);
std::string DialDataLabel(DialLabel label);

// Name of zodiac sign 0..11, from the Ram on; "" outside.
std::string ZodiacName(int sign, Language language);
std::string ZodiacName(int sign);

// Note n (0..16) printed beside planar-dial data; "" outside.
std::string NoteText(int n, Language language);
std::string NoteText(int n);

// ---- Colour legend of the palette panel ---------------------------------

struct LegendRow {
  std::string pen;      // pen label, such as "3" or "11,12"; empty for a row without pen
  std::string meaning;  // what that pen draws, in the requested language
};

// Rows 1..96 of the legend table; an empty row outside.
inline constexpr int kLegendRowCount = 96;
LegendRow ColourLegendRow(int row, Language language);
// The twelve rows offset+1 .. offset+12 that the panel shows.
std::vector<LegendRow> ColourLegend(int offset, Language language);
std::vector<LegendRow> ColourLegend(int offset);
// Legend offset (0, 12, .., 84) of the dial family of a dial-type letter.
int ColourLegendOffset(char dialType, bool umbrella);
// "Farben für " / "Colors for " followed by the family's name (title 31..40).
std::string ColourLegendTitle(char dialType, bool umbrella, Language language);
std::string ColourLegendTitle(char dialType, bool umbrella);

// ---- Captions of the main window's own controls --------------------------

enum class ShellText {
  PopupSaveSettings, PopupLoad, PopupSaveDates, PopupLoadDates, PopupConstruction, PopupShowHints, PopupClose,
  WizardNext, WizardCancel, WizardHelp,
  PaletteColour,  // followed by the pen number and " :"
  PaletteLineWidth, PaletteThin, PaletteMedium, PaletteThick,
  PaletteSave, PaletteReset, PaletteLoad,
  GalleryStart, GalleryStop, GalleryInterval,
  AboutDescription, AboutLinkIntro, AboutLinkText, AboutLinkAddress, AboutVersion,
  PaletteTitle, GalleryTitle,
  SunAzimuthScale, SunNoDaylightSaving,
  DialogYes, DialogNo, DialogCancel,  // buttons of the question boxes
  HelpFileIntro, HelpFileNotFound, HelpFileNoHelp,  // "Help file " + name + " not found!" ...
  ExpertOn,                                         // after message 68
  QuitWithUnsavedSettings,                          // question when the program is closed
};
inline constexpr int kShellTextCount = 38;

std::string ShellCaption(ShellText text, Language language);
std::string ShellCaption(ShellText text);

// Caption of the photograph `number` of a dial type; "" for an unknown number.
std::string PictureCaption(int number, Language language);

// The zodiac sign 0..11 (from the Ram on) as its Unicode symbol (U+2648 ..
// U+2653), UTF-8; "" outside. Drawings write it with the symbol face "Wingdings",
// which the screen and printer map to an installed font that has these glyphs.
std::string ZodiacSymbol(int sign);

}  // namespace skiagraf
