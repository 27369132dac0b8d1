#include "ConstructionPrint.h"

#include <QPageLayout>
#include <QPaintDevice>
#include <QTransform>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <exception>

#include "PainterSurface.h"
#include "base/UserInterface.h"
#include "dials/DialDispatch.h"
#include "dials/DialText.h"
#include "dials/PlanarInfoText.h"
#include "plot/PlotSave.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

bool IsPlanar(char type) { return type == 'h' || type == 'v' || type == 'i'; }

void ReportNotReady() { Ui().ShowMessage(Caption(CaptionKind::Error), Message(23), MessageIcon::Error); }
void ReportCancelled() { Ui().ShowMessage(Caption(CaptionKind::Error), Message(42), MessageIcon::Error); }

// Shows the set-up dialog with landscape orientation; on Cancel the orientation is
// left as it was.
bool SetUpLandscape(QPrinter& printer, const PrinterSetup& setup) {
  const QPageLayout::Orientation before = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Landscape);
  if (setup && !setup(printer)) {
    printer.setPageOrientation(before);
    return false;
  }
  return true;
}

}  // namespace

namespace {

// One print job on the page in tenths of a millimetre: begins the document, draws,
// ends it; a printer that cannot start or a failure while printing is reported.
bool PrintDocument(QPrinter& printer, const std::function<void(QPainter&, const PrintPage&)>& draw) {
  try {
    QPainter painter;
    printer.setFullPage(true);
    if (!painter.begin(&printer)) {
      ReportNotReady();
      return false;
    }
    const PrintPage page = ConstructionPage(printer);
    PrintPageTransform(painter, page.leftMm, page.topMm);
    draw(painter, page);
    if (painter.end()) return true;
  } catch (const std::exception&) {
  }
  ReportCancelled();
  return false;
}

}  // namespace

void PrintPageTransform(QPainter& painter, double leftMm, double topMm) {
  QPaintDevice* device = painter.device();
  const double unitsX = device->logicalDpiX() / 254.0;  // device pixels per 0.1 mm
  const double unitsY = device->logicalDpiY() / 254.0;
  QTransform t;
  t.translate(leftMm * 10 * unitsX, topMm * 10 * unitsY);
  t.scale(unitsX, unitsY);
  painter.setTransform(t);
}

PrintPage ConstructionPage(const QPrinter& printer) {
  PrintPage page;
  const QPageLayout layout = printer.pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
  const QMarginsF minimum = layout.minimumMargins();  // points
  const double pointToMm = 25.4 / 72.0;
  page.leftMm = std::max(7.0, minimum.left() * pointToMm);
  page.topMm = std::max(5.0, minimum.top() * pointToMm);
  const double right = paper.width() - minimum.right() * pointToMm;
  const double bottom = paper.height() - minimum.bottom() * pointToMm;
  page.width = std::min(2800.0, std::floor((right - page.leftMm) * 10));
  page.height = std::min(2000.0, std::floor((bottom - page.topMm) * 10));
  return page;
}

void DrawConstructionPage(QPainter& painter, double pageWidth, double pageHeight, DialSettings& s,
                          const DrawingView& screenView, double canvasWidth, double canvasHeight) {
  PainterSurface surface(painter, pageWidth, pageHeight);
  FontSpec font;
  font.face = "Arial";
  font.height = 40;
  surface.SetFont(font);
  DrawingView view = screenView;
  // Foot and text anchor from the canvas to the page.
  if (canvasWidth > 0 && canvasHeight > 0) {
    view.foot = {std::round(pageWidth / canvasWidth * screenView.foot.x),
                 std::round(pageHeight / canvasHeight * screenView.foot.y)};
    view.textAnchor = {std::round(pageWidth / canvasWidth * screenView.textAnchor.x),
                       std::round(pageHeight / canvasHeight * screenView.textAnchor.y)};
  }
  ConstructDial(surface, false, view, s);
}

