#include "ParameterWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

#include "MainWindow.h"
#include "RadioGroup.h"
#include "model/ConstructionData.h"
#include "model/OwnDates.h"
#include "model/SettingsLocation.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

constexpr int kWindowTag = 500;
constexpr int kPageTitlesTag = 620;

using S = DialSettings;

// A radio group showing a flag: `trueItem` is the item that stands for true.
std::function<int(const S&)> FlagItem(bool S::*field, int trueItem) {
  return [field, trueItem](const S& s) { return s.*field ? trueItem : 1 - trueItem; };
}
std::function<void(S&, int)> SetFlagItem(bool S::*field, int trueItem) {
  return [field, trueItem](S& s, int item) { s.*field = item == trueItem; };
}
std::function<int(const S&)> IntItem(int S::*field) {
  return [field](const S& s) { return s.*field; };
}
std::function<void(S&, int)> SetIntItem(int S::*field) {
  return [field](S& s, int item) { s.*field = item; };
}

// The three-way time choice of the altitude dials: local, zone or temporal hours.
int TimeKindItem(const S& s) { return s.TemporalHourLines ? 2 : (s.ZoneTime ? 1 : 0); }
void SetTimeKindItem(S& s, int item) {
  if (item == 2) {
    s.TemporalHourLines = true;
    return;
  }
  s.ZoneTime = item == 1;
  s.LocalTime = item == 0;
  s.TemporalHourLines = false;
}

int DateLineItem(const S& s) { return s.DateLineMode >= '0' && s.DateLineMode <= '3' ? s.DateLineMode - '0' : 2; }
void SetDateLineItem(S& s, int item) { s.DateLineMode = DateLineModeOfItem(item); }

// The help topic of a page: that of its dial type in the type list.
int PageHelpTopic(ParameterPage page, const S& s) {
  switch (page) {
    case ParameterPage::Planar: return DialTypeHelpTopic(0);
    case ParameterPage::Bifilar: return DialTypeHelpTopic(s.UmbrellaMode ? kUmbrellaItem : 13);
    case ParameterPage::Quadrant: return DialTypeHelpTopic(4);
    case ParameterPage::Cylinder: return DialTypeHelpTopic(6);
    case ParameterPage::HorizontalAltitude: return DialTypeHelpTopic(7);
    case ParameterPage::Ring: return DialTypeHelpTopic(8);
    case ParameterPage::Azimuthal: return DialTypeHelpTopic(5);
    case ParameterPage::Biazimuthal: return DialTypeHelpTopic(9);
    case ParameterPage::MeanTime: return DialTypeHelpTopic(10);
    case ParameterPage::Sawyer: return DialTypeHelpTopic(s.DialTypeCode == 'p' ? 12 : 11);
  }
  return 0;
}

QVBoxLayout* Column(QHBoxLayout* row) {
  auto* column = new QVBoxLayout;
  row->addLayout(column);
  return column;
}

}  // namespace

ParameterWindow::ParameterWindow(MainWindow* frame, QWidget* parent)
    : InputTaskWindow("Form4", kWindowTag, 3, frame, parent), form_(this) {
  SetTag(this, kWindowTag);
  DialSettings& s = Settings();
  ApplyParameterExpertRules(s);
  DeriveHabermelGnomon(s);
  BuildPages();
  FillParameterFields(form_, s);
  ShowDates();
  ShowFlags();
  const ParameterPage page = PageFor(s);
  changingPage_ = true;
  pages_->setCurrentIndex(static_cast<int>(page));
  changingPage_ = false;
  shownPage_ = static_cast<int>(page);
  SetHelpContext(PageHelpTopic(page, s));
  UpdateView();
  RecaptionWindow(this);
}

// --- builders --------------------------------------------------------------------

QGroupBox* ParameterWindow::Box(QWidget* parent, const char* name, int tag) {
  auto* box = new QGroupBox(parent);
  box->setObjectName(name);
  if (tag != 0) {
    SetTag(box, tag);
    box->setTitle(ToQ(CatalogueText(tag)));
  }
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(3);
  grid->setColumnStretch(5, 1);
  return box;
}

QLineEdit* ParameterWindow::Entry(QGroupBox* box, const char* name, int labelTag, int width) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  const int row = grid->rowCount();
  QLineEdit* edit = MakeEdit(box, name, width);
  grid->addWidget(MakeLabel(box, (std::string("l") + name).c_str(), labelTag, edit), row, 0);
  grid->addWidget(edit, row, 1, 1, 3, Qt::AlignLeft);
  edit->installEventFilter(this);
  return edit;
}

QCheckBox* ParameterWindow::Check(QGroupBox* box, const char* name, int tag, bool S::*field) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  QCheckBox* check = MakeCheck(box, name, tag);
  grid->addWidget(check, grid->rowCount(), 0, 1, 5);
  checks_.push_back({check, field});
  connect(check, &QCheckBox::clicked, this, [this, field](bool on) {
    Settings().*field = on;
    Changed();
  });
  return check;
}

RadioGroup* ParameterWindow::Radio(QWidget* parent, const char* name, Getter get, Setter set) {
  auto* group = new RadioGroup(name, parent);
  // Choices of two short items take one line.
  static const QStringList kSideBySide = {"RG3",  "rgWOZ",   "rgsWoz", "rgbWoz", "RgBifi", "rgQuad", "rgZyl",
                                          "RgA1", "RgAzCo",  "RgAzCo2", "RgPosition", "rgRi2", "rgSawPeau"};
  group->SetHorizontal(kSideBySide.contains(name));
  radios_.push_back({group, get, set});
  connect(group, &RadioGroup::itemClicked, this, [this, set](int item) {
    set(Settings(), item);
    Changed();
  });
  return group;
}

void ParameterWindow::DerivedRow(QGroupBox* box, const char* latitude, const char* longitude) {
  // Latitude and longitude that the two-position constructions derive; shown only.
  auto* grid = static_cast<QGridLayout*>(box->layout());
  const int row = grid->rowCount();
  grid->addWidget(MakeLabel(box, (std::string("l") + latitude).c_str(), 178), row, 0);
  auto* pair = new QHBoxLayout;
  for (const char* name : {latitude, longitude}) {
    QLineEdit* edit = MakeEdit(box, name, 80);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    pair->addWidget(edit);
  }
  grid->addLayout(pair, row, 1, 1, 3, Qt::AlignLeft);
}

