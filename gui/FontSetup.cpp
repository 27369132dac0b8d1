#include "FontSetup.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

constexpr char32_t kFirstZodiacSign = 0x2648;  // Aries
constexpr int kZodiacSigns = 12;

bool HasZodiacGlyphs(const QString& family) {
  const QRawFont raw = QRawFont::fromFont(QFont(family));
  if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return false;
  for (int sign = 0; sign < kZodiacSigns; ++sign)
    if (!raw.supportsCharacter(static_cast<uint>(kFirstZodiacSign + static_cast<char32_t>(sign)))) return false;
  return true;
}

QStringList Installed(const QStringList& families) {
  QStringList out;
  for (const QString& f : families)
    if (QFontDatabase::hasFamily(f)) out << f;
  return out;
}

}  // namespace

QStringList SubstituteCandidates(const QString& face) {
  const QString f = face.toLower();
  if (f == "arial") return {"Liberation Sans", "Arimo", "DejaVu Sans"};
  if (f == "times new roman") return {"Liberation Serif", "Tinos", "DejaVu Serif"};
  if (f == "courier new" || f == "courier") return {"Liberation Mono", "Cousine", "DejaVu Sans Mono"};
  // The old bitmap serif face has no metric twin; a Times-like serif comes closest.
  if (f == "ms serif") return {"Liberation Serif", "Tinos", "DejaVu Serif"};
  if (f == "wingdings") return {"DejaVu Sans", "Noto Sans Symbols", "Symbola", "FreeSerif", "DejaVu Serif"};
  return {};
}

QString ZodiacFontFamily() {
  static const QString family = [] {
    for (const QString& f : Installed(SubstituteCandidates("Wingdings")))
      if (HasZodiacGlyphs(f)) return f;
    for (const QString& f : QFontDatabase::families())
      if (HasZodiacGlyphs(f)) return f;
    return QString();
  }();
  return family;
}

void InstallFontSubstitutions() {
  for (const char* face : {"Arial", "Times New Roman", "Courier New", "Courier", "MS Serif"}) {
    const QStringList installed = Installed(SubstituteCandidates(face));
    // The desktop's own alias rules may pick any font for a missing face; the table
    // makes the choice ours. A face that is really installed is left alone.
    if (!installed.isEmpty() && !installed.contains(face, Qt::CaseInsensitive) &&
        !QFontDatabase::families().contains(face, Qt::CaseInsensitive))
      QFont::insertSubstitutions(face, installed);
  }
  const QString zodiac = ZodiacFontFamily();
  if (!zodiac.isEmpty() && !QFontDatabase::families().contains("Wingdings", Qt::CaseInsensitive))
    QFont::insertSubstitution("Wingdings", zodiac);
}

bool WarnWithoutZodiacFont(const QString& zodiacFamily) {
  if (!zodiacFamily.isEmpty()) return false;
  Ui().ShowMessage(Caption(CaptionKind::Warning), TwoMessages(60, 61), MessageIcon::Warning);
  return true;
}

}  // namespace skiagraf::gui
