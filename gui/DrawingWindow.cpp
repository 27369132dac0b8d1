#include "DrawingWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "MainWindow.h"
#include "PainterSurface.h"
#include "PalettePanel.h"
#include "base/NumberFormat.h"
#include "dials/DialDispatch.h"
#include "dials/DialPlotFile.h"
#include "dials/DialText.h"
#include "model/DialSettings.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

constexpr int kHelpContext = 700;

// Text colours of the hint panel and the canvas message.
const QColor kNavy(0, 0, 128);
const QColor kOlive(128, 128, 0);
const QColor kPurple(128, 0, 128);
const QColor kInfoTip(255, 255, 225);
const QColor kSilver(192, 192, 192);

QString L(const char* german, const char* english) { return QString::fromUtf8(Bilingual(german, english)); }

QPushButton* Button(QWidget* parent, const char* name, int tag) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  SetTag(b, tag);
  b->setText(ToQ(CatalogueText(tag)));
  return b;
}

QAction* MenuAction(QMenu* menu, const char* name, int tag) {
  QAction* a = menu->addAction(tag ? ToQ(CatalogueText(tag)) : QString());
  a->setObjectName(name);
  SetTag(a, tag);
  return a;
}

QLabel* TaggedLabel(QWidget* parent, const char* name, int tag) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  SetTag(l, tag);
  if (tag) l->setText(ToQ(CatalogueText(tag)));
  return l;
}

// A read-only memo of fixed-pitch lines.
QPlainTextEdit* Memo(QWidget* parent, const char* name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  return memo;
}

// The foot row of a panel over the canvas: a print button on the left and a close
// button on the right that hides the panel.
QPushButton* PanelFoot(QWidget* panel, QVBoxLayout* layout, const char* printName, int printTag,
                       const char* closeName) {
  auto* row = new QHBoxLayout;
  QPushButton* print = Button(panel, printName, printTag);
  QPushButton* close = Button(panel, closeName, 7);
  row->addWidget(print);
  row->addStretch(1);
  row->addWidget(close);
  layout->addLayout(row);
  QObject::connect(close, &QPushButton::clicked, panel, &QWidget::hide);
  return print;
}

bool MovableFoot(char type) { return QByteArray("chimpvw").contains(type); }

// Types whose hint panel tells how to place the gnomon and the text with the mouse;
// the others (the altitude dials among them) have nothing to place and no hint.
bool PlacementHints(char type) { return QByteArray("cfhisv").contains(type); }

}  // namespace

// ---------------------------------------------------------------------------

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingCanvas::SetTextBox(const std::optional<QRect>& box) {
  textBox_ = box;
  update();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!image_.isNull()) p.drawImage(0, 0, image_);
  if (textBox_) {
    // The inverting blue box of the text anchor.
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(*textBox_);
  }
}

// ---------------------------------------------------------------------------

DrawingWindowHooks& DrawingHooks() {
  static DrawingWindowHooks hooks;
  return hooks;
}

void RegisterDrawingWindow() {
  MainWindow::RegisterTaskWindow("Form5", [](MainWindow& frame) { return new DrawingWindow(&frame); });
}

DrawingWindow::DrawingWindow(MainWindow* frame, QWidget* parent)
    : TaskWindow("Form5", kHelpContext, parent), frame_(frame) {
  BuildWidgets();
  BuildPopup();
  BildGroesse();
  if (frame_) {
    // The screen format is mirrored in the main menu, which keeps the choice while no
    // drawing window is open.
    if (QAction* a3 = frame_->Action("DINA3")) view_.a3 = a3->isChecked();
    if (QAction* a4 = frame_->Action("DINA4")) connect(a4, &QAction::triggered, this, &DrawingWindow::A4Click);
    if (QAction* a3 = frame_->Action("DINA3")) connect(a3, &QAction::triggered, this, &DrawingWindow::A3Click);
  }
  RecaptionWindow(this);
}

DrawingWindow::~DrawingWindow() = default;

