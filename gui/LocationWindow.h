#pragma once

#include "InputWidgets.h"
#include "InputTaskWindow.h"
#include "model/InputRules.h"

class QLabel;
class QLineEdit;

namespace skiagraf::gui {

class MainWindow;
class RadioGroup;

// The location window (TForm6): latitude, longitude and zone meridian as decimal
// degrees or as degrees, minutes and seconds with hemispheres, and the reference
// year. The rules live in core (model/InputRules.h); this class binds them to the
// widgets.
class LocationWindow : public InputTaskWindow {
  Q_OBJECT

 public:
  explicit LocationWindow(MainWindow* frame = nullptr, QWidget* parent = nullptr);

  // The input mode of the run: decimal degrees (true) or degrees, minutes, seconds.
  static bool& DecimalInput();

  // The closing validation (ordne); false when an entry is refused.
  bool Validate();
  bool CheckAll() override { return validated_ || Validate(); }
  void RecaptionOwn() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWidgets();
  void RGinputClick(int item);
  void ShowInputMode();
  void ShowHemispheres();
  Hemispheres ChosenHemispheres() const;
  bool LeaveField(QLineEdit* edit);

  WidgetEntryForm form_;
  RadioGroup* rgInput_;
  RadioGroup* rg1_;
  RadioGroup* rg2_;
  RadioGroup* rg3_;
  QList<QLineEdit*> decimalEdits_;
  QList<QLineEdit*> dmsEdits_;
  QLineEdit* year_;
  bool leaving_ = false;
  bool validated_ = false;  // the last validation passed and nothing was typed since
};

}  // namespace skiagraf::gui
