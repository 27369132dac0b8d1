#pragma once

#include <QPointer>
#include <QStringList>
#include <memory>

#include "Recaption.h"
#include "TaskWindow.h"
#include "astro/SunPositionReport.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QAction;

namespace skiagraf::gui {

class MainWindow;
class RadioGroup;
class TextPrintJob;

// What the sun-position window remembers between openings besides the site and
// reference year of Settings(): its date, clock time, azimuth, choices and mode.
struct SunWindowState {
  int Month = 6;
  int Day = 22;
  double Time = 12.0;  // hours
  double Azimuth = 0.0;
  int Twilight = 0;  // 0 civil, 1 nautical, 2 astronomical
  int TimeKind = 2;  // rgZeitart: 0 apparent, 1 mean, 2 zone time
  int Mode = 8;
  int AnnualTable = 0;  // tables window, mode 8: 0 equation of time, 2 declination, 3 meridian passage
};
SunWindowState& SunState();

// The sun-position window (Tsset1): date and site, and one of four calculations
// (mode 1 rise and set, 2 position at a time, 4 time for an azimuth, 8 equation of
// time and declination). The result list comes from BuildSunReport, the same code
// that the command line prints.
class SunPositionWindow : public TaskWindow, public Recaptionable {
  Q_OBJECT

 public:
  explicit SunPositionWindow(int mode, MainWindow* frame = nullptr, QWidget* parent = nullptr);
  ~SunPositionWindow() override;

  int Mode() const { return mode_; }
  void SetMode(int mode);  // shows the panel of the mode (FormCreate)

  // Button3Click: reads the edits, asks the far-from-zone question if needed, and
  // fills the result list and the labels. False when nothing was computed.
  bool Button3Click();
  QStringList ResultLines() const;

  // Printing of the result list; `formFeed` ends the page and the job.
  bool Print(bool formFeed);
  void BitBtn1Click();  // asks whether to print with form feed
  void DruckenLfeed1Click();

  // The tables (mode 1 or 8) and diagrams (16 equation of time, 32 sun path) of the
  // tables-and-diagrams window; that window replaces this one.
  void OpenTables(int mode, int annualTable = -1);
  void OpenDiagrams(int mode);
  void SetPrinter(QPrinter* printer) { printer_ = printer; }

  bool FarFromZoneFlag() const { return farFromZone_; }
  bool CanClose() override;  // ordne: the far-from-zone question
  void RecaptionOwn() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildWidgets();
  void BuildPopup();
  void FillEdits();
  void ClearLabels();
  QPrinter& Printer();
  bool AskFarFromZone();

  // Leaving a field: each returns false when the entry was refused.
  bool zuweisen();   // year
  bool zuweisen2();  // month
  bool zuweisen3();  // day
  void controlGregor();
  bool umwandeln(QLineEdit* edit);  // longitude, zone meridian
  bool umwandeln2();                // latitude
  bool Zeitberechnen();             // clock time
  bool zuweisen4();                 // azimuth
  bool LeaveField(QObject* edit);

  MainWindow* frame_;
  int mode_;
  bool farFromZone_ = false;
  bool leaving_ = false;

  QLineEdit* edJahr_;
  QLineEdit* edMonat_;
  QLineEdit* edTag_;
  QLineEdit* edLatitude_;
  QLineEdit* edLongitude_;
  QLineEdit* edZone_;
  QLineEdit* uhrzeit_;
  QLineEdit* p3Azi_;
  RadioGroup* rgZeitart_;
  RadioGroup* rgDawn2_;
  QWidget* panelZeit_;
  QWidget* panelRise_;
  QWidget* panelEoT_;
  QWidget* panelPos_;
  QLabel* heading_;
  QListWidget* list_;
  std::map<QString, QLabel*> values_;    // result labels by object name
  std::map<QString, QLabel*> captions_;  // their caption labels
  QPushButton* button1_;
  QPushButton* button2_;
  QPushButton* button3_;
  QPushButton* button4_;
  QPushButton* aziHoch_;
  QPushButton* print_;
  QMenu* popup_;
  QPrinter* printer_ = nullptr;
  std::unique_ptr<QPrinter> ownPrinter_;
  std::unique_ptr<TextPrintJob> job_;
};

}  // namespace skiagraf::gui