void ParameterWindow::ChooserRow(QGroupBox* box, int labelTag, std::initializer_list<const char*> names) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  const int row = grid->rowCount();
  if (labelTag != 0) {
    QLabel* label = MakeLabel(box, (std::string("l") + *names.begin()).c_str(), labelTag);
    grid->addWidget(label, row, 0);
  }
  int column = 1;
  for (const char* name : names) {
    QComboBox* combo = MakeChooser(box, name);
    choosers_.push_back(combo);
    // A lone chooser spans the columns of the from/to/interval rows.
    if (names.size() == 1) grid->addWidget(combo, row, column++, 1, 3, Qt::AlignLeft);
    else grid->addWidget(combo, row, column++);
    connect(combo, &QComboBox::activated, this, [this, combo](int index) {
      ApplyChooser(Settings(), combo->objectName().toStdString(), index);
      Changed();
    });
  }
}

// --- pages -----------------------------------------------------------------------

void ParameterWindow::BuildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  SetTag(pages_, kPageTitlesTag);
  pages_->setUsesScrollButtons(true);
  pages_->setElideMode(Qt::ElideNone);
  using Builder = void (ParameterWindow::*)(QWidget*);
  const Builder builders[kParameterPages] = {
      &ParameterWindow::BuildPlanarPage,   &ParameterWindow::BuildBifilarPage,     &ParameterWindow::BuildQuadrantPage,
      &ParameterWindow::BuildCylinderPage, &ParameterWindow::BuildAltitudePage,    &ParameterWindow::BuildRingPage,
      &ParameterWindow::BuildAzimuthalPage, &ParameterWindow::BuildBiazimuthalPage, &ParameterWindow::BuildMeanTimePage,
      &ParameterWindow::BuildSawyerPage};
  for (int i = 0; i < kParameterPages; ++i) {
    auto* page = new QWidget(pages_);
    page->setObjectName(ToQ(PageName(static_cast<ParameterPage>(i))));
    (this->*builders[i])(page);
    pages_->addTab(page, ToQ(Title(31 + i)));
  }
  connect(pages_, &QTabWidget::currentChanged, this, &ParameterWindow::PageChanged);

  QWidget* dateBox = BuildDateBox();

  MakeStepButtons("BitBtn1", 545, 546);  // " Schliessen", "  &Abbruch"
  connect(close_, &QPushButton::clicked, this, &ParameterWindow::CloseOrNext);

  auto* notes = new QVBoxLayout;
  notes->addWidget(MakeLabel(this, "LabelIniLaden", 549));
  notes->addWidget(MakeLabel(this, "LabelIniSpeichern", 550));
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(notes);
  bottom->addStretch();
  bottom->addWidget(cancel_);
  bottom->addWidget(close_);

  auto* top = new QHBoxLayout;
  top->addWidget(pages_, 1);
  top->addWidget(dateBox);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
}

void ParameterWindow::BuildPlanarPage(QWidget* page) {
  // Dimensions and choices at the left, the kinds of lines at the right, their
  // time ranges below both.
  auto* grid = new QGridLayout(page);
  auto* left = new QVBoxLayout;
  grid->addLayout(left, 0, 0);
  QGroupBox* data = Box(page, "GroupDaten", 742);
  Entry(data, "EdDekl", 128);
  Entry(data, "EdInkl", 129);
  Entry(data, "EdGnom", 130);
  left->addWidget(data);
  RadioGroup* rg1 = Radio(page, "RG1", DateLineItem, SetDateLineItem);
  SetRadioTexts(rg1, TextSource::Catalogue, 124, 4, 123, 1);
  left->addWidget(rg1);
  RadioGroup* rg3 = Radio(page, "RG3", FlagItem(&S::PlanarLocalTime, 0), SetFlagItem(&S::PlanarLocalTime, 0));
  SetRadioTexts(rg3, TextSource::Catalogue, 513, 2, 512);
  left->addWidget(rg3);
  RadioGroup* woz = Radio(page, "rgWOZ", FlagItem(&S::BifilarLocalTime, 0), SetFlagItem(&S::BifilarLocalTime, 0));
  SetRadioTexts(woz, TextSource::Catalogue, 513, 2, 590);
  left->addWidget(woz);
  left->addStretch();

  QGroupBox* lines = Box(page, "GroupStunden", 100);
  Check(lines, "ChB3", 106, &S::ApparentTimeLines);
  Check(lines, "ChB1", 114, &S::HourLinesToStyleFoot);
  Check(lines, "ChBmitZg", 107, &S::MeanTimeLines);
  Check(lines, "ChB5", 102, &S::BabylonianHours);
  Check(lines, "ChB6", 103, &S::ItalianHours);
  Check(lines, "chb8", 104, &S::TemporalHours);
  Check(lines, "ChBtemp", 113, &S::ExtendTemporalLines);
  Check(lines, "ChB7", 105, &S::AltitudeLines);
  Check(lines, "ChBPolDr", 111, &S::PolarTriangle);
  Check(lines, "chBganz", 112, &S::WholeHourDateLines);
  Check(lines, "ChB4", 108, &S::MarkAnalemma);
  Entry(lines, "Ed1", 109, 40);
  ChooserRow(lines, 110, {"cMarkier"});
  grid->addWidget(lines, 0, 1, Qt::AlignTop);
  QGroupBox* times = Box(page, "GroupZeiten", 520);
  ChooserRow(times, 115, {"ComboAnf", "ComboEnd", "ComboStund"});
  ChooserRow(times, 116, {"CEotAnf", "CEotEnd", "CEotStund"});
  ChooserRow(times, 117, {"cBaAnf", "cBaEnd", "cBaInt"});
  ChooserRow(times, 118, {"CItAnf", "CItEnd", "cItInt"});
  ChooserRow(times, 119, {"CTeAnf", "CTeEnd", "cTeInt"});
  ChooserRow(times, 120, {"CHoAnf", "ChoEnd", "choInt"});
  grid->addWidget(times, 1, 0, 1, 2, Qt::AlignLeft);
  grid->setRowStretch(2, 1);
}

