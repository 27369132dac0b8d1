#include "SunPositionWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "EntryChecks.h"
#include "MainWindow.h"
#include "MenuLayout.h"
#include "PrinterChoice.h"
#include "RadioGroup.h"
#include "TextPrintJob.h"
#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {


QString Fmt(double value, int width, int decimals) { return ToQ(FormatReal(value, width, decimals)).trimmed(); }

QLabel* TaggedLabel(QWidget* parent, const char* name, int tag) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  SetTag(label, tag);
  return label;
}

QLineEdit* Edit(QWidget* parent, const char* name, const char* allowed, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
  edit->setFixedWidth(width);
  return edit;
}

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2) {
    const bool leap = year % 4 == 0 && (year <= 1582 || year % 100 != 0 || year % 400 == 0);
    return leap ? 29 : 28;
  }
  return days[(month - 1) % 12];
}

}  // namespace

SunWindowState& SunState() {
  static SunWindowState state;
  return state;
}

SunPositionWindow::SunPositionWindow(int mode, MainWindow* frame, QWidget* parent)
    : TaskWindow("sset1", kHelpSunPosition, parent), frame_(frame), mode_(mode) {
  SetTag(this, 800);
  BuildWidgets();
  BuildPopup();
  FillEdits();
  SetMode(mode);
  RecaptionWindow(this);
}

SunPositionWindow::~SunPositionWindow() = default;

