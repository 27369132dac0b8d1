#pragma once

#include "InputWidgets.h"
#include "InputTaskWindow.h"
#include "model/DialSettings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace skiagraf::gui {

class MainWindow;
class RadioGroup;

// The picture shown for the dial type of the record (a number of the picture
// resources), 0 for none, and its size on the button.
int DialTypePicture(const DialSettings& s);
QSize DialTypePictureSize(const DialSettings& s);

// The dial-type window (TF4): the list of dial types, the sub-kinds, the few
// quantities that define a dial before its details, and a picture of the type.
class DialTypeWindow : public InputTaskWindow {
  Q_OBJECT

 public:
  explicit DialTypeWindow(MainWindow* frame = nullptr, QWidget* parent = nullptr);

  // The close validation; false when an entry is refused.
  bool Validate();
  bool CheckAll() override { return Validate(); }
  void RecaptionOwn() override;

  void RG1Click(int listIndex);  // index in the shown list (13 or 15 items)
  void Button1Click();           // hides the large picture first, else closes
  void PictureClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWidgets();
  void ShowSettings();  // selections, visible parts, picture, captions
  void FocusChanged(QWidget* old, QWidget* now);

  WidgetEntryForm form_;
  std::vector<int> items_;  // full-list item of each shown entry
  RadioGroup* rg1_;
  RadioGroup* rgSchirm_;
  RadioGroup* rgAltitude_;
  RadioGroup* rgZyl_;
  RadioGroup* rgAzMain_;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edZylang_;
  QLineEdit* edZylRad_;
  QLineEdit* rDurch_;
  QLineEdit* edHaber_;
  QLabel* label1_;
  QLabel* labelNote1_;
  QLabel* degrees1_;
  QLabel* degrees2_;
  QLabel* label2_;
  QLabel* label3_;
  QLabel* labelZylang_;
  QLabel* labelZylRad_;
  QLabel* labelDurch_;
  QLabel* labelHaber_;
  QLabel* label9_;
  QLabel* label13_;
  QPushButton* picture_;
  bool leaving_ = false;
  bool focusCheck_ = false;
};

}  // namespace skiagraf::gui
