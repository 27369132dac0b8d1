#pragma once

#include "Recaption.h"
#include "TaskWindow.h"

class QPushButton;

namespace skiagraf::gui {

class MainWindow;

// What the three input windows share: they are steps 1, 2 and 3 of the guided
// creation, with a close button that becomes " &Nächstes... >" and a cancel button
// shown only there; closing runs the window's own validation first.
class InputTaskWindow : public TaskWindow, public Recaptionable {
  Q_OBJECT

 public:
  InputTaskWindow(const QString& name, int helpContext, int step, MainWindow* frame, QWidget* parent);

  bool CanClose() override { return skipCheck_ || CheckAll(); }

  // The window's closing validation (or transfer); false keeps it open.
  virtual bool CheckAll() = 0;

  // Close, or the next step of the guided creation, once CheckAll passes.
  void CloseOrNext();
  // Cancels the guided creation (or closes) without the validation.
  void CancelStep();

 protected:
  bool Guided() const;
  // True while the window is being closed after its check or by cancelling.
  bool Leaving() const { return skipCheck_; }
  // Creates the close button (named `closeName`, caption `closeTag`) and "btCancel"
  // (caption `cancelTag`, " Abbru&ch" unless given).
  void MakeStepButtons(const char* closeName, int closeTag, int cancelTag = 8);
  // Button captions, the cancel button's visibility and, in the guided creation, the
  // title "Sonnenuhr erstellen, Teil <step>".
  void RecaptionStep();
  void showEvent(QShowEvent* event) override;

  MainWindow* frame_;
  QPushButton* close_ = nullptr;
  QPushButton* cancel_ = nullptr;

 private:
  int step_;
  int closeTag_ = 7;
  bool skipCheck_ = false;
};

}  // namespace skiagraf::gui