void SunPositionWindow::BuildWidgets() {
  heading_ = new QLabel(this);
  heading_->setObjectName("lUeberschrift");
  QFont headingFont = heading_->font();
  headingFont.setBold(true);
  headingFont.setPointSize(headingFont.pointSize() + 2);
  heading_->setFont(headingFont);

  // Date and site.
  auto* site = new QGroupBox(this);
  site->setObjectName("GroupOrt");
  auto* grid = new QGridLayout(site);
  edJahr_ = Edit(site, "edJahr", "[0-9]*", 60);
  edMonat_ = Edit(site, "edMonat", "[0-9]*", 40);
  edTag_ = Edit(site, "edTag", "[0-9]*", 40);
  edLatitude_ = Edit(site, "edLatitude", "[-+0-9.,]*", 120);
  edLongitude_ = Edit(site, "edLongitude", "[-+0-9.,]*", 120);
  edZone_ = Edit(site, "edZone", "[-+0-9.,]*", 80);
  const std::pair<QLineEdit*, std::pair<const char*, int>> fields[] = {
      {edJahr_, {"lJahr", 804}},       {edMonat_, {"lMonat", 805}},       {edTag_, {"lTag", 806}},
      {edLatitude_, {"lBreite", 301}}, {edLongitude_, {"lLaenge", 302}}, {edZone_, {"lZone", 303}}};
  int row = 0;
  for (const auto& [edit, label] : fields) {
    QLabel* l = TaggedLabel(site, label.first, label.second);
    l->setBuddy(edit);
    const int column = row < 3 ? 0 : 3;
    const int r = row < 3 ? row : row - 3;
    grid->addWidget(l, r, column);
    grid->addWidget(edit, r, column + 1);
    ++row;
  }
  grid->addWidget(TaggedLabel(site, "lBreiteHinweis", 801), 0, 5);
  grid->addWidget(TaggedLabel(site, "lLaengeHinweis", 802), 1, 5);
  auto* zoneNote = new QLabel(site);
  zoneNote->setObjectName("lZonenzeitHinweis");  // never daylight saving time
  grid->addWidget(zoneNote, 3, 0, 1, 6);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);

  // The panels of the four modes; only the one of the current mode is shown.
  auto valueLabel = [this](QWidget* parent, QGridLayout* layout, int r, const char* name) {
    auto* caption = new QLabel(parent);
    caption->setObjectName(QString(name) + "Text");
    auto* value = new QLabel(parent);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    value->setFont(mono);
    layout->addWidget(caption, r, 0);
    layout->addWidget(value, r, 1);
    captions_[name] = caption;
    values_[name] = value;
  };

  panelZeit_ = new QGroupBox(this);
  panelZeit_->setObjectName("PanelZeit");
  {
    auto* g = new QGridLayout(panelZeit_);
    p3Azi_ = Edit(panelZeit_, "p3Azi", "[-+0-9.,]*", 90);
    QLabel* l = TaggedLabel(panelZeit_, "lAzimutEingabe", 830);
    l->setBuddy(p3Azi_);
    l->setWordWrap(true);
    g->addWidget(l, 0, 0, 1, 2);
    g->addWidget(p3Azi_, 1, 0);
    auto* scale = new QLabel(panelZeit_);
    scale->setObjectName("lAzimutSkala");  // how azimuths are counted
    g->addWidget(scale, 1, 1);
    valueLabel(panelZeit_, g, 2, "lZeitErgebnis");
    valueLabel(panelZeit_, g, 3, "lHoeheErgebnis");
    g->setColumnStretch(1, 1);
  }
  panelRise_ = new QGroupBox(this);
  panelRise_->setObjectName("PanelRise");
  {
    auto* g = new QGridLayout(panelRise_);
    rgDawn2_ = new RadioGroup("RGDawn2", panelRise_);
    SetTag(rgDawn2_, 812);
    rgDawn2_->SetItems({"", "", ""});
    g->addWidget(rgDawn2_, 0, 2, 6, 1);
    int r = 0;
    for (const char* n : {"lAufgang", "lUntergang", "lAnfang", "lEnde", "lMondauf", "lmondunter"})
      valueLabel(panelRise_, g, r++, n);
    g->setColumnStretch(1, 1);
    connect(rgDawn2_, &RadioGroup::itemClicked, this, [this](int index) {
      SunState().Twilight = index;  // RGDawn2Click
      Button3Click();
    });
  }
  panelEoT_ = new QGroupBox(this);
  panelEoT_->setObjectName("panelEoT");
  {
    auto* g = new QGridLayout(panelEoT_);
    valueLabel(panelEoT_, g, 0, "lDeklination");
    valueLabel(panelEoT_, g, 1, "lZeitgleichung");
    g->setColumnStretch(1, 1);
  }
  panelPos_ = new QGroupBox(this);
  panelPos_->setObjectName("Panelpos");
  {
    auto* g = new QGridLayout(panelPos_);
    uhrzeit_ = Edit(panelPos_, "Uhrzeit", "[0-9: ]*", 90);
    QLabel* l = TaggedLabel(panelPos_, "lUhrzeit", 840);
    l->setBuddy(uhrzeit_);
    l->setWordWrap(true);
    g->addWidget(l, 0, 0, 1, 2);
    g->addWidget(uhrzeit_, 1, 0);
    rgZeitart_ = new RadioGroup("rgZeitart", panelPos_);
    SetTag(rgZeitart_, 497);
    rgZeitart_->setProperty("captionTag", 496);
    rgZeitart_->SetItems({"", "", ""});
    g->addWidget(rgZeitart_, 0, 2, 6, 1);
    valueLabel(panelPos_, g, 2, "lHoehe");
    valueLabel(panelPos_, g, 3, "lAzimut");
    valueLabel(panelPos_, g, 4, "lPosZeitgleichung");
    valueLabel(panelPos_, g, 5, "lPosDeklination");
    g->setColumnStretch(1, 1);
    connect(rgZeitart_, &RadioGroup::itemClicked, this, [this](int index) {
      SunState().TimeKind = index;
      Button3Click();
    });
  }

  list_ = new QListWidget(this);
  list_->setObjectName("ResultList");
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPointSize(9);
  list_->setFont(mono);
  list_->setMinimumHeight(200);

  auto button = [this](const char* name, int tag) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    SetTag(b, tag);
    return b;
  };
  button1_ = button("Button1", 807);
  button3_ = button("Button3", 808);
  button4_ = button("Button4", 809);
  aziHoch_ = button("bBtnAziHoch", 69);
  print_ = button("BitBtnPrtT", 3);
  button2_ = button("Button2", 7);
  button1_->setDefault(true);
  // Tables and diagrams open in their own window once the program has it.
  for (QPushButton* b : {button3_, button4_, aziHoch_}) b->setEnabled(MainWindow::HasTaskWindow("sset2"));
  connect(button1_, &QPushButton::clicked, this, &SunPositionWindow::Button3Click);
  connect(button3_, &QPushButton::clicked, this, [this] { OpenTables(SunState().Mode == 16 ? 8 : SunState().Mode); });
  connect(button4_, &QPushButton::clicked, this, [this] { OpenDiagrams(16); });
  connect(aziHoch_, &QPushButton::clicked, this, [this] { OpenDiagrams(32); });
  connect(print_, &QPushButton::clicked, this, &SunPositionWindow::BitBtn1Click);
  connect(button2_, &QPushButton::clicked, this, &TaskWindow::CloseTask);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {button1_, button3_, button4_, aziHoch_, print_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(button2_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(site);
  for (QWidget* panel : {panelZeit_, panelRise_, panelEoT_, panelPos_}) layout->addWidget(panel);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  for (QLineEdit* e : {edJahr_, edMonat_, edTag_, edLatitude_, edLongitude_, edZone_, uhrzeit_, p3Azi_})
    e->installEventFilter(this);
  setMinimumSize(720, 560);
}

void SunPositionWindow::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  auto item = [this](QMenu* menu, const char* name, int tag) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    SetTag(a, tag);
    return a;
  };
  const bool hasTables = MainWindow::HasTaskWindow("sset2");
  connect(item(popup_, "Berechnung1", 60), &QAction::triggered, this, &SunPositionWindow::Button3Click);
  QAction* polar = item(popup_, "SonnenstandGraph1", 69);
  polar->setEnabled(hasTables);
  connect(polar, &QAction::triggered, this, [this] { OpenDiagrams(32); });
  QAction* eot = item(popup_, "GraphderEoT1", 70);
  eot->setEnabled(hasTables);
  connect(eot, &QAction::triggered, this, [this] { OpenDiagrams(16); });
  QMenu* tables = popup_->addMenu(QString());
  tables->setObjectName("Tabelleerstellen1Menu");
  tables->menuAction()->setObjectName("Tabelleerstellen1");
  SetTag(tables->menuAction(), 64);
  for (const auto& [name, tag, mode] :
       {std::tuple{"AufUntergang1", 65, -1}, std::tuple{"Zeitgleichung1", 66, 0},
        std::tuple{"Sonnendeklination1", 67, 2}, std::tuple{"meridiandurchgang1", 68, 3}}) {
    const int annual = mode;  // -1: the rise/set table of mode 1
    connect(item(tables, name, tag), &QAction::triggered, this,
            [this, annual] { OpenTables(annual < 0 ? 1 : 8, annual); });
  }
  tables->menuAction()->setEnabled(MainWindow::HasTaskWindow("sset2"));
  popup_->addSeparator();
  connect(item(popup_, "Druckenmit1", 61), &QAction::triggered, this, [this] { Print(true); });
  connect(item(popup_, "Druckenohne1", 62), &QAction::triggered, this, [this] { Print(false); });
  connect(item(popup_, "DruckenLfeed1", 63), &QAction::triggered, this, &SunPositionWindow::DruckenLfeed1Click);
  popup_->addSeparator();
  // Saving and loading construction data are commands of the main window.
  QAction* save = item(popup_, "Startspeichern1", 547);
  QAction* load = item(popup_, "Sonnenuhrdatenladen1", 548);
  save->setEnabled(frame_ != nullptr);
  load->setEnabled(frame_ != nullptr);
  if (frame_) {
    connect(save, &QAction::triggered, frame_->Action("Sonnenuhrdatenspeichern"), &QAction::trigger);
    connect(load, &QAction::triggered, frame_->Action("Sonnenuhrdatenladen"), &QAction::trigger);
  }
  popup_->addSeparator();
  connect(item(popup_, "Schliessen1", 71), &QAction::triggered, this, &TaskWindow::CloseTask);
}