void DrawingWindow::BuildWidgets() {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  auto* left = new QWidget(this);
  left->setObjectName("CanvasArea");
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->setSpacing(0);
  Image1_ = new DrawingCanvas(left);
  Image1_->installEventFilter(this);
  Image1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  leftLayout->addWidget(Image1_, 1);

  PExpert_ = new QGroupBox(left);
  PExpert_->setObjectName("PExpert");
  SetTag(PExpert_, 749);
  {
    auto* l = new QHBoxLayout(PExpert_);
    l->setContentsMargins(6, 2, 6, 2);
    ChBMap_ = new QCheckBox(PExpert_);
    ChBMap_->setObjectName("ChBMap");
    SetTag(ChBMap_, 708);
    ChBfrontier_ = new QCheckBox(PExpert_);
    ChBfrontier_->setObjectName("ChBfrontier");
    SetTag(ChBfrontier_, 709);
    l->addWidget(ChBMap_);
    l->addWidget(ChBfrontier_);
    l->addStretch(1);
    connect(ChBMap_, &QCheckBox::toggled, this, [this](bool on) {
      if (Settings().DrawCoastline == on) return;
      Settings().DrawCoastline = on;
      if (drawn_) Konstruiere();
    });
    connect(ChBfrontier_, &QCheckBox::toggled, this, [this](bool on) {
      if (Settings().DrawBorders == on) return;
      Settings().DrawBorders = on;
      if (drawn_) Konstruiere();
    });
  }
  // The gap above the expert panel is there only while the panel is.
  expertGap_ = new QSpacerItem(0, 15, QSizePolicy::Minimum, QSizePolicy::Fixed);
  leftLayout->addSpacerItem(expertGap_);
  leftLayout->addWidget(PExpert_, 0, Qt::AlignLeft);
  layout->addWidget(left, 1);

  // The side panel with the commands.
  Panel2_ = new QWidget(this);
  Panel2_->setObjectName("Panel2");
  Panel2_->setFixedWidth(190);
  auto* side = new QVBoxLayout(Panel2_);
  side->setContentsMargins(4, 4, 4, 4);
  bitBtnZeichne_ = Button(Panel2_, "bitBtnZeichne", 701);
  BitBtnNetz_ = Button(Panel2_, "BitBtnNetz", 702);
  BBtnZoomIn_ = Button(Panel2_, "BBtnZoomIn", 703);
  BitBtnOut_ = Button(Panel2_, "BitBtnOut", 704);
  BitBtnStabInfo_ = Button(Panel2_, "BitBtnStabInfo", 705);
  BitBtnWinkel_ = Button(Panel2_, "BitBtnWinkel", 706);
  BitBtnCol_ = Button(Panel2_, "BitBtnCol", 707);
  BitBtnHpgl_ = Button(Panel2_, "BitBtnHPGL", 15);
  BitBtnDxf_ = Button(Panel2_, "dxf", 16);
  BitBtnDrucken_ = Button(Panel2_, "BitBtnDrucken", 744);
  // The zoom buttons carry arrows, as their captions differ only by a blank.
  BBtnZoomIn_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  BitBtnOut_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  for (QPushButton* b : {bitBtnZeichne_, BitBtnNetz_, BBtnZoomIn_, BitBtnOut_, BitBtnStabInfo_, BitBtnWinkel_,
                         BitBtnCol_}) {
    side->addWidget(b);
    b->installEventFilter(this);
  }
  side->addSpacing(12);
  for (QPushButton* b : {BitBtnHpgl_, BitBtnDxf_, BitBtnDrucken_}) {
    side->addWidget(b);
    b->installEventFilter(this);
  }
  side->addSpacing(12);
  LTrack_ = TaggedLabel(Panel2_, "LTrack", 0);
  TrackBar1_ = new QSlider(Qt::Horizontal, Panel2_);
  TrackBar1_->setObjectName("TrackBar1");
  TrackBar1_->setRange(0, 100);
  side->addWidget(LTrack_);
  side->addWidget(TrackBar1_);
  pWarnung_ = new QLabel(Panel2_);
  pWarnung_->setObjectName("pWarnung");
  pWarnung_->setWordWrap(true);
  pWarnung_->setAutoFillBackground(true);
  pWarnung_->setMinimumHeight(90);
  pWarnung_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  pWarnung_->setFrameShape(QFrame::Panel);
  pWarnung_->setFrameShadow(QFrame::Sunken);
  side->addWidget(pWarnung_);
  side->addStretch(1);
  layout->addWidget(Panel2_, 0);

  connect(bitBtnZeichne_, &QPushButton::clicked, this, [this] { Konstruiere(DrawMode::Fresh); });
  connect(BitBtnNetz_, &QPushButton::clicked, this, [this] { Konstruiere(DrawMode::WithGrid); });
  connect(BBtnZoomIn_, &QPushButton::clicked, this, &DrawingWindow::ZoomOutClick);
  connect(BitBtnOut_, &QPushButton::clicked, this, &DrawingWindow::BtnZoomInClick);
  connect(BitBtnStabInfo_, &QPushButton::clicked, this, &DrawingWindow::sInfo);
  connect(BitBtnWinkel_, &QPushButton::clicked, this, [this] { BitBtnWinkelClick(true); });
  connect(BitBtnCol_, &QPushButton::clicked, this, &DrawingWindow::BitBtnColClick);
  connect(BitBtnHpgl_, &QPushButton::clicked, this, [this] { dxfClick(false); });
  connect(BitBtnDxf_, &QPushButton::clicked, this, [this] { dxfClick(true); });
  connect(BitBtnDrucken_, &QPushButton::clicked, this, &DrawingWindow::BildDrucken);
  connect(TrackBar1_, &QSlider::valueChanged, this, &DrawingWindow::TrackBar1Change);

  // The style-information panel over the canvas.
  auto* stab = new QGroupBox(Image1_);
  pStabInfo_ = stab;
  stab->setObjectName("pStabInfo");
  SetTag(stab, 742);
  stab->setAutoFillBackground(true);
  {
    auto* l = new QVBoxLayout(stab);
    StabMemo_ = Memo(stab, "StabMemo");
    l->addWidget(StabMemo_);
    BtnInfoDrucken_ = PanelFoot(stab, l, "BtnInfoDrucken", 722, "BtnStabInfoClose");
    connect(BtnInfoDrucken_, &QPushButton::clicked, this, &DrawingWindow::ausgeben);
  }
  stab->hide();

  // The hour-line angles panel over the canvas.
  auto* angles = new QGroupBox(Image1_);
  PWinkel_ = angles;
  angles->setObjectName("PWinkel");
  SetTag(angles, 732);
  angles->setAutoFillBackground(true);
  {
    auto* l = new QVBoxLayout(angles);
    LUhrtyp_ = TaggedLabel(angles, "LUhrtyp", 0);
    QFont bold = LUhrtyp_->font();
    bold.setBold(true);
    LUhrtyp_->setFont(bold);
    l->addWidget(LUhrtyp_);
    auto* top = new QHBoxLayout;
    auto* site = new QGridLayout;
    const std::pair<QLabel**, std::pair<const char*, int>> rows[] = {
        {&LBr_, {"LBr", 735}}, {&LLae_, {"LLae", 736}}, {&LZon_, {"LZon", 737}},
        {&LWan_, {"LWan", 738}}, {&Link_, {"Link", 739}}};
    int r = 0;
    for (const auto& [label, spec] : rows) {
      site->addWidget(TaggedLabel(angles, (QString(spec.first) + "Text").toLatin1().constData(), spec.second), r, 0);
      *label = TaggedLabel(angles, spec.first, 0);
      (*label)->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
      site->addWidget(*label, r, 1);
      ++r;
    }
    LbesonntText_ = TaggedLabel(angles, "LbesonntText", 741);
    LBesonnt_ = TaggedLabel(angles, "LBesonnt", 0);
    site->addWidget(LbesonntText_, r, 0);
    site->addWidget(LBesonnt_, r, 1);
    top->addLayout(site);
    auto* correction = new QVBoxLayout;
    ChBLKorr_ = new QCheckBox(angles);
    ChBLKorr_->setObjectName("ChBLKorr");
    SetTag(ChBLKorr_, 730);
    PLaen_ = new QWidget(angles);
    PLaen_->setObjectName("PLaen");
    auto* pl = new QHBoxLayout(PLaen_);
    pl->setContentsMargins(20, 0, 0, 0);
    pl->addWidget(TaggedLabel(PLaen_, "LKorrektur", 731));
    correction->addWidget(ChBLKorr_);
    correction->addWidget(PLaen_);
    correction->addStretch(1);
    top->addLayout(correction);
    top->addStretch(1);
    l->addLayout(top);
    StrGrWinkel_ = new QTableWidget(1, HourLineAngleTable::kColumns, angles);
    StrGrWinkel_->setObjectName("StrGrWinkel");
    StrGrWinkel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StrGrWinkel_->horizontalHeader()->hide();
    StrGrWinkel_->verticalHeader()->hide();
    StrGrWinkel_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    StrGrWinkel_->verticalHeader()->setDefaultSectionSize(20);
    l->addWidget(StrGrWinkel_, 1);
    Memo1_ = Memo(angles, "Memo1");
    Memo1_->setMaximumHeight(150);
    l->addWidget(Memo1_);
    BtnDruckListe_ = PanelFoot(angles, l, "BtnDruckListe", 3, "BtnWinkelClose");
    connect(ChBLKorr_, &QCheckBox::clicked, this, &DrawingWindow::ChBLKorrClick);
    connect(BtnDruckListe_, &QPushButton::clicked, this, &DrawingWindow::DruckListe);
  }
  angles->hide();
}

