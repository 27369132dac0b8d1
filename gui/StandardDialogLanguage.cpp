#include "StandardDialogLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace skiagraf::gui {

namespace {

QTranslator& GermanQtTexts() {
  static QTranslator* translator = new QTranslator(QCoreApplication::instance());
  return *translator;
}

}  // namespace

bool ApplyStandardDialogLanguage(Language language) {
  QTranslator& german = GermanQtTexts();
  QCoreApplication::removeTranslator(&german);
  if (language != Language::German) return true;
  if (german.isEmpty() &&
      !german.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  QCoreApplication::installTranslator(&german);
  return true;
}

}  // namespace skiagraf::gui