void SunPositionWindow::FillEdits() {
  const DialSettings& s = Settings();
  const SunWindowState& st = SunState();
  edJahr_->setText(QString::number(s.ReferenceYear));
  edMonat_->setText(QString::number(st.Month));
  edTag_->setText(QString::number(st.Day));
  edLatitude_->setText(Fmt(s.Latitude, 13, 6));
  edLongitude_->setText(Fmt(s.Longitude, 13, 6));
  edZone_->setText(Fmt(s.ZoneMeridian, 7, 2));
  uhrzeit_->setText(ToQ(FormatClockTime(st.Time)));
  p3Azi_->setText(Fmt(st.Azimuth, 7, 2));
  rgDawn2_->SetItemIndex(st.Twilight);
  rgZeitart_->SetItemIndex(st.TimeKind);
}

void SunPositionWindow::SetMode(int mode) {
  mode_ = mode;
  SunState().Mode = mode;
  panelZeit_->setVisible(mode == 4);
  panelRise_->setVisible(mode == 1);
  const bool eot = mode == 0 || mode == 8 || mode == 16;
  panelEoT_->setVisible(eot);
  button4_->setVisible(eot);
  button3_->setVisible(eot);
  panelPos_->setVisible(mode == 2);
  aziHoch_->setVisible(mode == 2);
  if (mode == 4) p3Azi_->setText(Fmt(SunState().Azimuth, 7, 2));
  if (mode == 1) rgDawn2_->SetItemIndex(SunState().Twilight);
  if (mode == 2) uhrzeit_->setText(ToQ(FormatClockTime(SunState().Time)));
  ClearLabels();
  RecaptionOwn();
}