bool PrintConstruction(QPrinter& printer, DialSettings& s, const DrawingView& screenView, double canvasWidth,
                       double canvasHeight, const PrinterSetup& setup) {
  const char type = s.DialTypeCode;
  // A letter without a construction would print a blank page.
  if (!ConstructionFor(s)) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), NoConstructionMessage(), MessageIcon::Error);
    return false;
  }
  // Dials with a gnomon foot placed on the canvas ask when it lies outside; the other
  // types refuse temporal hours far north or south before the printer is set up.
  if (IsPlanar(type) || type == 'c' || (type == 'z' && s.CylinderKind == 2)) {
    const PointD f = screenView.foot;
    if ((f.x < 1 || f.y < 1 || f.x > canvasWidth || f.y > canvasHeight) &&
        AskCancelForFootOutside(MessageIcon::Warning))
      return false;
  } else if (std::fabs(s.Latitude) > 63 && TemporalHoursChosen(s)) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), Message(64), MessageIcon::Error);
    return false;
  }
  if (!SetUpLandscape(printer, setup)) return false;
  const bool printed = PrintDocument(printer, [&](QPainter& painter, const PrintPage& page) {
    DrawConstructionPage(painter, page.width, page.height, s, screenView, canvasWidth, canvasHeight);
  });
  printer.setPageOrientation(QPageLayout::Portrait);
  return printed;
}

std::vector<std::string> AnglesTablePageLines(const DialSettings& s, double zoom, const std::string& sunlitText) {
  const char type = s.DialTypeCode;
  PlanarInfoTexts texts;
  PlanarDialInfoOfRecord(s, std::round(s.GnomonHeight * zoom * 100.0) / 100.0, false, texts);
  std::vector<std::string> lines = texts.lines;
  // Only the lines that belong on the page.
  lines.resize(std::min(lines.size(), static_cast<size_t>(type == 'h' ? 7 : 10)));
  for (int n = 0; n < 2 && lines.size() > 5; ++n) lines.erase(lines.begin() + 5);
  if (type == 'h' && lines.size() > 3) lines.resize(3);
  lines.push_back("     " + sunlitText);
  lines.push_back("");
  if (type != 'h') {
    lines.push_back(Bilingual("*  Die Substilare schneidet die y-Achse im Gnomonfußpunkt P(0/0). Ihr",
                              "*  The angle of the sub-style is measured in P(0/0). It is the rotation-"));
    lines.push_back(Bilingual("   Winkel wird von der y-Achse aus angegeben (positiv im Uhrzeigersinn).",
                              "   angle from the y-axis to the sub-style (clockwise is positive)."));
  }
  lines.push_back(Bilingual("   (S ist dabei der Schnittpunkt der Stundenlinien in WOZ).",
                            "   where S = intersection point of all hour lines for apparent time."));
  lines.push_back("");
  lines.push_back("");
  lines.push_back(Bilingual("*  Winkel der Stundenlinien werden vom Lot durch den Schnittpunkt der",
                            "*  All angles of hour lines are measured from vertical direction down."));
  lines.push_back(Bilingual("   Stundenlinien gemessen. Winkel im Gegenuhrzeigersinn sind positiv.",
                            "   Positive angles are counterclockwise."));
  return lines;
}

