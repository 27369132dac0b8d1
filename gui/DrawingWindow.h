#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "Recaption.h"
#include "TaskWindow.h"
#include "dials/HourLineAngles.h"
#include "dials/PlanarDial.h"
#include "dials/PlanarInfoText.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpacerItem;
class QTableWidget;

namespace skiagraf::gui {

class MainWindow;

// The white canvas of the drawing window: shows the construction image and, over
// it, the box of the text anchor while it is being placed.
class DrawingCanvas : public QWidget {
 public:
  explicit DrawingCanvas(QWidget* parent);
  QImage& Image() { return image_; }
  void SetTextBox(const std::optional<QRect>& box);
  std::optional<QRect> TextBox() const { return textBox_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  std::optional<QRect> textBox_;
};

// The drawing window (TForm5): constructs the dial of the settings record on the
// canvas Image1, lets the user place the gnomon foot and the text block with the
// mouse, zoom, switch the screen format, toggle the grid, and shows the polar-style
// data and the hour-line angles table. Saving plot files and printing are plugged in
// through DrawingWindowHooks; without a hook their commands stay disabled, and so do
// they for a dial type without a construction (printing) or plot-file routine (saving).
class DrawingWindow : public TaskWindow, public Recaptionable {
  Q_OBJECT

 public:
  explicit DrawingWindow(MainWindow* frame = nullptr, QWidget* parent = nullptr);
  ~DrawingWindow() override;

  // How Konstruiere was called: "&Zeichnen" (zoom 1, grid off), with the grid
  // (" + &Netz", "Zeichnung mit Netz"), or after a change of the view.
  enum class DrawMode { Fresh, WithGrid, Redraw };

  // The view state every construction, the plot file and the printer read.
  const DrawingView& View() const { return view_; }
  DrawingView& View() { return view_; }
  double Zoom() const { return view_.zoom; }
  bool FootPlacedByUser() const { return footPlaced_; }
  bool TextPlacedByUser() const { return textPlaced_; }
  QSize CanvasSize() const;
  const QImage& CanvasImage() const;
  // The angles table once BitBtnWinkelClick has computed it.
  const HourLineAngleTable* AnglesTable() const { return anglesShown_ ? &angles_ : nullptr; }
  // The dial data that sInfo shows in StabMemo.
  const PlanarInfoTexts& InfoTexts() const { return info_; }
  // The information memo StabMemo as it stands (the dial data, or the converter's log
  // after a DXF save): what " &Info drucken" prints.
  QStringList InformationLines() const;
  // Shows lines in the information memo (the converter's log after a DXF save).
  void ShowInformation(const QStringList& lines);

  static constexpr double kZoomStep = 1.0905077326652577;  // 2^(1/8)

  void RecaptionOwn() override;

  // "Drucken" (F3) of the main window: the construction, or the angles table while it
  // is shown; nothing when the dial type has no construction to print.
  bool CanPrintTask() const override;
  void PrintTask() override { BildDrucken(); }

 public slots:
  void BildGroesse();       // sizes Image1, hints and enabled states per dial type
  void Ursprung_zeigen();   // activation: caption, default foot and text positions
  void Konstruiere(DrawMode mode = DrawMode::Redraw);
  void Neu1Click();         // "Zeichnung ausführen": grid off, redraw
  void BtnZoomInClick();    // button "Zoom" and "Zoom Out": zoom / step
  void ZoomOutClick();      // button "Zoom " and "Zoom In": zoom x step
  void FormMouseWheel(int delta);
  void TrackBar1Change(int position);
  void A4Click();
  void A3Click();
  void einstellen();        // check marks and enabled states of PopupZeichnen
  void StundenlinienbiszumFupunkt1Click();
  void ZeichnePolDr1Click();
  void sInfo();
  void BitBtnWinkelClick(bool fillMemo = true);
  void ChBLKorrClick();
  void Farbenndern1Click();
  void BitBtnColClick() { Farbenndern1Click(); }
  void zeigWarnung(QObject* over);
  // Save and print commands; they call the hooks of the plot-file and printer side.
  // `coordinates`: the command "Koordinatenliste", which saves a DXF file with its
  // coordinate list in a text file.
  void dxfClick(bool dxf, bool coordinates = false);
  void BildDrucken();
  void ausgeben();
  void DruckListe();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void BuildWidgets();
  void BuildPopup();
  void Image1MouseDown(QMouseEvent* event);
  void Image1MouseUp(QMouseEvent* event);
  void FormResize();
  void DrawFootMarker(QPainter& p);
  void PlaceOverlays();
  void UpdateSaveAndPrintCommands();
  bool CanSave() const;
  bool CanPrintConstruction() const;
  char PlanarLetter() const;
  bool IsPlanar() const;
  double DisplayedGnomonHeight() const;
  int LabelUnitWidth() const;