void SunPositionWindow::ClearLabels() {
  for (auto& [name, label] : values_) label->clear();
}

// --- leaving the fields ------------------------------------------------------------

bool SunPositionWindow::zuweisen() {
  const auto year = ParseIntEntry(edJahr_->text().toStdString());
  if (!year || *year < kMinYear || *year > kMaxYear) {
    edJahr_->setText(QString::number(Settings().ReferenceYear));
    QApplication::beep();
    return false;
  }
  if (Settings().ReferenceYear != *year) {
    Settings().ReferenceYear = static_cast<int>(*year);
    ComputeObliquity(Settings());
  }
  controlGregor();
  return true;
}

bool SunPositionWindow::zuweisen2() {
  const auto month = ParseIntEntry(edMonat_->text().toStdString());
  if (!month || *month < 1 || *month > 12) {
    edMonat_->setText(QString::number(SunState().Month));
    QApplication::beep();
    return false;
  }
  SunState().Month = static_cast<int>(*month);
  controlGregor();
  return true;
}

bool SunPositionWindow::zuweisen3() {
  const auto day = ParseIntEntry(edTag_->text().toStdString());
  if (!day || *day < 1 || *day > 31) {
    edTag_->setText(QString::number(SunState().Day));
    QApplication::beep();
    return false;
  }
  SunState().Day = static_cast<int>(*day);
  controlGregor();
  return true;
}

void SunPositionWindow::controlGregor() {
  int day = SunState().Day;
  if (CorrectGregorianGap(Settings().ReferenceYear, SunState().Month, day)) {
    SunState().Day = day;
    edTag_->setText(QString::number(day));
    Ui().ShowMessage(Caption(CaptionKind::Problem), Message(26), MessageIcon::Information);
  }
}