void DrawingWindow::BuildPopup() {
  PopupZeichnen_ = new QMenu(this);
  PopupZeichnen_->setObjectName("PopupZeichnen");
  Neu1_ = MenuAction(PopupZeichnen_, "Neu1", 712);
  MitNetz1_ = MenuAction(PopupZeichnen_, "ZeichnungmitNetz1", 713);
  ZoomIn1_ = MenuAction(PopupZeichnen_, "ZoomIn1", 714);
  ZoomOut1_ = MenuAction(PopupZeichnen_, "ZoomOut1", 715);
  PopupZeichnen_->addSeparator();
  A4_ = MenuAction(PopupZeichnen_, "A4", 717);
  A3_ = MenuAction(PopupZeichnen_, "A3", 718);
  A4_->setCheckable(true);
  A3_->setCheckable(true);
  PopupZeichnen_->addSeparator();
  StundenlinienbiszumFupunkt1_ = MenuAction(PopupZeichnen_, "StundenlinienbiszumFupunkt1", 0);
  StundenlinienbiszumFupunkt1_->setCheckable(true);
  ZeichnePolDr1_ = MenuAction(PopupZeichnen_, "ZeichnePolDr1", 111);
  ZeichnePolDr1_->setCheckable(true);
  Polstabinfo1_ = MenuAction(PopupZeichnen_, "PolstabInformationen1", 0);
  Farbenndern1_ = MenuAction(PopupZeichnen_, "Farbenndern1", 0);
  PopupZeichnen_->addSeparator();
  SpeichernHpgl1_ = MenuAction(PopupZeichnen_, "SpeichernalsHPGL1", 15);
  SpeichernDxf1_ = MenuAction(PopupZeichnen_, "Speichernalsdxf1", 16);
  Koordinaten1_ = MenuAction(PopupZeichnen_, "Koordinaten1", 745);
  Drucken1_ = MenuAction(PopupZeichnen_, "Drucken1", 744);

  connect(PopupZeichnen_, &QMenu::aboutToShow, this, &DrawingWindow::einstellen);
  connect(Neu1_, &QAction::triggered, this, &DrawingWindow::Neu1Click);
  connect(MitNetz1_, &QAction::triggered, this, [this] { Konstruiere(DrawMode::WithGrid); });
  connect(ZoomIn1_, &QAction::triggered, this, &DrawingWindow::ZoomOutClick);
  connect(ZoomOut1_, &QAction::triggered, this, &DrawingWindow::BtnZoomInClick);
  connect(A4_, &QAction::triggered, this, &DrawingWindow::A4Click);
  connect(A3_, &QAction::triggered, this, &DrawingWindow::A3Click);
  connect(StundenlinienbiszumFupunkt1_, &QAction::triggered, this, &DrawingWindow::StundenlinienbiszumFupunkt1Click);
  connect(ZeichnePolDr1_, &QAction::triggered, this, &DrawingWindow::ZeichnePolDr1Click);
  connect(Polstabinfo1_, &QAction::triggered, this, &DrawingWindow::sInfo);
  connect(Farbenndern1_, &QAction::triggered, this, &DrawingWindow::Farbenndern1Click);
  connect(SpeichernHpgl1_, &QAction::triggered, this, [this] { dxfClick(false); });
  connect(SpeichernDxf1_, &QAction::triggered, this, [this] { dxfClick(true); });
  connect(Koordinaten1_, &QAction::triggered, this, [this] { dxfClick(true, true); });
  connect(Drucken1_, &QAction::triggered, this, &DrawingWindow::BildDrucken);
  RecaptionOwn();
}

