#pragma once

#include <functional>
#include <string>
#include <vector>

#include "InputWidgets.h"
#include "InputTaskWindow.h"
#include "model/DialSettings.h"
#include "model/InputRules.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace skiagraf::gui {

class MainWindow;
class RadioGroup;

// The parameter window (TForm4): ten pages, one per family of dial types, and the
// box of the user's own date lines. Check boxes, radio groups and choosers write
// their field when clicked and then every control is set from the record, so the
// copies of a field on several pages always agree. Text entries are checked when
// they are left and, all of a page at once, when the page is left or the window
// closes (TransferPage of model/InputRules.h).
class ParameterWindow : public InputTaskWindow {
  Q_OBJECT

 public:
  explicit ParameterWindow(MainWindow* frame = nullptr, QWidget* parent = nullptr);

  ParameterPage CurrentPage() const;
  // Changes the page as a click on its tab does: the page left is transferred first;
  // false (and the page stays) when that fails.
  bool SelectPage(ParameterPage page);
  // The transfer of the current page (uebertragen).
  bool Transfer();
  bool CheckAll() override { return Transfer(); }
  void RecaptionOwn() override;

  // The own date lines: "in Liste übernehmen" and "Entferne markiertes Datum".
  void Button2Click();
  void Button1Click();

  // Sets every check box, radio group and chooser from the record (signals blocked).
  void ShowFlags();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Getter = std::function<int(const DialSettings&)>;
  using Setter = std::function<void(DialSettings&, int)>;

  void BuildPages();
  void BuildPlanarPage(QWidget* page);
  void BuildBifilarPage(QWidget* page);
  void BuildQuadrantPage(QWidget* page);
  void BuildCylinderPage(QWidget* page);
  void BuildAltitudePage(QWidget* page);
  void BuildRingPage(QWidget* page);
  void BuildAzimuthalPage(QWidget* page);
  void BuildBiazimuthalPage(QWidget* page);
  void BuildMeanTimePage(QWidget* page);
  void BuildSawyerPage(QWidget* page);
  QWidget* BuildDateBox();
  QHBoxLayout* TwoPositionGroup(QWidget* page, const char* name, QWidget*& group);
  QGroupBox* PlaceA(QWidget* group, const char* name, int tag, const std::string& suffix);
  RadioGroup* PlaneOrientation(QWidget* group, const char* name);

  // Builders: each adds a row to the grid of `box`.
  QGroupBox* Box(QWidget* parent, const char* name, int tag);
  QLineEdit* Entry(QGroupBox* box, const char* name, int labelTag, int width = 70);
  QCheckBox* Check(QGroupBox* box, const char* name, int tag, bool DialSettings::*field);
  RadioGroup* Radio(QWidget* parent, const char* name, Getter get, Setter set);
  void DerivedRow(QGroupBox* box, const char* latitude, const char* longitude);
  void ChooserRow(QGroupBox* box, int labelTag, std::initializer_list<const char*> names);

  void Changed();     // a flag changed: controls and visible parts follow
  void UpdateView();  // visible and enabled parts of the pages
  void ShowDates();
  void PageChanged(int index);

  WidgetEntryForm form_;
  QTabWidget* pages_ = nullptr;
  int shownPage_ = 0;
  bool changingPage_ = false;
  bool leaving_ = false;

  struct CheckBinding {
    QCheckBox* box;
    bool DialSettings::*field;
  };
  struct RadioBinding {
    RadioGroup* group;
    Getter get;
    Setter set;
  };
  std::vector<CheckBinding> checks_;
  std::vector<RadioBinding> radios_;
  std::vector<QComboBox*> choosers_;

  QListWidget* dates_ = nullptr;
  QLineEdit* dateEntry_ = nullptr;
};

}  // namespace skiagraf::gui