  MainWindow* frame_;
  DrawingView view_;
  bool footPlaced_ = false;
  bool textPlaced_ = false;
  bool activated_ = false;
  bool drawn_ = false;
  double mapScale_ = 1.0;  // map scale of type 'c'
  QPoint popupAt_;
  QSize canvasSize_{200, 150};
  PlanarInfoTexts info_;
  HourLineAngleTable angles_;
  bool anglesShown_ = false;
  HourLineAngleTable styleFootAngles_;  // limits of lines continued to S when the table is closed

  QWidget* Panel2_ = nullptr;
  DrawingCanvas* Image1_ = nullptr;
  QWidget* PExpert_ = nullptr;
  QSpacerItem* expertGap_ = nullptr;  // the 15 pixels between canvas and expert panel
  QCheckBox* ChBMap_ = nullptr;
  QCheckBox* ChBfrontier_ = nullptr;
  QLabel* pWarnung_ = nullptr;
  QWidget* pStabInfo_ = nullptr;
  QPlainTextEdit* StabMemo_ = nullptr;
  QWidget* PWinkel_ = nullptr;
  QTableWidget* StrGrWinkel_ = nullptr;
  QPlainTextEdit* Memo1_ = nullptr;
  QLabel *LBr_ = nullptr, *LLae_ = nullptr, *LZon_ = nullptr, *LWan_ = nullptr, *Link_ = nullptr,
         *LUhrtyp_ = nullptr, *LBesonnt_ = nullptr, *LbesonntText_ = nullptr;
  QCheckBox* ChBLKorr_ = nullptr;
  QWidget* PLaen_ = nullptr;
  QPushButton *bitBtnZeichne_ = nullptr, *BitBtnNetz_ = nullptr, *BBtnZoomIn_ = nullptr, *BitBtnOut_ = nullptr,
              *BitBtnStabInfo_ = nullptr, *BitBtnWinkel_ = nullptr, *BitBtnCol_ = nullptr, *BitBtnHpgl_ = nullptr,
              *BitBtnDxf_ = nullptr, *BitBtnDrucken_ = nullptr, *BtnDruckListe_ = nullptr, *BtnInfoDrucken_ = nullptr;
  QSlider* TrackBar1_ = nullptr;
  QLabel* LTrack_ = nullptr;
  QMenu* PopupZeichnen_ = nullptr;
  QAction *Neu1_ = nullptr, *MitNetz1_ = nullptr, *ZoomIn1_ = nullptr, *ZoomOut1_ = nullptr, *A4_ = nullptr,
          *A3_ = nullptr, *StundenlinienbiszumFupunkt1_ = nullptr, *ZeichnePolDr1_ = nullptr,
          *Polstabinfo1_ = nullptr, *Farbenndern1_ = nullptr, *SpeichernHpgl1_ = nullptr, *SpeichernDxf1_ = nullptr,
          *Koordinaten1_ = nullptr, *Drucken1_ = nullptr;
};

// Where the plot-file writer and the printer plug into the drawing window. Each
// hook receives the window, from which it reads View(), FootPlacedByUser(),
// TextPlacedByUser(), CanvasSize(), AnglesTable() and InfoTexts().
struct DrawingWindowHooks {
  // dxfClick: the save panel HPGpanel; `coordinates` chooses the list in a text file.
  std::function<void(DrawingWindow&, bool dxf, bool coordinates)> save;
  std::function<void(DrawingWindow&)> print;          // BildDrucken
  std::function<void(DrawingWindow&)> printInfo;      // ausgeben: the information memo as text
  std::function<void(DrawingWindow&)> printList;      // DruckListe: the angles table page
};
DrawingWindowHooks& DrawingHooks();

// Registers the drawing window with the main window under the prefix "Form5".
void RegisterDrawingWindow();

}  // namespace skiagraf::gui