void DrawingWindow::RecaptionOwn() {
  const DialSettings& s = Settings();
  setWindowTitle(ToQ(ConstructionCaption(s)));
  StundenlinienbiszumFupunkt1_->setText(L("Stundenlinien bis zum Fußpunkt", "Hour lines up to the foot point S"));
  Polstabinfo1_->setText(L("Polstab Informationen", "Polar style information"));
  Farbenndern1_->setText(L("Farben ändern", "Change colours"));
  LTrack_->setText(ToQ(CatalogueText(748)) + ToQ(FormatReal(mapScale_, 6, 0)));
  const QString hint = IsPlanar() || QByteArray("cmpw").contains(s.DialTypeCode)
                           ? L("Zeiger mit linkem Mausklick positionieren", "Left mouseclick fixes gnomon position")
                           : L("Rechter Mausklick für das Kontextmenü // <F1> für Hilfe !",
                               "Right mouseclick for popUp menu // <F1> for help !");
  Image1_->setToolTip(hint);
  if (pStabInfo_->isVisible()) sInfo();
  if (PWinkel_->isVisible()) BitBtnWinkelClick(!Memo1_->toPlainText().isEmpty());
  if (drawn_) Konstruiere();
}

char DrawingWindow::PlanarLetter() const {
  const char t = Settings().DialTypeCode;
  return QByteArray("hiv").contains(t) ? t : '\0';
}

bool DrawingWindow::IsPlanar() const { return PlanarLetter() != '\0'; }

double DrawingWindow::DisplayedGnomonHeight() const {
  return std::round(Settings().GnomonHeight * view_.zoom * 100.0) / 100.0;
}

