#include "PalettePanel.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "PaletteFile.h"
#include "RadioGroup.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
ColorRef FromQColor(const QColor& c) { return MakeColorRef(c.red(), c.green(), c.blue()); }

QString L(const char* german, const char* english) {
  return QString::fromUtf8(CurrentLanguage() == Language::English ? english : german);
}

struct LegendCells {
  QString pens;
  QString meaning;
};

// Row `number` (1..96) of the colour legend in the current language.
LegendCells LegendRow(int number) {
  (void)number;
  return {};
}

}  // namespace

int LegendFamilyTitle(char code, bool umbrella) {
  switch (code) {
    case 'a': return 37;
    case 'c': return 38;
    case 'h':
    case 'i':
    case 'v': return umbrella ? 32 : 31;
    case 'k': return 35;
    case 'm': return 39;
    case 'p':
    case 'w': return 40;
    case 'q': return 33;
    case 'r': return 36;
    case 'z': return 34;
    default: return 31;
  }
}

PalettePanel::PalettePanel(QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(this)),
      legend_(new QTableWidget(12, 3, this)),
      lineWidth_(new RadioGroup("rgLinienstaerke", this)),
      samples_(new QLabel(this)),
      save_(new QPushButton(this)),
      reset_(new QPushButton(this)),
      load_(new QPushButton(this)),
      close_(new QPushButton(this)),
      startPalette_(Settings().ColorPalette) {
  setObjectName("PalettePanel");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  title_->setObjectName("LegendTitle");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  legend_->setObjectName("ColorLegendGrid");
  legend_->horizontalHeader()->hide();
  legend_->verticalHeader()->hide();
  legend_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  legend_->setColumnWidth(0, 30);
  legend_->setColumnWidth(1, 60);
  legend_->horizontalHeader()->setStretchLastSection(true);
  legend_->setMinimumWidth(360);
  samples_->setObjectName("ColorSamples");
  save_->setObjectName("FarbenSpeichern");
  reset_->setObjectName("FarbenReset");
  load_->setObjectName("FarbenLaden");
  close_->setObjectName("PaletteClose");

  auto* swatchGrid = new QGridLayout;
  for (int pen = 1; pen <= ColorPalette::kPens; ++pen) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("ColorLabel%1").arg(pen));
    auto* swatch = new QPushButton(this);
    swatch->setObjectName(QString("ColorSwatch%1").arg(pen));
    swatch->setFixedSize(48, 20);
    label->setBuddy(swatch);
    connect(swatch, &QPushButton::clicked, this, [this, pen] { ChooseColor(pen); });
    swatchGrid->addWidget(label, pen - 1, 0);
    swatchGrid->addWidget(swatch, pen - 1, 1);
    swatchLabels_ << label;
    swatches_ << swatch;
  }
  swatchGrid->addWidget(samples_, 0, 2, ColorPalette::kPens, 1);

  lineWidth_->SetItems({"", "", ""});
  connect(lineWidth_, &RadioGroup::itemClicked, this, [this](int index) {
    Settings().LineWidth = index + 1;
    Refresh();
    emit paletteChanged();
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addWidget(reset_);
  buttons->addWidget(load_);
  buttons->addStretch();
  buttons->addWidget(close_);

  auto* right = new QVBoxLayout;
  right->addLayout(swatchGrid);
  right->addWidget(lineWidth_);
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(title_);
  left->addWidget(legend_, 1);
  body->addLayout(left, 1);
  body->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);

  connect(save_, &QPushButton::clicked, this, &PalettePanel::SaveColors);
  connect(reset_, &QPushButton::clicked, this, &PalettePanel::ResetColors);
  connect(load_, &QPushButton::clicked, this, &PalettePanel::LoadColors);
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  RecaptionOwn();
  resize(760, 420);
}

void PalettePanel::ShowPanel() {
  Refresh();
  RecaptionOwn();
  if (QWidget* p = parentWidget()) move(std::max(0, (p->width() - width()) / 2), 3);
  show();
  raise();
}

