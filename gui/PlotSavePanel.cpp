#include "PlotSavePanel.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "ConstructionPrint.h"
#include "RadioGroup.h"
#include "Recaption.h"
#include "base/UserInterface.h"
#include "dials/DialDispatch.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

// Catalogue texts of the panel.
constexpr int kSaveHpgl = 711;
constexpr int kSaveDxf = 16;
constexpr int kCoordinates = 723;
constexpr int kNoList = 724;
constexpr int kListOnPrinter = 725;
constexpr int kListInFile = 726;
constexpr int kLineWidth = 727;
constexpr int kFileName = 728;
constexpr int kContinue = 729;
constexpr int kCancel = 546;
// Phrases of the line widths.
constexpr int kThin = 39;

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

PlotSavePanel::PlotSavePanel(DrawingSource source, QWidget* parent) : QWidget(parent), source_(std::move(source)) {
  setObjectName("HPGpanel");
  auto* layout = new QGridLayout(this);
  tag_ = new QLabel(this);
  tag_->setObjectName("HPGtag");
  nameLabel_ = new QLabel(this);
  name_ = new QLineEdit("skiag.plt", this);
  name_->setObjectName("namehpg");
  coordinates_ = new RadioGroup("RGKoordinaten", this);
  listName_ = new QLabel(this);
  listName_->setObjectName("lKoord");
  widthLabel_ = new QLabel(this);
  width_ = new QComboBox(this);
  width_->setObjectName("dxfCombobox");
  next_ = new QPushButton(this);
  next_->setObjectName("BtnWeiter");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("BtnAbbruch");

  layout->addWidget(tag_, 0, 0, 1, 2);
  layout->addWidget(nameLabel_, 1, 0);
  layout->addWidget(name_, 1, 1);
  layout->addWidget(coordinates_, 2, 0, 1, 2);
  layout->addWidget(listName_, 3, 0, 1, 2);
  layout->addWidget(widthLabel_, 4, 0);
  layout->addWidget(width_, 4, 1);
  layout->addWidget(next_, 5, 0);
  layout->addWidget(cancel_, 5, 1);

  connect(name_, &QLineEdit::textEdited, this, &PlotSavePanel::namehpgChange);
  connect(name_, &QLineEdit::editingFinished, this, &PlotSavePanel::dateinamenErgaenzen);
  connect(coordinates_, &RadioGroup::itemClicked, this, &PlotSavePanel::CoordinateChoiceChanged);
  connect(width_, &QComboBox::activated, this, &PlotSavePanel::dxfComboboxClick);
  connect(next_, &QPushButton::clicked, this, &PlotSavePanel::BtnWeiterClick);
  connect(cancel_, &QPushButton::clicked, this, &PlotSavePanel::abbruch);
  Recaption();
  hide();
}

void PlotSavePanel::Recaption() {
  tag_->setText(ToQ(Trimmed(CaptionToTitle(CatalogueText(format_ == PlotFormat::Dxf ? kSaveDxf : kSaveHpgl)))));
  nameLabel_->setText(ToQ(CatalogueText(kFileName)));
  coordinates_->setTitle(ToQ(CatalogueText(kCoordinates)));
  coordinates_->SetItems({ToQ(CatalogueText(kNoList)), ToQ(CatalogueText(kListOnPrinter)),
                          ToQ(CatalogueText(kListInFile))});
  widthLabel_->setText(ToQ(CatalogueText(kLineWidth)));
  const int index = width_->currentIndex();
  width_->clear();
  for (int i = 0; i < 3; ++i) width_->addItem(ToQ(Phrase(kThin + i)));
  width_->setCurrentIndex(index);
  next_->setText(ToQ(CatalogueText(kContinue)));
  cancel_->setText(ToQ(CatalogueText(kCancel)));
}

