#pragma once

#include <QString>
#include <QStringList>

namespace skiagraf::gui {

// The drawings name their faces as "Arial", "Times New Roman", "Courier New" (or
// "Courier"), "MS Serif" and the symbol face "Wingdings". Those fonts are rarely
// installed here, so each name is mapped to an installed font of the same metrics
// (Liberation Sans, Serif and Mono), and "Wingdings" to an installed font that has
// the Unicode zodiac symbols. A face that is really installed keeps its own font.
// Called once at start-up, after the application object exists.
void InstallFontSubstitutions();

// The installed faces tried for a drawing face, best first.
QStringList SubstituteCandidates(const QString& face);

// An installed font family that draws all twelve zodiac symbols (U+2648 ..
// U+2653); empty when there is none.
QString ZodiacFontFamily();

// The warning of messages 60 and 61 when `zodiacFamily` (the result of
// ZodiacFontFamily) is empty; nothing otherwise. True when it was shown.
bool WarnWithoutZodiacFont(const QString& zodiacFamily);

}  // namespace skiagraf::gui
