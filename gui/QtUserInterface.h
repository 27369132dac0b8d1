#pragma once

#include <QString>

#include "base/UserInterface.h"

class QWidget;

namespace skiagraf::gui {

// Shows the core's messages, questions, input boxes and file choices as Qt dialogs.
// Installed by main.cpp for the whole run of the desktop program.
class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
  Answer Ask(const std::string& title, const std::string& text, QuestionButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
  std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;

 private:
  QWidget* parent_;
};

// The stored texts mark line breaks with "\n\r" (and sometimes a lone "\r");
// a message box wants plain "\n".
QString DisplayText(const std::string& text);

// "Description (*.ext)|*.ext|..." as the text tables store it, turned into Qt's
// "Description (*.ext);;..." filter string.
QString QtFileFilter(const std::string& filter);

}  // namespace skiagraf::gui