// --- sizes ---------------------------------------------------------------------

QSize DrawingWindow::CanvasSize() const { return canvasSize_; }

const QImage& DrawingWindow::CanvasImage() const { return Image1_->Image(); }

void DrawingWindow::BildGroesse() {
  const DialSettings& s = Settings();
  const char t = s.DialTypeCode;
  const bool expert = QByteArray("chiv").contains(t) && s.ExpertPanel && !s.UmbrellaMode;
  PExpert_->setVisible(expert);
  expertGap_->changeSize(0, expert ? 15 : 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  if (QLayout* l = Image1_->parentWidget()->layout()) l->invalidate();
  ChBMap_->setChecked(s.DrawCoastline);
  ChBfrontier_->setChecked(s.DrawBorders);
  const bool mapDial = t == 'c';
  TrackBar1_->setVisible(mapDial);
  LTrack_->setVisible(mapDial);
  const bool planarStyle = IsPlanar() && !s.UmbrellaMode;
  BitBtnStabInfo_->setEnabled(planarStyle);
  BitBtnWinkel_->setEnabled(planarStyle);
  UpdateSaveAndPrintCommands();
  FormResize();
}

void DrawingWindow::FormResize() {
  const int expertHeight = PExpert_->isVisible() ? PExpert_->sizeHint().height() + 15 : 0;
  // The canvas fills the space of the window beside the side panel.
  QRect space = rect();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) space = sub->contentsRect();
  int width = static_cast<int>(std::lround(space.width() - 1.3 * Panel2_->width() - 3));
  int height = space.height() - expertHeight;
  width = std::max(width, 200);
  height = std::max(height, 150);
  canvasSize_ = QSize(width, height);
  // The canvas never holds the window larger than it is: it takes at most its size.
  Image1_->setMaximumSize(canvasSize_);
  Image1_->resize(canvasSize_);
  if (Image1_->Image().size() != canvasSize_) {
    QImage image(canvasSize_, QImage::Format_RGB32);
    image.fill(Qt::white);
    Image1_->Image() = image;
  }
  TrackBar1_->blockSignals(true);
  TrackBar1_->setValue(static_cast<int>(std::lround(10.0 * std::log(std::max(1.0, mapScale_)))));
  TrackBar1_->blockSignals(false);
  PlaceOverlays();
}

void DrawingWindow::PlaceOverlays() {
  const QSize c = Image1_->size();
  pStabInfo_->setGeometry(10, 10, std::min(640, c.width() - 20), std::min(440, c.height() - 20));
  const int w = std::max(2 * c.width() / 3, std::min(820, c.width() - 20));
  PWinkel_->setGeometry(10, 10, std::min(w, c.width() - 20), c.height() - 20);
}

void DrawingWindow::resizeEvent(QResizeEvent* event) {
  TaskWindow::resizeEvent(event);
  if (!activated_) return;
  FormResize();
  if (drawn_) Konstruiere();
}

// --- activation ----------------------------------------------------------------

void DrawingWindow::showEvent(QShowEvent* event) {
  TaskWindow::showEvent(event);
  if (!activated_) {
    activated_ = true;
    if (frame_)
      if (auto* sub = parentWidget()) sub->showMaximized();
    FormResize();
    Ursprung_zeigen();
    // A dial with nothing to place by mouse is drawn at once, so the window does not
    // open on an empty canvas that waits for "Zeichnen".
    if (!MovableFoot(Settings().DialTypeCode)) Konstruiere(DrawMode::Fresh);
  }
}

void DrawingWindow::Ursprung_zeigen() {
  const DialSettings& s = Settings();
  RecaptionOwn();
  const QSize c = CanvasSize();
  const double A = c.width(), B = c.height();
  footPlaced_ = false;
  textPlaced_ = false;
  Image1_->SetTextBox(std::nullopt);
  if (s.DialTypeCode == 'c' || s.DialTypeCode == 'm') {
    view_.foot = {std::floor(A / 2), std::floor(2 * B / 3)};
    view_.zoom = 1.0;
  } else {
    DefaultPlanarPlacement(s, A, B, view_);
  }
  QImage& image = Image1_->Image();
  image.fill(Qt::white);
  if (MovableFoot(s.DialTypeCode)) {
    QPainter p(&image);
    DrawFootMarker(p);
    p.setPen(kNavy);
    p.drawText(QPointF(view_.foot.x - 130, view_.foot.y + 30 + p.fontMetrics().ascent()), ToQ(Message(43)));
  }
  Image1_->update();
  QPalette pal = pWarnung_->palette();
  pal.setColor(QPalette::Window, kInfoTip);
  pal.setColor(QPalette::WindowText, kOlive);
  pWarnung_->setPalette(pal);
  pWarnung_->setText(PlacementHints(s.DialTypeCode) ? ToQ(CatalogueText(719)) : QString());
  UpdateSaveAndPrintCommands();
}

