#pragma once

#include <QFrame>
#include <QList>

#include "Recaption.h"
#include "model/DialSettings.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace skiagraf::gui {

class RadioGroup;

// The colour-palette panel: the legend of the current dial family, twelve colour
// swatches (a click opens the colour dialog), the line width and the sample strips.
// It edits Settings().ColorPalette and Settings().LineWidth directly.
class PalettePanel : public QFrame, public Recaptionable {
  Q_OBJECT

 public:
  explicit PalettePanel(QWidget* parent = nullptr);

  void ShowPanel();
  void SetPen(int pen, ColorRef color);  // pen 1..12
  void ResetColors();                    // "Farben reset"
  void SaveColors();                     // "Farben speichern"
  void LoadColors();                     // "Farben laden"
  // The legend group follows the dial type of Settings() (its family's twelve rows).
  int LegendOffset() const { return legendOffset_; }
  QString LegendTitle() const;
  QImage SampleStrips() const;
  void RecaptionOwn() override;
  void SetIniPath(const QString& path) { iniPath_ = path; }

 signals:
  void paletteChanged();

 private:
  void ChooseColor(int pen);
  void Refresh();
  void FillLegend();

  QLabel* title_;
  QTableWidget* legend_;
  QList<QPushButton*> swatches_;
  QList<QLabel*> swatchLabels_;
  RadioGroup* lineWidth_;
  QLabel* samples_;
  QPushButton* save_;
  QPushButton* reset_;
  QPushButton* load_;
  QPushButton* close_;
  ColorPalette startPalette_;
  int legendOffset_ = 0;
  QString iniPath_;
};

}  // namespace skiagraf::gui
