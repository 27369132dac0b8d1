#pragma once

#include "text/Language.h"

namespace skiagraf::gui {

// Qt's own dialogs (file chooser, colour chooser, the buttons of message boxes) speak
// the program's language: the German Qt translations are installed for German and
// removed for English. False when the German translations are not on this machine
// (Debian package qt6-translations-l10n); the dialogs then stay English.
bool ApplyStandardDialogLanguage(Language language);

}  // namespace skiagraf::gui