bool SunPositionWindow::umwandeln(QLineEdit* edit) {
  const bool longitude = edit == edLongitude_;
  double& target = longitude ? Settings().Longitude : Settings().ZoneMeridian;
  const auto value = ParseRealEntry(edit->text().toStdString());
  if (!value || std::fabs(*value) > 180.0) {
    edit->setText(longitude ? Fmt(target, 13, 6) : Fmt(target, 7, 2));
    QApplication::beep();
    return false;
  }
  const bool changed = target != *value;
  target = *value;
  edit->setText(longitude ? Fmt(target, 13, 6) : Fmt(target, 7, 2));
  // Only a change raises the question again; an answered question stays answered.
  if (changed) farFromZone_ = FarFromZone(Settings().Longitude, Settings().ZoneMeridian);
  return true;
}

bool SunPositionWindow::umwandeln2() {
  const std::string name = CaptionToTitle(CatalogueText(301));
  const std::string text = edLatitude_->text().toStdString();
  const auto value = ParseRealEntry(text);
  if (!value) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), Message(4), MessageIcon::Warning);
    // The stored value is shown in full, so that leaving the field again keeps it.
    edLatitude_->setText(Fmt(Settings().Latitude, 11, 6));
    edLatitude_->setFocus();
    return false;
  }
  if (*value < -90.0 || *value > 90.0) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), RealRangeMessage(name, CleanRealEntry(text), -90.0, 90.0),
                     MessageIcon::Warning);
    edLatitude_->setFocus();
    return false;
  }
  Settings().Latitude = *value;
  edLatitude_->setText(Fmt(*value, 11, 6));
  return true;
}

bool SunPositionWindow::Zeitberechnen() {
  QString text = uhrzeit_->text();
  if (text.trimmed().isEmpty()) text = "12:00:00";
  const auto hours = ParseClockTime(text.toStdString());
  if (!hours) {
    uhrzeit_->setText("Fehler!");
    uhrzeit_->setFocus();
    uhrzeit_->selectAll();
    return false;
  }
  SunState().Time = *hours;
  uhrzeit_->setText(ToQ(FormatClockTime(*hours)));
  return true;
}

bool SunPositionWindow::zuweisen4() {
  if (p3Azi_->text().trimmed().isEmpty()) return true;  // the calculation asks for it
  const auto value = ParseRealEntry(p3Azi_->text().toStdString());
  if (!value || std::fabs(*value) > 180.0) {
    p3Azi_->setText(Fmt(SunState().Azimuth, 7, 2));
    p3Azi_->setFocus();
    QApplication::beep();
    return false;
  }
  SunState().Azimuth = *value;
  return true;
}

bool SunPositionWindow::LeaveField(QObject* edit) {
  if (leaving_) return true;
  leaving_ = true;
  bool ok = true;
  if (edit == edJahr_) ok = zuweisen();
  else if (edit == edMonat_) ok = zuweisen2();
  else if (edit == edTag_) ok = zuweisen3();
  else if (edit == edLatitude_) ok = umwandeln2();
  else if (edit == edLongitude_ || edit == edZone_) ok = umwandeln(static_cast<QLineEdit*>(edit));
  else if (edit == uhrzeit_) ok = Zeitberechnen();
  else if (edit == p3Azi_) ok = zuweisen4();
  leaving_ = false;
  return ok;
}

bool SunPositionWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return TaskWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusOut:
      LeaveField(edit);
      break;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (edit == edJahr_) edMonat_->setFocus();
        else if (edit == edMonat_) edTag_->setFocus();
        else if (edit == edTag_) edLatitude_->setFocus();
        else if (edit == uhrzeit_) button1_->setFocus();
        else LeaveField(edit);
        return true;
      }
      if (edit == uhrzeit_ && key->text() == " ") {
        uhrzeit_->insert(":");  // a blank separates like ":"
        return true;
      }
      break;
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() != Qt::AltModifier && key->key() != Qt::Key_Alt && key->key() != Qt::Key_Tab &&
          key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        ClearLabels();  // loesch: the shown results no longer match the entries
      break;
    }
    default:
      break;
  }
  return TaskWindow::eventFilter(watched, event);
}

// --- calculation ------------------------------------------------------------------