void DrawingWindow::DrawFootMarker(QPainter& p) {
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(view_.foot.x - 4, view_.foot.y - 4, 8, 8));
}

// --- construction ----------------------------------------------------------------

void DrawingWindow::Konstruiere(DrawMode mode) {
  DialSettings& s = Settings();
  if (mode == DrawMode::Fresh) {
    view_.zoom = 1.0;
    view_.grid = false;
  } else if (mode == DrawMode::WithGrid) {
    view_.grid = true;
  }
  FormResize();
  const QSize c = CanvasSize();
  QImage& image = Image1_->Image();
  if (image.size() != c) image = QImage(c, QImage::Format_RGB32);
  image.fill(Qt::white);
  QApplication::setOverrideCursor(Qt::WaitCursor);

  // The footer and the hour lines continued to S read the angles table; lines to S
  // need its limits even while the table is not shown.
  view_.angles = nullptr;
  if (anglesShown_) {
    view_.angles = &angles_;
  } else if (s.HourLinesToStyleFoot && IsPlanar() && !s.UmbrellaMode) {
    styleFootAngles_ = ComputeHourLineAngles(s, view_.zoom);
    styleFootAngles_.FooterTitle.clear();
    view_.angles = &styleFootAngles_;
  }
  const QScreen* screen = this->screen();
  view_.wideScreen = !screen || screen->geometry().width() >= 1000;
  view_.largeFont = screen && screen->logicalDotsPerInch() >= 120;
  view_.gridOffset = {0, 0};
  {
    QPainter painter(&image);
    PainterSurface surface(painter, c.width(), c.height());
    // Umbrella dials and the planar letters share one construction; every other
    // letter goes through the table, which draws nothing for letters without one.
    ConstructDial(surface, true, view_, s);
  }
  drawn_ = true;
  Image1_->update();
  QApplication::restoreOverrideCursor();
  pWarnung_->clear();
  QPalette pal = pWarnung_->palette();
  pal.setColor(QPalette::Window, palette().color(QPalette::Window));
  pWarnung_->setPalette(pal);
}

void DrawingWindow::Neu1Click() {
  view_.grid = false;
  Konstruiere(DrawMode::Redraw);
}

void DrawingWindow::BtnZoomInClick() {
  view_.zoom /= kZoomStep;
  mapScale_ /= kZoomStep;
  Konstruiere();
}

void DrawingWindow::ZoomOutClick() {
  view_.zoom *= kZoomStep;
  mapScale_ *= kZoomStep;
  Konstruiere();
}

void DrawingWindow::FormMouseWheel(int delta) {
  // A strong turn towards the user (below -299) would shrink the dial to nothing.
  if (delta < -299) return;
  view_.zoom *= 1.0 + delta / 2000.0;
  Konstruiere();
}

void DrawingWindow::wheelEvent(QWheelEvent* event) {
  FormMouseWheel(event->angleDelta().y());
  event->accept();
}

void DrawingWindow::TrackBar1Change(int position) {
  mapScale_ = std::round(std::exp(position / 10.0));
  LTrack_->setText(ToQ(CatalogueText(748)) + ToQ(FormatReal(mapScale_, 6, 0)));
  if (drawn_) Konstruiere();
}

void DrawingWindow::A4Click() {
  view_.a3 = false;
  if (frame_ && frame_->Action("DINA4")) frame_->Action("DINA4")->setChecked(true);
  Konstruiere();
}

void DrawingWindow::A3Click() {
  view_.a3 = true;
  if (frame_ && frame_->Action("DINA3")) frame_->Action("DINA3")->setChecked(true);
  Konstruiere();
}

void DrawingWindow::einstellen() {
  const DialSettings& s = Settings();
  const char t = s.DialTypeCode;
  const bool planarStyle = IsPlanar() && !s.UmbrellaMode;
  StundenlinienbiszumFupunkt1_->setChecked(s.HourLinesToStyleFoot);
  ZeichnePolDr1_->setChecked(s.PolarTriangle);
  A4_->setChecked(!view_.a3);
  A3_->setChecked(view_.a3);
  Polstabinfo1_->setEnabled(planarStyle);
  ZeichnePolDr1_->setEnabled(planarStyle);
  StundenlinienbiszumFupunkt1_->setEnabled((t == 'f' || IsPlanar()) && !s.UmbrellaMode);
  UpdateSaveAndPrintCommands();
}

// Saving needs a plot-file routine of the dial type, printing its construction: for
// the other letters the commands would only give an empty file or a blank page.
bool DrawingWindow::CanSave() const { return DrawingHooks().save && HasPlotWriter(Settings()); }

