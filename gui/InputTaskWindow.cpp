#include "InputTaskWindow.h"

#include <QPushButton>

#include "InputWidgets.h"
#include "MainWindow.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {
constexpr int kNextStepTag = 1;  // " &Nächstes... >"
constexpr int kStepTitle = 12;   // "Sonnenuhr erstellen, Teil "
}  // namespace

InputTaskWindow::InputTaskWindow(const QString& name, int helpContext, int step, MainWindow* frame, QWidget* parent)
    : TaskWindow(name, helpContext, parent), frame_(frame), step_(step) {}

bool InputTaskWindow::Guided() const { return frame_ && frame_->Wizard() != MainWindow::WizardState::None; }

void InputTaskWindow::MakeStepButtons(const char* closeName, int closeTag, int cancelTag) {
  closeTag_ = closeTag;
  close_ = new QPushButton(this);
  close_->setObjectName(closeName);
  SetTag(close_, closeTag);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("btCancel");
  SetTag(cancel_, cancelTag);
  connect(cancel_, &QPushButton::clicked, this, &InputTaskWindow::CancelStep);
}

void InputTaskWindow::CloseOrNext() {
  if (!CheckAll()) return;
  skipCheck_ = true;  // checked just now: closing needs no second run
  if (Guided()) frame_->WizardNext();
  else CloseTask();
  skipCheck_ = false;
}

void InputTaskWindow::CancelStep() {
  skipCheck_ = true;
  if (frame_) frame_->WizardCancel();
  else CloseTask();
  skipCheck_ = false;
}

void InputTaskWindow::RecaptionStep() {
  const bool guided = Guided();
  cancel_->setVisible(guided);
  close_->setText(ToQ(CatalogueText(guided ? kNextStepTag : closeTag_)));
  if (guided) setWindowTitle(ToQ(Title(kStepTitle)) + QString::number(step_));
}

void InputTaskWindow::showEvent(QShowEvent* event) {
  TaskWindow::showEvent(event);
  FitTaskFrame(this);
}

}  // namespace skiagraf::gui