bool SunPositionWindow::AskFarFromZone() {
  if (!farFromZone_) return true;
  if (Ui().Ask(Caption(CaptionKind::Warning), FarFromZoneQuestion(CurrentLanguage()), QuestionButtons::YesNo,
               MessageIcon::Warning) != Answer::Yes)
    return false;
  farFromZone_ = false;
  return true;
}

bool SunPositionWindow::Button3Click() {
  // Every entry is read, also one that has not been left yet (a short-cut key was
  // used). An empty time or azimuth is left to the report, which asks for it.
  for (QLineEdit* edit : {edJahr_, edMonat_, edTag_, edLatitude_, edLongitude_, edZone_})
    if (!LeaveField(edit)) return false;
  if (mode_ == 2 && !uhrzeit_->text().trimmed().isEmpty() && !LeaveField(uhrzeit_)) return false;
  if (mode_ == 4 && !LeaveField(p3Azi_)) return false;
  if (!AskFarFromZone()) return false;
  const DialSettings& s = Settings();
  SunWindowState& st = SunState();
  if (st.Day > DaysInMonth(s.ReferenceYear, st.Month)) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), Message(57), MessageIcon::Warning);
    edTag_->setFocus();
    return false;
  }
  SunReportRequest request;
  request.Mode = static_cast<SunReportMode>(mode_ == 0 || mode_ == 16 ? 8 : mode_);
  request.Year = s.ReferenceYear;
  request.Month = st.Month;
  request.Day = st.Day;
  if (!uhrzeit_->text().trimmed().isEmpty()) request.Time = st.Time;
  if (!p3Azi_->text().trimmed().isEmpty()) request.Azimuth = st.Azimuth;
  request.Kind = static_cast<TimeKind>(st.TimeKind);
  request.Twilight = static_cast<TwilightKind>(st.Twilight);
  request.Latitude = s.Latitude;
  request.Longitude = s.Longitude;
  request.ZoneMeridian = s.ZoneMeridian;
  request.Lang = CurrentLanguage();

  const SunReport report = BuildSunReport(request);
  ShowBoxMessages(report.Messages, CurrentLanguage());
  if (!report.Computed) {
    QLineEdit* missing = report.MissingInput == "time" ? uhrzeit_ : p3Azi_;
    missing->setText(ToQ(Phrase(67)));
    missing->setFocus();
    missing->selectAll();
    return false;
  }
  if (report.Day != 0 && report.Day != st.Day) {
    st.Day = report.Day;
    edTag_->setText(QString::number(report.Day));
  }
  list_->clear();
  for (const std::string& line : report.Lines) list_->addItem(ToQ(line));
  const SunReportLabels& l = report.Labels;
  const std::pair<const char*, const std::string*> shown[] = {
      {"lZeitErgebnis", &l.AzimuthTime},   {"lHoeheErgebnis", &l.Altitude}, {"lAufgang", &l.Sunrise},
      {"lUntergang", &l.Sunset},           {"lAnfang", &l.TwilightBegin},   {"lEnde", &l.TwilightEnd},
      {"lMondauf", &l.Moonrise},           {"lmondunter", &l.Moonset},      {"lDeklination", &l.Declination},
      {"lZeitgleichung", &l.EquationOfTime}, {"lHoehe", &l.Altitude},       {"lAzimut", &l.Azimuth},
      {"lPosZeitgleichung", &l.EquationOfTime}, {"lPosDeklination", &l.Declination}};
  for (const auto& [name, text] : shown) values_[name]->setText(ToQ(*text));
  return true;
}

QStringList SunPositionWindow::ResultLines() const {
  QStringList lines;
  for (int i = 0; i < list_->count(); ++i) lines << list_->item(i)->text();
  return lines;
}

// --- printing -----------------------------------------------------------------------

QPrinter& SunPositionWindow::Printer() {
  if (printer_) return *printer_;
  if (frame_) return frame_->Printer();
  if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>();
  return *ownPrinter_;
}

