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

}  // namespace

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
  // All twelve rows are shown at once, without scrolling.
  const int rowHeight = std::max(20, legend_->fontMetrics().height() + 6);
  legend_->verticalHeader()->setMinimumSectionSize(rowHeight);
  legend_->verticalHeader()->setDefaultSectionSize(rowHeight);
  legend_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legend_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legend_->setFixedHeight(12 * rowHeight + 2 * legend_->frameWidth());
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
    swatch->setFixedSize(48, 22);
    label->setBuddy(swatch);
    connect(swatch, &QPushButton::clicked, this, [this, pen] { ChooseColor(pen); });
    swatchGrid->addWidget(label, pen - 1, 0);
    swatchGrid->addWidget(swatch, pen - 1, 1);
    swatchLabels_ << label;
    swatches_ << swatch;
  }
  // Rows of 26 pixels, the spacing of the sample strips beside them.
  swatchGrid->setVerticalSpacing(4);
  samples_->setAlignment(Qt::AlignTop);
  swatchGrid->addWidget(samples_, 0, 2, ColorPalette::kPens, 1, Qt::AlignTop);

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
  left->addWidget(legend_);
  left->addStretch(1);
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
  resize(sizeHint().expandedTo(QSize(760, 0)));
}

void PalettePanel::ShowPanel() {
  Refresh();
  RecaptionOwn();
  resize(sizeHint().expandedTo(QSize(760, 0)));
  if (QWidget* p = parentWidget()) move(std::max(0, (p->width() - width()) / 2), 3);
  show();
  raise();
  swatches_.front()->setFocus();
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
  const DialSettings& s = Settings();
  legendOffset_ = ColourLegendOffset(s.DialTypeCode, s.UmbrellaMode);
  const std::vector<LegendRow> rows = ColourLegend(legendOffset_);
  for (int row = 0; row < 12; ++row) {
    const LegendRow& entry = rows[static_cast<size_t>(row)];
    // The first column shows the colour of the row's (first) pen.
    bool isPen = false;
    const int pen = QString::fromStdString(entry.pen).section(',', 0, 0).trimmed().toInt(&isPen);
    const QString cells[3] = {QString(), ToQ(entry.pen), ToQ(entry.meaning)};
    for (int column = 0; column < 3; ++column) {
      auto* item = legend_->item(row, column);
      if (!item) {
        item = new QTableWidgetItem;
        legend_->setItem(row, column, item);
      }
      item->setText(cells[column]);
    }
    legend_->item(row, 0)->setBackground(isPen && pen >= 1 && pen <= ColorPalette::kPens
                                             ? QBrush(ToQColor(s.ColorPalette.Pen(pen)))
                                             : QBrush());
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
  return ToQ(ColourLegendTitle(s.DialTypeCode, s.UmbrellaMode));
}

void PalettePanel::RecaptionOwn() {
  title_->setText(LegendTitle());
  for (int pen = 1; pen <= ColorPalette::kPens; ++pen)
    swatchLabels_[pen - 1]->setText(ToQ(ShellCaption(ShellText::PaletteColour)) + QString::number(pen) + " :");
  lineWidth_->setTitle(ToQ(ShellCaption(ShellText::PaletteLineWidth)));
  lineWidth_->SetItems({ToQ(ShellCaption(ShellText::PaletteThin)), ToQ(ShellCaption(ShellText::PaletteMedium)),
                        ToQ(ShellCaption(ShellText::PaletteThick))});
  save_->setText(ToQ(ShellCaption(ShellText::PaletteSave)));
  reset_->setText(ToQ(ShellCaption(ShellText::PaletteReset)));
  load_->setText(ToQ(ShellCaption(ShellText::PaletteLoad)));
  close_->setText(ToQ(CatalogueText(7)).trimmed());
  FillLegend();
  Refresh();
}

}  // namespace skiagraf::gui