bool DrawingWindow::CanPrintConstruction() const {
  return DrawingHooks().print && ConstructionFor(Settings()) != nullptr;
}

bool DrawingWindow::CanPrintTask() const {
  if (PWinkel_->isVisible()) return static_cast<bool>(DrawingHooks().printList);
  return CanPrintConstruction();
}

void DrawingWindow::UpdateSaveAndPrintCommands() {
  const DrawingWindowHooks& h = DrawingHooks();
  const bool save = CanSave();
  for (QObject* o : {static_cast<QObject*>(BitBtnHpgl_), static_cast<QObject*>(BitBtnDxf_),
                     static_cast<QObject*>(SpeichernHpgl1_), static_cast<QObject*>(SpeichernDxf1_)})
    o->setProperty("enabled", save);
  Koordinaten1_->setEnabled(save && OffersCoordinateList(Settings()));
  BitBtnDrucken_->setEnabled(CanPrintConstruction());
  Drucken1_->setEnabled(CanPrintConstruction());
  BtnInfoDrucken_->setEnabled(static_cast<bool>(h.printInfo));
  BtnDruckListe_->setEnabled(static_cast<bool>(h.printList));
}

void DrawingWindow::StundenlinienbiszumFupunkt1Click() {
  Settings().HourLinesToStyleFoot = !Settings().HourLinesToStyleFoot;
  Konstruiere();
}

void DrawingWindow::ZeichnePolDr1Click() {
  Settings().PolarTriangle = !Settings().PolarTriangle;
  Konstruiere();
}

// --- mouse ---------------------------------------------------------------------

int DrawingWindow::LabelUnitWidth() const {
  const char t = Settings().DialTypeCode;
  const double A = CanvasSize().width();
  if (t == 'c' || t == 'm') return static_cast<int>(std::lround(A * 0.29));
  if (t == 'v') return static_cast<int>(std::lround(A * 0.3));
  return static_cast<int>(std::lround(A * 0.33));
}

void DrawingWindow::Image1MouseDown(QMouseEvent* event) {
  const char t = Settings().DialTypeCode;
  const QPointF at = event->position();
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (event->button() == Qt::RightButton) {
    popupAt_ = at.toPoint();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (mods & Qt::AltModifier) {
    if (t == 'w') return;
    view_.textAnchor = {at.x(), at.y()};
    textPlaced_ = true;
    const int height = static_cast<int>(std::lround(CanvasSize().width() / 14.0));
    Image1_->SetTextBox(QRect(at.toPoint(), QSize(LabelUnitWidth(), height)));
    return;
  }
  if (mods & (Qt::ControlModifier | Qt::ShiftModifier)) return;  // hour points of the ham dial
  if (!MovableFoot(t)) return;
  view_.foot = {at.x(), at.y()};
  footPlaced_ = true;
  Konstruiere();
  QPainter p(&Image1_->Image());
  DrawFootMarker(p);
  Image1_->update();
}

void DrawingWindow::Image1MouseUp(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    PopupZeichnen_->popup(Image1_->mapToGlobal(event->position().toPoint()));
  }
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        Image1MouseDown(static_cast<QMouseEvent*>(event));
        return true;
      case QEvent::MouseButtonRelease:
        Image1MouseUp(static_cast<QMouseEvent*>(event));
        return true;
      case QEvent::MouseMove:
        zeigWarnung(Image1_);
        break;
      case QEvent::Wheel: {
        // A turn that a panel over the canvas (angles table, memo) could not use
        // itself, at the end of its scroll range, does not zoom the drawing below it.
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!Image1_->childAt(wheel->position().toPoint())) wheelEvent(wheel);
        return true;
      }
      default:
        break;
    }
  } else if (event->type() == QEvent::Enter) {
    zeigWarnung(watched);
  }
  return TaskWindow::eventFilter(watched, event);
}

void DrawingWindow::zeigWarnung(QObject* over) {
  const char t = Settings().DialTypeCode;
  QPalette pal = pWarnung_->palette();
  if (!PlacementHints(t)) {
    pWarnung_->clear();
    return;
  }
  if (over == Image1_) {
    // Over the canvas the placement hint stays; any other text gives way to the hint
    // on the text position. The panel turns silver.
    if (pWarnung_->text() != ToQ(CatalogueText(719))) pWarnung_->setText(ToQ(CatalogueText(720)));
    pal.setColor(QPalette::Window, kSilver);
  } else if (over == BitBtnNetz_ || over == bitBtnZeichne_ || over == BitBtnCol_) {
    pWarnung_->setText(ToQ(CatalogueText(719)));
    pal.setColor(QPalette::Window, kInfoTip);
    pal.setColor(QPalette::WindowText, kPurple);
  } else {
    pWarnung_->setText(ToQ(CatalogueText(720)));
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    pal.setColor(QPalette::WindowText, kNavy);
  }
  pWarnung_->setPalette(pal);
}

