#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TextPrintJob.h"
#include "dials/HourLineAngles.h"
#include "dials/PlanarCoordinateList.h"
#include "dials/PlanarDial.h"
#include "model/DialSettings.h"

class QPainter;
class QPrinter;

namespace skiagraf::gui {

// Printing of the drawing window: the construction at true size on a landscape page
// (1 mm of the dial = 1 mm on paper), the hour-line angles table as a page, the
// information text as a listing, and the coordinate list of a plot file on the
// printer. Each routine takes what it needs as parameters, so that the drawing
// window, the save panel and skiagraf-cli share them.

// The printer set-up dialog; false when the user cancels. An empty function skips
// the dialog (the command-line front end, tests).
using PrinterSetup = std::function<bool(QPrinter&)>;

// Sets the painter's transform so that one unit is 0.1 mm on the device, with the
// origin `leftMm`, `topMm` millimetres from the device's top-left corner. A
// PainterSurface on that painter draws the printer page.
void PrintPageTransform(QPainter& painter, double leftMm, double topMm);

// The page of a construction in tenths of a millimetre: its origin on the paper and
// its usable size, from the offsets 70 (left) and 50 (top), the limits 2800 x 2000
// and the printable area the printer reports.
struct PrintPage {
  double leftMm = 7, topMm = 5;  // origin of the page on the paper
  double width = 2800, height = 2000;
};
PrintPage ConstructionPage(const QPrinter& printer);

// Draws the construction on a painter whose unit is 0.1 mm (see PrintPageTransform):
// the gnomon foot and the text anchor are scaled from the canvas of the drawing
// window (canvasWidth x canvasHeight) to the page; the dial is drawn in print mode.
void DrawConstructionPage(QPainter& painter, double pageWidth, double pageHeight, DialSettings& s,
                          const DrawingView& screenView, double canvasWidth, double canvasHeight);

// `TForm5.BildDrucken`: asks before printing a planar dial whose gnomon foot lies
// outside the canvas, refuses the other types with temporal hours beyond 63 degrees
// of latitude (message 64), sets landscape, shows the set-up dialog, prints the page and
// resets the orientation to portrait. Failures are reported through Ui(). True when
// the page was printed.
bool PrintConstruction(QPrinter& printer, DialSettings& s, const DrawingView& screenView, double canvasWidth,
                       double canvasHeight, const PrinterSetup& setup);

// The angles-table page (`TForm5.DruckListe`): the dial data, the sunlit period, the
// notes and the table of the hour-line angles. `title` is the dial caption of the
// window, `sunlitText` the period text of the angles panel.
bool PrintAnglesTable(QPrinter& printer, const DialSettings& s, const HourLineAngleTable& table, double zoom,
                      const std::string& title, const std::string& sunlitText, const PrinterSetup& setup);
// The page itself, on a painter in tenths of a millimetre; `newPage` begins the next
// page when the table does not fit below the text. `pageWidth` is the usable width of
// the page: a table wider than that (four columns of times, angles and tangents on a
// portrait page) is printed in a smaller font, so that no column is cut off.
void DrawAnglesTablePage(QPainter& painter, const DialSettings& s, const HourLineAngleTable& table, double zoom,
                         const std::string& title, const std::string& sunlitText,
                         const std::function<void()>& newPage, double pageWidth = 2800);
// The lines of the dial data the page shows (shortened as the page wants them).
std::vector<std::string> AnglesTablePageLines(const DialSettings& s, double zoom, const std::string& sunlitText);

// The information text as a listing (`TForm5.ausgeben`): Courier 11, between two rule
// lines, portrait.
bool PrintInformationText(QPrinter& printer, const std::vector<std::string>& lines);
QStringList InformationListing(const std::vector<std::string>& lines);

// The coordinate list of a plot file on the printer: Courier 11 for the header, 9
// after it. The job ends (the page is ejected) when the object is destroyed.
class PrinterCoordinateList : public CoordinateListTarget {
 public:
  explicit PrinterCoordinateList(QPrinter& printer);
  ~PrinterCoordinateList() override;
  void Write(const std::string& utf8) override;
  void HeaderDone() override;
  bool Failed() const { return failed_; }

 private:
  void Flush(bool all);
  TextPrintJob job_;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace skiagraf::gui