bool PlotSavePanel::Open(PlotFormat format, bool fromCoordinates, bool fromButton) {
  const Drawing d = source_();
  if (!d.settings) return false;
  const DialSettings& s = *d.settings;
  // A dial type without a plot-file routine would give an empty file.
  if (!HasPlotWriter(s)) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), NoConstructionMessage(), MessageIcon::Error);
    hide();
    return false;
  }
  coordinates_->SetItemIndex(fromCoordinates ? 2 : 0);
  RemoveStaleTemporaryFile();
  const char type = s.DialTypeCode;
  if ((type == 'h' || type == 'i' || type == 'v' || type == 'c') && fromButton &&
      !FootInsideDrawing(d.view.foot.x, d.view.foot.y, d.canvasWidth, d.canvasHeight) && AskCancelForFootOutside()) {
    hide();
    return false;
  }
  format_ = format;
  Recaption();
  width_->setCurrentIndex(std::clamp(s.PlotLineWeight, 1, 3) - 1);
  dateinamenErgaenzen();
  const bool planar = OffersCoordinateList(s);
  coordinates_->setEnabled(planar);
  if (!planar) coordinates_->SetItemIndex(0);
  CoordinateChoiceChanged(coordinates_->ItemIndex());
  show();
  raise();
  return true;
}

void PlotSavePanel::namehpgChange() {
  listName_->setText(coordinates_->ItemIndex() == 2
                         ? ToQ(CoordinateListFileName(name_->text().toStdString()))
                         : QString());
}

void PlotSavePanel::dateinamenErgaenzen() {
  name_->setText(ToQ(CompletePlotFileName(name_->text().toStdString(), format_)));
  namehpgChange();
}

void PlotSavePanel::CoordinateChoiceChanged(int) { namehpgChange(); }

void PlotSavePanel::dxfComboboxClick(int index) {
  const Drawing d = source_();
  if (d.settings) d.settings->PlotLineWeight = index + 1;
}

void PlotSavePanel::BtnWeiterClick() {
  dateinamenErgaenzen();
  if (coordinates_->ItemIndex() == 2) WarnIfCoordinateListExists(listName_->text().toStdString());
  SetCurrentPlotFileName(name_->text().toStdString());
  makeHPGClick();
  hide();
}

void PlotSavePanel::makeHPGClick() {
  const Drawing d = source_();
  if (!d.settings) return;
  DialSettings& s = *d.settings;
  const auto chosen = ChoosePlotFileName(format_);
  if (!chosen) return;
  // The next save starts from the file chosen now, in its folder.
  name_->setText(ToQ(*chosen));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DialPlotRequest r;
  r.format = format_;
  r.fileName = *chosen;
  r.lineWeight = s.PlotLineWeight;
  r.view = d.view;
  r.canvasWidth = d.canvasWidth;
  r.canvasHeight = d.canvasHeight;
  r.footPlaced = d.footPlaced;
  r.textPlaced = d.textPlaced;
  r.grid.ask = true;
  std::unique_ptr<PrinterCoordinateList> printerList;
  switch (coordinates_->isEnabled() ? coordinates_->ItemIndex() : 0) {
    case 1:
      if (QPrinter* printer = d.printer ? d.printer() : nullptr) {
        printerList = std::make_unique<PrinterCoordinateList>(*printer);
        r.coordinates = CoordinateOutput::Printer;
        r.printerList = printerList.get();
      }
      break;
    case 2: {
      // The list goes beside the saved drawing; a folder chosen in the dialog is kept.
      r.coordinates = CoordinateOutput::TextFile;
      r.coordinateFileName = CoordinateListFileName(*chosen);
      if (r.coordinateFileName != listName_->text().toStdString())
        WarnIfCoordinateListExists(r.coordinateFileName);
      break;
    }
    default:
      break;
  }
  last_ = SaveDialPlotFile(s, r);
  printerList.reset();  // the list channel is closed when the drawing is written
  QApplication::restoreOverrideCursor();
  QStringList log;
  for (const std::string& line : last_.conversionLog) log << ToQ(line);
  emit saved(log);
}

void PlotSavePanel::abbruch() { hide(); }

}  // namespace skiagraf::gui