void PalettePanel::SetPen(int pen, ColorRef color) {
  if (pen < 1 || pen > ColorPalette::kPens) return;
  Settings().ColorPalette.Pens[static_cast<size_t>(pen - 1)] = color;
  Refresh();
  emit paletteChanged();
}

void PalettePanel::ChooseColor(int pen) {
  const QColor chosen = QColorDialog::getColor(ToQColor(Settings().ColorPalette.Pen(pen)), this,
                                               swatchLabels_[pen - 1]->text());
  if (chosen.isValid()) SetPen(pen, FromQColor(chosen));
}

void PalettePanel::ResetColors() {
  Settings().ColorPalette.Pens = ColorPalette::kDefaults;
  Refresh();
  emit paletteChanged();
}

void PalettePanel::SaveColors() { SavePaletteToIni(iniPath_.toStdString(), Settings().ColorPalette); }

void PalettePanel::LoadColors() {
  if (LoadPaletteFromIni(iniPath_.toStdString(), Settings().ColorPalette)) {
    Refresh();
    emit paletteChanged();
  }
}

void PalettePanel::FillLegend() {
  for (int row = 0; row < 12; ++row) {
    const int number = legendOffset_ + row + 1;
    const LegendCells entry = LegendRow(number);
    const QString cells[3] = {QString::number(number), entry.pens, entry.meaning};
    for (int column = 0; column < 3; ++column) {
      auto* item = legend_->item(row, column);
      if (!item) {
        item = new QTableWidgetItem;
        legend_->setItem(row, column, item);
      }
      item->setText(cells[column]);
    }
  }
}

QImage PalettePanel::SampleStrips() const {
  const int h = 12 * 26;
  QImage image(40, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const DialSettings& s = Settings();
  for (int pen = 1; pen <= ColorPalette::kPens; ++pen) {
    const int y = static_cast<int>(std::lround(h / 21.35 / 1.14 * 2 * (pen - 1))) + 8;
    painter.setPen(QPen(ToQColor(startPalette_.Pen(pen)), 3));
    painter.drawLine(10, y + 5, 29, y + 5);
    painter.setPen(QPen(ToQColor(s.ColorPalette.Pen(pen)), std::max(1, s.LineWidth)));
    painter.drawLine(10, y, 35, y);
  }
  return image;
}

void PalettePanel::Refresh() {
  const DialSettings& s = Settings();
  for (int pen = 1; pen <= ColorPalette::kPens; ++pen) {
    const QColor c = ToQColor(s.ColorPalette.Pen(pen));
    swatches_[pen - 1]->setStyleSheet(QString("background-color: %1; border: 1px solid #404040;").arg(c.name()));
    swatches_[pen - 1]->setToolTip(c.name());
  }
  lineWidth_->SetItemIndex(std::clamp(s.LineWidth, 1, 3) - 1);
  samples_->setPixmap(QPixmap::fromImage(SampleStrips()));
}

QString PalettePanel::LegendTitle() const {
  const DialSettings& s = Settings();
  return L("Farben für ", "Colors for ") + ToQ(Title(LegendFamilyTitle(s.DialTypeCode, s.UmbrellaMode))).trimmed();
}

void PalettePanel::RecaptionOwn() {
  title_->setText(LegendTitle());
  for (int pen = 1; pen <= ColorPalette::kPens; ++pen)
    swatchLabels_[pen - 1]->setText(L("Farbe %1 :", "Color %1 :").arg(pen));
  lineWidth_->setTitle(L("   &Linienstärke    ", "   &Line width    "));
  lineWidth_->SetItems({L("dünn", "thin"), L("mittel", "medium"), L("stark", "thick")});
  save_->setText(L("Farben &speichern", "&Save colors"));
  reset_->setText(L("Farben &reset", "&Reset colors"));
  load_->setText(L("Farben &laden", "&Load colors"));
  close_->setText(L("S&chließen", "&Close"));
  FillLegend();
  Refresh();
}

}  // namespace skiagraf::gui