void ParameterWindow::BuildBifilarPage(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  RadioGroup* kind = Radio(
      page, "RgBifi", [](const S& s) { return s.UmbrellaMode ? 1 : 0; },
      [](S& s, int item) { SelectBifilarKind(s, item); });
  SetRadioTexts(kind, TextSource::Catalogue, 528, 2, 199);
  layout->addWidget(kind, 0, Qt::AlignLeft);

  // Umbrella dials after Soler.
  auto* umbrella = new QWidget(page);
  umbrella->setObjectName("PanelSchirm");
  auto* urow = new QVBoxLayout(umbrella);
  urow->setContentsMargins(0, 0, 0, 0);
  auto* ugrid = new QGridLayout;
  urow->addLayout(ugrid);
  auto* u1 = new QVBoxLayout;
  ugrid->addLayout(u1, 0, 0);
  RadioGroup* orientation = Radio(
      umbrella, "RGSchirm", [](const S& s) { return s.DialTypeCode == 'i' ? 1 : s.DialTypeCode == 'v' ? 2 : 0; },
      [](S& s, int item) {
        static const char kLetters[3] = {'h', 'i', 'v'};
        if (item < 0 || item > 2) return;
        s.DialTypeCode = kLetters[item];
        s.UmbrellaOrientation = kLetters[item];
      });
  SetRadioTexts(orientation, TextSource::Catalogue, 530, 3, 412);
  u1->addWidget(orientation);
  QGroupBox* disk = Box(umbrella, "GroupSchirm", 742);
  Entry(disk, "EdSolZeig", 533);
  Entry(disk, "EdSolKreis", 534);
  Entry(disk, "EdSolNeig", 535);
  Entry(disk, "EdSolBeta", 536);
  u1->addWidget(disk);
  RadioGroup* rgs1 = Radio(umbrella, "RGs1", DateLineItem, SetDateLineItem);
  SetRadioTexts(rgs1, TextSource::Catalogue, 124, 4, 123, 1);
  u1->addWidget(rgs1);
  u1->addStretch();
  QGroupBox* lines = Box(umbrella, "GroupStundenS", 100);
  Check(lines, "chB3S", 106, &S::ApparentTimeLines);
  Check(lines, "chBmitZgS", 107, &S::MeanTimeLines);
  Check(lines, "chB5S", 102, &S::BabylonianHours);
  Check(lines, "chB6S", 103, &S::ItalianHours);
  Check(lines, "chB8S", 104, &S::TemporalHours);
  Check(lines, "ChB8tmp", 113, &S::ExtendTemporalLines);
  Check(lines, "chB7S", 105, &S::AltitudeLines);
  ChooserRow(lines, 122, {"cHoIntS"});
  Check(lines, "chBganz2", 112, &S::WholeHourDateLines);
  Check(lines, "chB4S", 108, &S::MarkAnalemma);
  Entry(lines, "Ed1S", 109, 40);
  ChooserRow(lines, 110, {"cMarkierS"});
  auto* u2 = new QVBoxLayout;
  ugrid->addLayout(u2, 0, 1);
  u2->addWidget(lines);
  RadioGroup* swoz = Radio(umbrella, "rgsWoz", FlagItem(&S::BifilarLocalTime, 0), SetFlagItem(&S::BifilarLocalTime, 0));
  SetRadioTexts(swoz, TextSource::Catalogue, 513, 2, 590);
  u2->addWidget(swoz);
  u2->addStretch();
  QGroupBox* times = Box(umbrella, "GroupZeitenS", 520);
  ChooserRow(times, 115, {"cSoAnf", "cSoEnd", "cSoStund"});
  ChooserRow(times, 116, {"cEotAnfS", "cEotEndS", "cEoTStundS"});
  ChooserRow(times, 117, {"cBAAnfS", "cBAEndS", "cBaIntS"});
  ChooserRow(times, 118, {"cItAnfS", "cItEndS", "cItIntS"});
  ChooserRow(times, 119, {"CTeAnfS", "CTeEndS", "cTeIntS"});
  ugrid->addWidget(times, 1, 0, 1, 2, Qt::AlignLeft);
  layout->addWidget(umbrella);

  // The bifilar dial after Michnik.
  auto* bifilar = new QWidget(page);
  bifilar->setObjectName("PanelBifilar");
  auto* brow = new QHBoxLayout(bifilar);
  brow->setContentsMargins(0, 0, 0, 0);
  QVBoxLayout* b1 = Column(brow);
  QGroupBox* threads = Box(bifilar, "GroupFaeden", 544);
  auto* grid = static_cast<QGridLayout*>(threads->layout());
  for (int axis = 0; axis < 3; ++axis)
    grid->addWidget(MakeLabel(threads, (std::string("lAchse") + char('x' + axis)).c_str(), 541 + axis), 0, 2 + axis,
                    Qt::AlignCenter);
  for (int point = 0; point < 4; ++point) {
    const int r = 1 + point;
    if (point % 2 == 0)
      grid->addWidget(MakeLabel(threads, (std::string("lFaden") + char('1' + point / 2)).c_str(), 537 + point / 2), r, 0);
    grid->addWidget(MakeLabel(threads, (std::string("lPunkt") + char('1' + point)).c_str(), 539 + point % 2), r, 1);
    for (int axis = 0; axis < 3; ++axis) {
      const std::string name = "ed" + std::to_string(point + 1) + char('x' + axis);
      QLineEdit* e = MakeEdit(threads, name.c_str(), 60);
      e->installEventFilter(this);
      grid->addWidget(e, r, 2 + axis);
    }
  }
  b1->addWidget(threads);
  QGroupBox* options = Box(bifilar, "GroupBifiOptionen", 100);
  Check(options, "ChB3B", 106, &S::ApparentTimeLines);
  Check(options, "ChBifi", 114, &S::HourLinesToStyleFoot);
  Check(options, "ChBmichnik", 568, &S::BifilarClassicMichnik);
  ChooserRow(options, 115, {"coBiAnf", "CoBiEnd", "coBiDist"});
  b1->addWidget(options);
  b1->addStretch();
  QVBoxLayout* b2 = Column(brow);
  RadioGroup* rgbi = Radio(bifilar, "RgBi", DateLineItem, SetDateLineItem);
  SetRadioTexts(rgbi, TextSource::Catalogue, 124, 4, 123, 1);
  b2->addWidget(rgbi);
  RadioGroup* bwoz = Radio(bifilar, "rgbWoz", FlagItem(&S::BifilarLocalTime, 0), SetFlagItem(&S::BifilarLocalTime, 0));
  SetRadioTexts(bwoz, TextSource::Phrase, 16, 2, 495);
  b2->addWidget(bwoz);
  b2->addStretch();
  layout->addWidget(bifilar);
  layout->addStretch();
}