void DrawAnglesTablePage(QPainter& painter, const DialSettings& s, const HourLineAngleTable& table, double zoom,
                         const std::string& title, const std::string& sunlitText,
                         const std::function<void()>& newPage, double pageWidth) {
  PainterSurface page(painter, pageWidth, 2000);
  FontSpec font;
  font.face = "MS Serif";
  font.bold = true;
  font.fixedPitch = true;
  font.height = 40;
  page.SetFont(font);
  // The heading is the widest line of the table; it starts at x = 120.
  std::string heading;
  for (int g = 0; g < 4; ++g)
    heading += std::string(" ") + Bilingual("Zeit", "Time") + "  " + Bilingual(" Grad", " deg ") + "         ";
  const double tableWidth = 120 + page.TextWidth(heading);
  if (tableWidth > pageWidth) {
    font.height = std::floor(font.height * (pageWidth - 120) / (tableWidth - 120));
    page.SetFont(font);
  }
  const double pitch = std::fabs(std::round(1.1 * page.TextHeight("123")));

  auto printTitle = [&] {
    FontSpec big = font;
    big.height = 48;
    page.SetFont(big);
    page.TextOut({900 - page.TextWidth(title) / 2, 145}, title);
    page.SetFont(font);
  };
  printTitle();

  const std::vector<std::string> lines = AnglesTablePageLines(s, zoom, sunlitText);
  const double n = static_cast<double>(lines.size());
  for (size_t i = 1; i < lines.size(); ++i) page.TextOut({150, 180 + (static_cast<double>(i) + 1) * pitch}, lines[i]);

  const auto& grid = table.Grid;
  double y0;
  if (grid.size() > 28 && !grid[28][0].empty()) {
    page.TextOut({150, (n + 2) * pitch + 250}, Bilingual("Tabelle auf nächster Seite!", "Table on the following page!"));
    if (newPage) newPage();
    printTitle();
    if (lines.size() > 1) page.TextOut({150, 190}, lines[1]);
    y0 = 250;
  } else {
    y0 = (n + 3) * pitch + 180;
  }

  // The table.
  const double rowPitch = std::fabs(std::round(1.18 * page.TextHeight("123")));
  const double x = 120;
  std::string captions;
  for (int g = 0; g < 4; ++g) captions += " hh:mm dd.dd tangens";
  page.TextOut({x, y0}, heading);
  page.TextOut({x, y0 + std::round(0.82 * rowPitch)}, captions);
  y0 += rowPitch;
  const double w3 = page.TextWidth(" hh:mm dd.dd tangens");
  const double wTime = page.TextWidth("hh:m");
  const double wAngle = page.TextWidth("hh:mm dd.dd");
  int rows = 0;
  for (size_t r = 1; r < grid.size(); ++r) {
    const double y = y0 + static_cast<double>(r) * rowPitch;
    for (int g = 0; g < 4; ++g) {
      const double xg = x + g * w3;
      page.TextOut({xg, y}, " " + grid[r][static_cast<size_t>(4 * g)]);
      page.TextOut({xg + wTime - 7, y}, grid[r][static_cast<size_t>(4 * g + 1)]);
      page.TextOut({xg + wAngle - 6, y}, grid[r][static_cast<size_t>(4 * g + 2)]);
    }
    rows = static_cast<int>(r);
    if (r + 1 >= grid.size() || grid[r + 1][0].empty()) break;
  }
  const double yEnd = y0 + (rows + 1) * rowPitch;
  const double right = x + page.TextWidth(heading);
  PenSpec pen;
  page.SetPen(pen);
  page.SetBrush(BrushSpec{});
  page.Rectangle({x - 15, y0 - rowPitch}, {right, yEnd});
  for (int t = 0;; ++t) {
    const double y = y0 - rowPitch + (4 * t + 2) * rowPitch - 10;
    if (y >= yEnd) break;
    page.Line({105, y}, {right, y});
  }
  for (int g = 1; g <= 3; ++g) {
    const double xg = x + std::round(g * w3);
    page.Line({xg, y0 - rowPitch}, {xg, yEnd});
  }
}

bool PrintAnglesTable(QPrinter& printer, const DialSettings& s, const HourLineAngleTable& table, double zoom,
                      const std::string& title, const std::string& sunlitText, const PrinterSetup& setup) {
  if (setup && !setup(printer)) return false;
  return PrintDocument(printer, [&](QPainter& painter, const PrintPage& page) {
    DrawAnglesTablePage(
        painter, s, table, zoom, title, sunlitText,
        [&] {
          printer.newPage();
          PrintPageTransform(painter, page.leftMm, page.topMm);
        },
        page.width);
  });
}

QStringList InformationListing(const std::vector<std::string>& lines) {
  const QString rule = QString("  ") + QString(78, '_');
  QStringList out;
  out << rule << QString();
  for (const std::string& line : lines) out << QString::fromStdString(line);
  out << rule;
  return out;
}

bool PrintInformationText(QPrinter& printer, const std::vector<std::string>& lines) {
  printer.setPageOrientation(QPageLayout::Portrait);
  try {
    TextPrintJob job(printer);
    if (!job.Print(InformationListing(lines))) {
      ReportCancelled();
      return false;
    }
    job.Finish();
  } catch (const std::exception&) {
    ReportCancelled();
    return false;
  }
  return true;
}

PrinterCoordinateList::PrinterCoordinateList(QPrinter& printer) : job_(printer) {
  printer.setPageOrientation(QPageLayout::Portrait);
}

PrinterCoordinateList::~PrinterCoordinateList() {
  Flush(true);
  job_.Finish();
}

void PrinterCoordinateList::Write(const std::string& utf8) {
  pending_ += utf8;
  Flush(false);
}

void PrinterCoordinateList::HeaderDone() {
  Flush(true);
  job_.SetPointSize(9);
}

// Prints the complete lines (all of the text when `all`); a line is complete at CR LF.
void PrinterCoordinateList::Flush(bool all) {
  QStringList lines;
  size_t start = 0;
  for (size_t end = pending_.find("\r\n"); end != std::string::npos; end = pending_.find("\r\n", start)) {
    lines << QString::fromStdString(pending_.substr(start, end - start));
    start = end + 2;
  }
  pending_.erase(0, start);
  if (all && !pending_.empty()) {
    lines << QString::fromStdString(pending_);
    pending_.clear();
  }
  if (lines.isEmpty() || failed_) return;
  if (!job_.Print(lines)) {
    failed_ = true;
    ReportCancelled();
  }
}

}  // namespace skiagraf::gui