// --- panels --------------------------------------------------------------------

void DrawingWindow::sInfo() {
  const DialSettings& s = Settings();
  if (!IsPlanar() || s.UmbrellaMode) return;
  PlanarDialInfoOfRecord(s, DisplayedGnomonHeight(), false, info_);
  QStringList lines;
  for (const std::string& l : info_.lines) lines << ToQ(l);
  StabMemo_->setPlainText(lines.join('\n'));
  PWinkel_->hide();
  pStabInfo_->show();
  pStabInfo_->raise();
}

QStringList DrawingWindow::InformationLines() const { return StabMemo_->toPlainText().split('\n'); }

void DrawingWindow::ShowInformation(const QStringList& lines) {
  StabMemo_->setPlainText(lines.join('\n'));
  PWinkel_->hide();
  pStabInfo_->show();
  pStabInfo_->raise();
}

void DrawingWindow::BitBtnWinkelClick(bool fillMemo) {
  const DialSettings& s = Settings();
  if (!PlanarLetter() || s.UmbrellaMode) return;
  // The tick shows the time of the straight hour lines that the record holds.
  ChBLKorr_->setChecked(!s.BifilarLocalTime);
  const bool zone = ChBLKorr_->isChecked();
  angles_ = ComputeHourLineAngles(s, zone, DisplayedGnomonHeight());
  anglesShown_ = true;
  pStabInfo_->hide();

  const char t = s.DialTypeCode;
  const QString deg = ToQ(DialDataLabel(DialLabel::Degrees));
  LBr_->setText(ToQ(FormatReal(s.Latitude, 7, 3)) + deg);
  LLae_->setText(ToQ(FormatReal(s.Longitude, 7, 3)) + deg);
  LZon_->setText(ToQ(FormatReal(s.ZoneMeridian, 7, 3)) + deg);
  LWan_->setText(t == 'h' ? " - - - -" : ToQ(FormatReal(s.WallDeclination, 7, 3)) + " Grad");
  Link_->setText(t == 'i' ? ToQ(FormatReal(s.WallInclination, 7, 3)) + " Grad" : " - - - -");
  LUhrtyp_->setText(ToQ(angles_.DialKindLabel));
  LBesonnt_->setText(ToQ(angles_.SunlitLabel));
  PLaen_->setVisible(zone && fillMemo);

  StrGrWinkel_->clearContents();
  StrGrWinkel_->setRowCount(static_cast<int>(angles_.Grid.size()));
  for (size_t r = 0; r < angles_.Grid.size(); ++r)
    for (int col = 0; col < HourLineAngleTable::kColumns; ++col) {
      const std::string& cell = angles_.Grid[r][static_cast<size_t>(col)];
      if (cell.empty()) continue;
      auto* item = new QTableWidgetItem(ToQ(cell));
      if (r == 0) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
      }
      StrGrWinkel_->setItem(static_cast<int>(r), col, item);
    }
  StrGrWinkel_->resizeColumnsToContents();
  QStringList memo;
  if (fillMemo)
    for (const std::string& l : angles_.MemoLines) memo << ToQ(l);
  Memo1_->setPlainText(memo.join('\n'));
  PWinkel_->show();
  PWinkel_->raise();
  // The footer of the drawing shows the sunlit period from now on.
  if (drawn_) Konstruiere();
}

void DrawingWindow::ChBLKorrClick() {
  Settings().BifilarLocalTime = !ChBLKorr_->isChecked();
  BitBtnWinkelClick(true);
}

void DrawingWindow::Farbenndern1Click() {
  if (frame_ && frame_->Palette()) frame_->Palette()->ShowPanel();
}

// --- save and print ------------------------------------------------------------

void DrawingWindow::dxfClick(bool dxf, bool coordinates) {
  if (!CanSave()) return;
  PWinkel_->hide();
  if (frame_ && frame_->Palette()) frame_->Palette()->hide();
  DrawingHooks().save(*this, dxf, coordinates);
}

void DrawingWindow::BildDrucken() {
  if (!isVisible()) return;
  // With the angles table on display the table is printed instead of the drawing.
  if (PWinkel_->isVisible()) {
    DruckListe();
    return;
  }
  if (CanPrintConstruction()) DrawingHooks().print(*this);
}

void DrawingWindow::ausgeben() {
  if (DrawingHooks().printInfo) DrawingHooks().printInfo(*this);
}

void DrawingWindow::DruckListe() {
  if (DrawingHooks().printList) DrawingHooks().printList(*this);
}

}  // namespace skiagraf::gui