void ParameterWindow::BuildQuadrantPage(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  RadioGroup* kind = Radio(page, "RgAltitude", IntItem(&S::AltitudeDialKind), [](S& s, int item) {
    s.AltitudeDialKind = item;
    UpdateHabermelGnomon(s);
  });
  SetRadioTexts(kind, TextSource::Catalogue, 350, 3, 353);
  layout->addWidget(kind, 0, Qt::AlignLeft);

  auto* quadrant = new QWidget(page);
  quadrant->setObjectName("PanelQuadrant");
  auto* quadrantLayout = new QVBoxLayout(quadrant);
  quadrantLayout->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  quadrantLayout->addLayout(row);
  QVBoxLayout* left = Column(row);
  QGroupBox* size = Box(quadrant, "GroupQuadrant", 506);
  Entry(size, "edQuad", 569);
  Check(size, "chBQganzjr", 577, &S::YearRoundBand);
  Check(size, "ChbQ1", 578, &S::QuadrantMirrored);
  Check(size, "ChBAz", 580, &S::QuadrantAzimuthLines);
  Check(size, "chBqTemp", 581, &S::TemporalHourLines);
  Check(size, "ChbZ3", 575, &S::MeanTimeConstruction);
  left->addWidget(size);
  RadioGroup* scale = Radio(quadrant, "rgZodiak", IntItem(&S::QuadrantDateScale), SelectQuadrantDateScale);
  SetRadioTexts(scale, TextSource::Catalogue, 210, 3, 576);
  left->addWidget(scale);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  RadioGroup* arc = Radio(quadrant, "RgQ2", FlagItem(&S::SummerArcOutside, 0), SetFlagItem(&S::SummerArcOutside, 0));
  SetRadioTexts(arc, TextSource::Catalogue, 148, 2, 501);
  right->addWidget(arc);
  RadioGroup* time = Radio(quadrant, "rgQuad", FlagItem(&S::ZoneTime, 1), SelectZoneTimeItem);
  SetRadioTexts(time, TextSource::Catalogue, 513, 2, 495);
  right->addWidget(time);
  QGroupBox* times = Box(quadrant, "GroupZeitenQ", 520);
  ChooserRow(times, 115, {"CQAnf", "CQend", "cQStund"});
  ChooserRow(times, 119, {"cQtAnf", "cQtEnd", "cQtStund"});
  quadrantLayout->addWidget(times, 0, Qt::AlignLeft);
  right->addStretch();
  layout->addWidget(quadrant);

  // The Habermel dials; the title names the kind.
  QGroupBox* habermel = Box(page, "GroupHabermel", 0);
  Entry(habermel, "EdHabermel", 570);
  Entry(habermel, "EdHabermel2", 584);
  Entry(habermel, "EdLat", 585, 100);
  auto* note = MakeLabel(habermel, "LabelNordNote", 369);
  static_cast<QGridLayout*>(habermel->layout())->addWidget(note, habermel->layout()->count(), 0, 1, 5);
  ChooserRow(habermel, 586, {"cLinZlH"});
  Check(habermel, "ChBQ2", 582, &S::MeanTimeConstruction);
  layout->addWidget(habermel, 0, Qt::AlignLeft);
  layout->addStretch();
}

void ParameterWindow::BuildCylinderPage(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  outer->addLayout(row);
  QVBoxLayout* left = Column(row);
  QGroupBox* size = Box(page, "GroupZylinder", 507);
  Entry(size, "Edit1", 131);
  Entry(size, "EdSkala", 572);
  Entry(size, "EdSkalaS", 573);
  Entry(size, "EdRAdius", 587);
  Entry(size, "EDekl", 346);
  Check(size, "ChBZ1", 575, &S::CylinderEotConstruction);
  Check(size, "ChBZ2", 348, &S::AltitudeLines);
  Check(size, "ChB5z", 102, &S::BabylonianHours);
  Check(size, "ChB6z", 103, &S::ItalianHours);
  left->addWidget(size);
  RadioGroup* months = Radio(page, "RGZ1", FlagItem(&S::MonthScaleDouble, 1), SetFlagItem(&S::MonthScaleDouble, 1));
  SetRadioTexts(months, TextSource::Phrase, 29, 2, 574);
  left->addWidget(months);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  RadioGroup* kind3 = Radio(page, "rgZ3", TimeKindItem, SetTimeKindItem);
  SetRadioTexts(kind3, TextSource::Phrase, 4, 3, 552);
  right->addWidget(kind3);
  RadioGroup* zone = Radio(page, "rgZyl", FlagItem(&S::ZoneTime, 1), SelectZoneTimeItem);
  SetRadioTexts(zone, TextSource::Catalogue, 513, 2, 495);
  right->addWidget(zone);
  // The hour lines with equation of time of the polar-style cylinder.
  auto* local = new QGroupBox(page);
  local->setObjectName("GroupOrtszeit");
  SetTag(local, 590);
  auto* localLayout = new QVBoxLayout(local);
  for (const auto& [name, tag, item] : {std::tuple{"rbOrtszeit", 513, 0}, std::tuple{"rbZone", 514, 1}}) {
    auto* button = new QRadioButton(local);
    button->setObjectName(name);
    SetTag(button, tag);
    localLayout->addWidget(button);
    const int chosen = item;
    connect(button, &QRadioButton::clicked, this, [this, chosen] {
      Settings().PlanarLocalTime = chosen == 0;
      Changed();
    });
  }
  right->addWidget(local);
  QGroupBox* times = Box(page, "GroupZeitenZ", 520);
  ChooserRow(times, 115, {"CEdAnf", "CEdEnd", "CStund"});
  ChooserRow(times, 119, {"cTeAnf3", "cTeEnd3", "cTeInt3"});
  ChooserRow(times, 116, {"cEotAnf2", "cEotEnd2", "cEotInt2"});
  ChooserRow(times, 117, {"cBaAnf2", "cBaEnd2", "cBaInt2"});
  ChooserRow(times, 118, {"CItAnf2", "CItEnd2", "cItInt2"});
  right->addStretch();
  // The time ranges below both columns.
  outer->addWidget(times, 0, Qt::AlignLeft);
  outer->addStretch();
}

