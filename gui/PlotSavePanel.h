#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "Recaption.h"
#include "dials/DialPlotFile.h"
#include "dials/PlanarDial.h"
#include "model/DialSettings.h"
#include "plot/PlotSave.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace skiagraf::gui {

class RadioGroup;

// The save panel of the drawing window (`HPGpanel`): file name with completion
// (`namehpg`), coordinate output (`RGKoordinaten`, list file name in `lKoord`), line
// width (`dxfCombobox`), "Weiter" (`BtnWeiter`) and "Abbruch" (`BtnAbbruch`). It saves
// the drawing window's construction as HPGL or DXF through the save path that the
// command-line front end takes as well.
class PlotSavePanel : public QWidget, public Recaptionable {
  Q_OBJECT

 public:
  // What the panel needs of the drawing window at the moment of saving.
  struct Drawing {
    DialSettings* settings = nullptr;
    DrawingView view;          // zoom, foot, text anchor, angles table
    double canvasWidth = 0;    // client size of the canvas
    double canvasHeight = 0;
    bool footPlaced = false;   // the user has placed the gnomon foot
    bool textPlaced = false;   // the user has placed the text block
    // The printer of the coordinate list, asked for only when the list is printed.
    std::function<QPrinter*()> printer;
  };
  using DrawingSource = std::function<Drawing()>;

  explicit PlotSavePanel(DrawingSource source, QWidget* parent = nullptr);

  // `TForm5.dxfClick`: opens the panel for HPGL or DXF. `fromCoordinates` selects the
  // coordinate list in a text file ("coordinates"); `fromButton` marks a call from a
  // save button, which asks first when the gnomon foot lies outside the drawing (Yes
  // cancels). False when the panel was not opened.
  bool Open(PlotFormat format, bool fromCoordinates, bool fromButton);

  PlotFormat Format() const { return format_; }
  // The result of the last save (file, success, converter log for the info memo).
  const PlotSaveResult& LastResult() const { return last_; }

  // The panel's texts in the current language (also when the language is switched
  // while the panel is open).
  void Recaption();
  void RecaptionOwn() override { Recaption(); }

 public slots:
  void namehpgChange();
  void dateinamenErgaenzen();
  void BtnWeiterClick();
  void makeHPGClick();
  void abbruch();
  void dxfComboboxClick(int index);

 signals:
  // After every save attempt; the drawing window shows the log in its memo.
  void saved(const QStringList& conversionLog);

 private:
  void CoordinateChoiceChanged(int index);

  DrawingSource source_;
  PlotFormat format_ = PlotFormat::Hpgl;
  PlotSaveResult last_;
  QLabel* tag_;
  QLabel* nameLabel_;
  QLineEdit* name_;
  RadioGroup* coordinates_;
  QLabel* listName_;
  QLabel* widthLabel_;
  QComboBox* width_;
  QPushButton* next_;
  QPushButton* cancel_;
};

}  // namespace skiagraf::gui