bool SunPositionWindow::Print(bool formFeed) {
  if (!Button3Click()) return false;
  QPrinter& printer = Printer();
  // Without a printer on this machine the text goes into a PDF file of the user's choice.
  if (!PdfWhenNoPrinter(printer)) return false;
  if (!job_) job_ = std::make_unique<TextPrintJob>(printer);
  if (!job_->Print(ResultLines())) {
    job_.reset();
    Ui().ShowMessage(Caption(CaptionKind::Error), Message(42), MessageIcon::Error);
    return false;
  }
  if (formFeed) {
    job_.reset();  // closing the job ejects the page
    list_->clear();
  }
  return true;
}

void SunPositionWindow::BitBtn1Click() {
  if (!Button3Click()) return;
  switch (Ui().Ask(Caption(CaptionKind::Question), Message(54), QuestionButtons::YesNoCancel)) {
    case Answer::Yes: Print(true); break;
    case Answer::No: Print(false); break;
    default: break;
  }
}

void SunPositionWindow::DruckenLfeed1Click() { job_.reset(); }

// --- closing, menus, captions ----------------------------------------------------------

bool SunPositionWindow::CanClose() {
  if (farFromZone_ && !AskFarFromZone()) return false;
  job_.reset();  // a page still open is finished, not lost
  return true;
}

void SunPositionWindow::OpenTables(int mode, int annualTable) {
  if (!frame_ || !MainWindow::HasTaskWindow("sset2") || !Button3Click()) return;
  SunWindowState& st = SunState();
  st.Mode = mode;
  if (annualTable >= 0) st.AnnualTable = annualTable;
  // The rise/set table is made with astronomical twilight in place of nautical.
  if (mode == 1 && st.Twilight == 1) st.Twilight = 2;
  frame_->OpenTask("sset2");
}

void SunPositionWindow::OpenDiagrams(int mode) {
  if (!frame_ || !MainWindow::HasTaskWindow("sset2")) return;
  // The diagrams take year, longitude and zone meridian from the edits.
  for (QObject* edit : {static_cast<QObject*>(edJahr_), static_cast<QObject*>(edLongitude_), static_cast<QObject*>(edZone_)})
    if (!LeaveField(edit)) return;
  SunState().Mode = mode;
  frame_->OpenTask("sset2");
}

void SunPositionWindow::contextMenuEvent(QContextMenuEvent* event) {
  RecaptionWindow(this);  // SpracheR: the popup speaks the current language
  popup_->popup(event->globalPos());
}

void SunPositionWindow::RecaptionOwn() {
  const char* menuName = mode_ == 1 ? "AufUntergang" : mode_ == 2 ? "Sonnenstand" : mode_ == 4 ? "ZeitFuerSonnenstand" : "Zeitgleichung";
  setWindowTitle(ToQ(CaptionToTitle(MenuCaption(menuName))).trimmed());
  heading_->setText(windowTitle());
  auto caption = [this](const char* name, const std::string& text) {
    captions_[name]->setText(ToQ(text).trimmed());
  };
  caption("lAufgang", Phrase(93));
  caption("lUntergang", Phrase(95));
  caption("lAnfang", Phrase(94));
  caption("lEnde", Phrase(96));
  caption("lMondauf", Phrase(98));
  caption("lmondunter", Phrase(99));
  caption("lDeklination", Phrase(91));
  caption("lZeitgleichung", Phrase(92));
  caption("lPosDeklination", Phrase(103));
  caption("lPosZeitgleichung", Phrase(92));
  caption("lHoehe", Phrase(101));
  caption("lAzimut", Phrase(102));
  caption("lZeitErgebnis", Phrase(107));
  caption("lHoeheErgebnis", Phrase(101));
  findChild<QLabel*>("lAzimutSkala")->setText(ToQ(ShellCaption(ShellText::SunAzimuthScale)).trimmed());
  findChild<QLabel*>("lZonenzeitHinweis")->setText(ToQ(ShellCaption(ShellText::SunNoDaylightSaving)));
}

}  // namespace skiagraf::gui