void ParameterWindow::BuildAltitudePage(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  outer->addLayout(row);
  QVBoxLayout* left = Column(row);
  QGroupBox* size = Box(page, "GroupHoehe", 508);
  Entry(size, "hEdit1", 131);
  Entry(size, "hEdSkala", 364);
  Entry(size, "hEdSkalaS", 589);
  Check(size, "hCHBZ1", 575, &S::CylinderEotConstruction);
  Check(size, "hChBZ2", 588, &S::AddVerticalFace);
  left->addWidget(size);
  RadioGroup* months = Radio(page, "hRGZ1", FlagItem(&S::MonthScaleDouble, 1), SetFlagItem(&S::MonthScaleDouble, 1));
  SetRadioTexts(months, TextSource::Phrase, 29, 2, 574);
  left->addWidget(months);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  RadioGroup* kind = Radio(page, "hRGZ2", TimeKindItem, SetTimeKindItem);
  SetRadioTexts(kind, TextSource::Phrase, 4, 3, 552);
  right->addWidget(kind);
  QGroupBox* times = Box(page, "GroupZeitenH", 520);
  ChooserRow(times, 115, {"hCEdAnf", "hCEdEnd", "hCStund"});
  ChooserRow(times, 119, {"hcEdtAnf", "hcEdtEnd", "hctStund"});
  right->addStretch();
  // The time ranges below both columns.
  outer->addWidget(times, 0, Qt::AlignLeft);
  outer->addStretch();
}

void ParameterWindow::BuildRingPage(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  outer->addLayout(row);
  QVBoxLayout* left = Column(row);
  QGroupBox* size = Box(page, "GroupRing", 509);
  Entry(size, "rDurchEdit", 594);
  Entry(size, "rBreitEdit", 595);
  Entry(size, "rAlphEdit", 596);
  Entry(size, "rOff2", 597);
  Check(size, "chBRganzjr", 598, &S::YearRoundBand);
  Check(size, "chB12all", 599, &S::RingNoonHorizontal);
  left->addWidget(size);
  RadioGroup* kind = Radio(
      page, "rgRi2", [](const S& s) { return s.TemporalHourLines ? 1 : 0; },
      [](S& s, int item) {
        s.TemporalHourLines = item == 1;
        s.LocalTime = item == 0;
        if (item == 1) s.ZoneTime = true;
      });
  SetRadioCatalogueItems(kind, {513, 581}, 552);
  left->addWidget(kind);
  RadioGroup* exact = Radio(page, "rgRiExakt", IntItem(&S::RingDeflectionMode), SetIntItem(&S::RingDeflectionMode));
  SetRadioTexts(exact, TextSource::Catalogue, 151, 3, 150);
  left->addWidget(exact);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  QGroupBox* hours = Box(page, "GroupStundenR", 100);
  Check(hours, "ChB5r", 102, &S::BabylonianHours);
  ChooserRow(hours, 0, {"BabBox"});
  Check(hours, "ChB6r", 103, &S::ItalianHours);
  ChooserRow(hours, 0, {"ItBox"});
  right->addWidget(hours);
  QGroupBox* times = Box(page, "GroupZeitenR", 520);
  ChooserRow(times, 115, {"CEdRvon", "cEdRBis", "cRInt"});
  ChooserRow(times, 119, {"cRtAnf", "cRtEnd", "cRtInt"});
  ChooserRow(times, 117, {"cBaAnf3", "cBaEnd3", "cBaInt3"});
  ChooserRow(times, 118, {"cItAnf3", "cItEnd3", "cItInt3"});
  right->addStretch();
  // The time ranges below both columns.
  outer->addWidget(times, 0, Qt::AlignLeft);
  outer->addStretch();
}

void ParameterWindow::BuildAzimuthalPage(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  outer->addLayout(row);
  QVBoxLayout* left = Column(row);
  RadioGroup* circles = Radio(
      page, "rgAzMain", [](const S& s) { return s.AzimuthCircleKind == 0 ? 0 : 1; },
      SetIntItem(&S::AzimuthCircleKind));
  SetRadioTexts(circles, TextSource::Catalogue, 357, 2, 359);
  left->addWidget(circles);
  RadioGroup* spacing =
      Radio(page, "RGAzHoehe", IntItem(&S::AltitudeCircleSpacing), SetIntItem(&S::AltitudeCircleSpacing));
  SetRadioTexts(spacing, TextSource::Catalogue, 328, 3, 331);
  left->addWidget(spacing);
  QGroupBox* size = Box(page, "GroupAzimut", 510);
  Entry(size, "EdAz1", 601);
  Entry(size, "EdAz2", 602);
  Check(size, "ChBA2", 575, &S::MeanTimeConstruction);
  Check(size, "ChBEclip", 603, &S::DrawEcliptic);
  // The horizon profile belongs to the diagrams, which this program does not have yet.
  QCheckBox* profile = MakeCheck(size, "ChBHProfil", 604);
  profile->setEnabled(false);
  static_cast<QGridLayout*>(size->layout())->addWidget(profile, size->layout()->count(), 0, 1, 5);
  Check(size, "chBganz3", 112, &S::WholeHourDateLines);
  left->addWidget(size);
  RadioGroup* zodiac =
      Radio(page, "rgZodiAZ", FlagItem(&S::ZodiacDateCircles, 1), SetFlagItem(&S::ZodiacDateCircles, 1));
  SetRadioCatalogueItems(zodiac, {334, 333}, 213);
  left->addWidget(zodiac);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  RadioGroup* time = Radio(page, "RgA1", FlagItem(&S::ZoneTime, 1), SelectZoneTimeItem);
  SetRadioTexts(time, TextSource::Catalogue, 513, 2, 495);
  right->addWidget(time);
  RadioGroup* arc = Radio(page, "RgA2", FlagItem(&S::SummerArcOutside, 0), SetFlagItem(&S::SummerArcOutside, 0));
  SetRadioTexts(arc, TextSource::Catalogue, 336, 2, 501);
  right->addWidget(arc);
  QGroupBox* hours = Box(page, "GroupStundenA", 100);
  Check(hours, "ChB5a", 102, &S::BabylonianHours);
  Check(hours, "ChB6a", 103, &S::ItalianHours);
  Check(hours, "chBaTemp", 104, &S::TemporalHourLines);
  right->addWidget(hours);
  QGroupBox* times = Box(page, "GroupZeitenA", 520);
  ChooserRow(times, 115, {"cAAnf", "cAEnd", "cAStund"});
  ChooserRow(times, 119, {"cAtAnf", "cAtEnd", "cAtStund"});
  ChooserRow(times, 117, {"CBaAnf4", "CBaEnd4", "CBaInt4"});
  ChooserRow(times, 118, {"CItAnf4", "CItEnd4", "CItInt4"});
  ChooserRow(times, 586, {"cDatLin"});
  right->addStretch();
  // The time ranges below both columns.
  outer->addWidget(times, 0, Qt::AlignLeft);
  outer->addStretch();
}

// The two-position dials (biazimuthal and mean time) live in a group that only
// expert mode shows.
QHBoxLayout* ParameterWindow::TwoPositionGroup(QWidget* page, const char* name, QWidget*& group) {
  auto* outer = new QVBoxLayout(page);
  group = new QWidget(page);
  group->setObjectName(name);
  outer->addWidget(group);
  outer->addStretch();
  auto* row = new QHBoxLayout(group);
  row->setContentsMargins(0, 0, 0, 0);
  return row;
}

// Place A of a two-position dial; `suffix` tells the copy on the mean-time page.
QGroupBox* ParameterWindow::PlaceA(QWidget* group, const char* name, int tag, const std::string& suffix) {
  QGroupBox* a = Box(group, name, tag);
  Entry(a, ("EdLat1" + suffix).c_str(), 735, 100);
  Entry(a, ("EdLong1" + suffix).c_str(), 736, 100);
  Entry(a, ("EdZon1" + suffix).c_str(), 737, 100);
  Entry(a, ("EdAbw1" + suffix).c_str(), 738);
  DerivedRow(a, ("EL1" + suffix).c_str(), ("ELo1" + suffix).c_str());
  return a;
}

// Horizontal, vertical or inclining plane of the two-position dials.
RadioGroup* ParameterWindow::PlaneOrientation(QWidget* group, const char* name) {
  RadioGroup* orientation = Radio(
      group, name, ConeOrientationItem, SetIntItem(&S::ConeOrientation));
  SetRadioTexts(orientation, TextSource::Phrase, 22, 3, 611);
  return orientation;
}

void ParameterWindow::BuildBiazimuthalPage(QWidget* page) {
  QWidget* group = nullptr;
  QHBoxLayout* row = TwoPositionGroup(page, "GroupBiazi", group);
  QVBoxLayout* left = Column(row);
  left->addWidget(PlaceA(group, "GroupPositionA", 605, ""));
  QGroupBox* b = Box(group, "GroupPositionB", 606);
  Entry(b, "ed2Lat", 607, 100);
  Entry(b, "Ed2Long", 608, 100);
  Entry(b, "EdAbw2", 609);
  Check(b, "ChbV2", 610, &S::SecondVertical);
  DerivedRow(b, "EL2", "ELo2");
  left->addWidget(b);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  QGroupBox* plane = Box(group, "GroupEbene", 742);
  Entry(plane, "Ed2Inklin", 739);
  Entry(plane, "EdScale", 614);
  Check(plane, "ChBACo", 575, &S::MeanTimeConstruction);
  Check(plane, "chB4Az", 108, &S::MarkAnalemma);
  Entry(plane, "Ed2", 109, 40);
  ChooserRow(plane, 586, {"cLinZl"});
  right->addWidget(plane);
  right->addWidget(PlaneOrientation(group, "RgBiazi"));
  RadioGroup* zone = Radio(group, "RgAzCo", FlagItem(&S::ZoneTime, 1), SelectZoneTimeItem);
  SetRadioTexts(zone, TextSource::Catalogue, 513, 2, 495);
  right->addWidget(zone);
  RadioGroup* position =
      Radio(group, "RgPosition", IntItem(&S::BiazimuthalTimePosition), SetIntItem(&S::BiazimuthalTimePosition));
  SetRadioTexts(position, TextSource::Catalogue, 612, 2, 619);
  right->addWidget(position);
  QGroupBox* times = Box(group, "GroupZeitenB", 520);
  ChooserRow(times, 115, {"cAcoAnf", "CaCoEnd", "CaCoStund"});
  ChooserRow(times, 116, {"cAzEotAnf", "cAzEotEnd"});
  right->addWidget(times);
  right->addStretch();
}

void ParameterWindow::BuildMeanTimePage(QWidget* page) {
  QWidget* group = nullptr;
  QHBoxLayout* row = TwoPositionGroup(page, "GroupHoll", group);
  QVBoxLayout* left = Column(row);
  left->addWidget(PlaceA(group, "GroupPositionHoll", 178, "b"));
  RadioGroup* zone = Radio(group, "RgAzCo2", FlagItem(&S::ZoneTime, 1), SelectZoneTimeItem);
  SetRadioTexts(zone, TextSource::Catalogue, 513, 2, 495);
  left->addWidget(zone);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  QGroupBox* cone = Box(group, "GroupKegel", 742);
  Entry(cone, "Ed2Inklinb", 739);
  Entry(cone, "EdKegel", 615);
  Entry(cone, "EdNeig", 616);
  Entry(cone, "EdSpi", 617);
  ChooserRow(cone, 586, {"cLinZl2"});
  right->addWidget(cone);
  right->addWidget(PlaneOrientation(group, "RGHoll"));
  QGroupBox* times = Box(group, "GroupZeitenM", 520);
  ChooserRow(times, 115, {"cAcoAnfb", "CaCoEndb", "CaCoStundb"});
  right->addWidget(times);
  right->addStretch();
}

void ParameterWindow::BuildSawyerPage(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  RadioGroup* kind = Radio(
      page, "rgSawPeau", [](const S& s) { return s.DialTypeCode == 'p' ? 1 : 0; },
      [](S& s, int item) {
        if (item == 1) {
          s.DialTypeCode = 'p';
          return;
        }
        s.DialTypeCode = 'w';
        SelectSawyerTimeKind(s, s.SawyerTimeKind);
      });
  SetRadioTexts(kind, TextSource::Catalogue, 621, 2, 401);
  layout->addWidget(kind, 0, Qt::AlignLeft);
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  layout->addStretch();
  QVBoxLayout* left = Column(row);
  QGroupBox* sawyer = Box(page, "GroupSawyer", 516);
  Entry(sawyer, "EdSawyer", 130);
  Entry(sawyer, "EdSWi", 623);
  Entry(sawyer, "EdSaw", 735, 100);
  Entry(sawyer, "EdSzp", 624);
  ChooserRow(sawyer, 121, {"cSint"});
  ChooserRow(sawyer, 586, {"cLinZlS"});
  left->addWidget(sawyer);
  RadioGroup* time = Radio(
      page, "rgSawyer", IntItem(&S::SawyerTimeKind), [](S& s, int item) { SelectSawyerTimeKind(s, item); });
  SetRadioTexts(time, TextSource::Catalogue, 524, 4, 502);
  left->addWidget(time);
  left->addStretch();
  QVBoxLayout* right = Column(row);
  QGroupBox* peaucellier = Box(page, "GroupPeaucellier", 622);
  Entry(peaucellier, "EdPeau", 625);
  Entry(peaucellier, "EdEinheit", 626);
  Entry(peaucellier, "EdSaw2", 735, 100);
  ChooserRow(peaucellier, 121, {"cPint"});
  right->addWidget(peaucellier);
  right->addStretch();
}

QWidget* ParameterWindow::BuildDateBox() {
  auto* box = new QGroupBox(this);
  box->setObjectName("GroupDatum");
  SetTag(box, 522);
  box->setMaximumWidth(260);
  auto* layout = new QVBoxLayout(box);
  dates_ = new QListWidget(box);
  dates_->setObjectName("ListBox2");
  QFont mono = dates_->font();
  mono.setFamily("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  dates_->setFont(mono);
  layout->addWidget(MakeLabel(box, "Label30", 634, dates_));
  layout->addWidget(dates_, 1);
  dateEntry_ = new QLineEdit(box);
  dateEntry_->setObjectName("MaskEdit1");
  dateEntry_->setInputMask("00/00;_");
  dateEntry_->setFixedWidth(70);
  dateEntry_->installEventFilter(this);
  QLabel* entryLabel = MakeLabel(box, "Label31", 635, dateEntry_);
  entryLabel->setWordWrap(true);
  layout->addWidget(entryLabel);
  layout->addWidget(dateEntry_);
  auto button = [box, layout](const char* name, int tag) {
    auto* b = new QPushButton(box);
    b->setObjectName(name);
    SetTag(b, tag);
    layout->addWidget(b);
    return b;
  };
  connect(button("Button2", 564), &QPushButton::clicked, this, &ParameterWindow::Button2Click);
  connect(button("Button1", 627), &QPushButton::clicked, this, &ParameterWindow::Button1Click);
  connect(button("Button3", 628), &QPushButton::clicked, this, [] {
    SaveDateLinesToSettingsFile(Settings().OwnDateLines, Settings().ReferenceYear, SettingsFilePath());
  });
  connect(button("Button4", 629), &QPushButton::clicked, this, [this] {
    if (LoadDateLinesFromSettingsFile(Settings(), SettingsFilePath(), DaysFilePath())) ShowDates();
  });
  return box;
}

// --- state -----------------------------------------------------------------------

void ParameterWindow::ShowFlags() {
  const DialSettings& s = Settings();
  for (const CheckBinding& c : checks_) {
    const bool blocked = c.box->blockSignals(true);
    c.box->setChecked(s.*c.field);
    c.box->blockSignals(blocked);
  }
  for (const RadioBinding& r : radios_) r.group->SetItemIndex(r.get(s));
  for (QComboBox* combo : choosers_) {
    const bool blocked = combo->blockSignals(true);
    combo->setCurrentIndex(ChooserIndex(s, combo->objectName().toStdString()));
    combo->blockSignals(blocked);
  }
  for (const auto& [name, on] : {std::pair{"rbOrtszeit", s.PlanarLocalTime}, std::pair{"rbZone", !s.PlanarLocalTime}})
    if (auto* b = findChild<QRadioButton*>(name)) b->setChecked(on);
}

void ParameterWindow::Changed() {
  DialSettings& s = Settings();
  // Entries whose meaning follows a choice are shown again (cylinder gnomon, ring
  // offset, Habermel gnomon); the others keep what is typed in them.
  TextEntryForm shown;
  FillParameterFields(shown, s);
  for (const char* name : {"Edit1", "rOff2", "EdHabermel", "EdHabermel2"})
    if (EntryField* f = form_.Find(name)) f->SetText(shown[name].Text());
  ShowFlags();
  UpdateView();
}

void ParameterWindow::UpdateView() {
  const DialSettings& s = Settings();
  auto show = [this](const char* name, bool visible) {
    if (auto* w = findChild<QWidget*>(name)) w->setVisible(visible);
    if (auto* l = findChild<QWidget*>(QString("l") + name)) l->setVisible(visible);
  };
  auto enable = [this](const char* name, bool on) {
    if (auto* w = findChild<QWidget*>(name)) w->setEnabled(on);
  };
  const char c = s.DialTypeCode;
  // Planar page and its copies on the umbrella page.
  show("EdInkl", c == 'i');
  enable("ChB1", s.ApparentTimeLines);
  enable("ChBifi", s.ApparentTimeLines);
  enable("ChBtemp", s.TemporalHours);
  enable("ChB8tmp", s.TemporalHours);
  // Umbrella or bifilar.
  show("PanelSchirm", s.UmbrellaMode);
  show("PanelBifilar", !s.UmbrellaMode);
  show("EdSolNeig", c == 'i');
  show("EdSolBeta", c == 'i' || c == 'v');
  enable("ed2z", false);
  // Quadrant and Habermel dials.
  show("RgAltitude", s.ExpertMode);
  show("PanelQuadrant", s.AltitudeDialKind == 0);
  show("GroupHabermel", s.AltitudeDialKind != 0);
  if (auto* habermel = findChild<QGroupBox*>("GroupHabermel"))
    habermel->setTitle(ToQ(Title(s.AltitudeDialKind == 2 ? 42 : 41)));
  show("LabelNordNote", s.Latitude < 0);
  // Cylinder: the polar-style cylinder has a radius and a declination instead of
  // the scale length.
  const bool polar = s.CylinderKind == 2;
  show("EdRAdius", polar);
  show("EDekl", polar);
  show("rgZyl", polar);
  show("GroupOrtszeit", polar);
  show("EdSkala", !polar);
  show("ChBZ2", !polar);
  show("rgZ3", !polar);
  // Ring: the hole offset only in expert mode.
  enable("rOff2", s.ExpertMode);
  // Azimuthal.
  show("RGAzHoehe", s.ExpertMode);
  show("ChBHProfil", s.AzimuthCircleKind == 1);
  // The two-position dials only in expert mode.
  show("GroupBiazi", s.ExpertMode);
  show("GroupHoll", s.ExpertMode);
  // The own date list is greyed unless own dates are chosen; it stays editable.
  QPalette palette = dates_->palette();
  palette.setColor(QPalette::Base, s.DateLineMode == '2' ? QApplication::palette().color(QPalette::Base)
                                                         : QApplication::palette().color(QPalette::Window));
  dates_->setPalette(palette);
  dates_->setProperty("greyed", s.DateLineMode != '2');
}

void ParameterWindow::ShowDates() {
  dates_->clear();
  for (const std::string& line : Settings().OwnDateLines) dates_->addItem(ToQ(line));
}

ParameterPage ParameterWindow::CurrentPage() const { return static_cast<ParameterPage>(pages_->currentIndex()); }

bool ParameterWindow::SelectPage(ParameterPage page) {
  pages_->setCurrentIndex(static_cast<int>(page));
  return CurrentPage() == page;
}

bool ParameterWindow::Transfer() {
  const bool ok = TransferPage(form_, CurrentPage(), Settings());
  ShowFlags();
  return ok;
}

void ParameterWindow::PageChanged(int index) {
  if (changingPage_) return;
  const auto left = static_cast<ParameterPage>(shownPage_);
  if (!TransferPage(form_, left, Settings())) {
    changingPage_ = true;
    pages_->setCurrentIndex(shownPage_);
    changingPage_ = false;
    return;
  }
  shownPage_ = index;
  // Every page shows the stored values, so copies on different pages agree.
  FillParameterFields(form_, Settings());
  ShowFlags();
  UpdateView();
  SetHelpContext(PageHelpTopic(CurrentPage(), Settings()));
}

// --- own date lines ----------------------------------------------------------------

void ParameterWindow::Button2Click() {
  // The mask shows its blanks as '_'; the date check reads them as blanks.
  std::string input = dateEntry_->displayText().toStdString();
  for (char& ch : input)
    if (ch == '_') ch = ' ';
  std::vector<std::string> list = Settings().OwnDateLines;
  const AddOwnDateResult result = AddOwnDate(list, input, Settings().ReferenceYear, CurrentLanguage());
  if (result == AddOwnDateResult::Added) {
    Settings().OwnDateLines = list;
    ShowDates();
    dateEntry_->clear();
  }
  dateEntry_->setFocus(Qt::OtherFocusReason);
}

void ParameterWindow::Button1Click() {
  std::vector<std::string> list = Settings().OwnDateLines;
  if (!RemoveOwnDate(list, dates_->currentRow())) return;
  Settings().OwnDateLines = list;
  ShowDates();
  dates_->setCurrentRow(-1);
}

// --- events ------------------------------------------------------------------------

bool ParameterWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return TaskWindow::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (edit == dateEntry_) close_->setFocus(Qt::TabFocusReason);
      else focusNextChild();
      return true;
    }
  }
  // A click into the empty date mask puts the cursor after the mask, where typing
  // does nothing; the date is typed from its first place.
  if (edit == dateEntry_ && event->type() == QEvent::MouseButtonRelease &&
      !edit->displayText().contains(QRegularExpression("[0-9]")))
    edit->setCursorPosition(0);
  if (event->type() == QEvent::FocusOut && edit != dateEntry_ && !leaving_) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && edit->isEnabled()) {
      leaving_ = true;
      ParameterFieldExit(form_, edit->objectName().toStdString(), Settings());
      UpdateView();
      leaving_ = false;
    }
  }
  return TaskWindow::eventFilter(watched, event);
}

void ParameterWindow::RecaptionOwn() {
  RecaptionInputTexts(this);
  ShowFlags();
  UpdateView();
  RecaptionStep();
}

}  // namespace skiagraf::gui
