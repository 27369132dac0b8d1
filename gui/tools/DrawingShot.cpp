// Opens the program's main window with the drawing window of a design and saves a
// picture of the screen (run by hand under a virtual display, to look at drawings).
//   skiagraf-drawing-shot OUT.png [h|v|i|z|k] [umbrella] [en] [lat=..] [decl=..] [incl=..] [all] [angles] [info]
//                         [print] [save|savedxf|coords] [tablepdf=OUT.pdf] [q]
// [save], [savedxf] and [coords] open the save panel as its commands do; [tablepdf=..]
// prints the angles-table page into a PDF file; [wait=MS] waits that long before the
// picture is taken (to try the window by hand or with xdotool meanwhile).
// Altitude dials: [ktemp] temporal hours of the altitude dial, [eot] hour lines with the
// equation of time, [zone] time at the zone meridian, [year] the whole year on the date
// axis, [noface] without the vertical plate, [axis=MM] the shepherd's date axis.
#include <QApplication>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "ConstructionPrint.h"
#include "DrawingPlotHooks.h"
#include "DrawingWindow.h"
#include "MainWindow.h"
#include "PainterSurface.h"
#include "dials/DialDispatch.h"
#include "QtUserInterface.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "text/Language.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  using namespace skiagraf;
  InitDialSettings(Settings());
  DialSettings& s = Settings();
  const QString out = argc > 1 ? argv[1] : "shot.png";
  bool angles = false, info = false, printPage = false;
  int saveCommand = 0;  // 1 HPGL, 2 DXF, 3 DXF with the coordinate list
  QString tablePdf;
  int waitMs = 300;
  for (int i = 2; i < argc; ++i) {
    const QString a = argv[i];
    if (a.size() == 1) {
      s.DialTypeCode = a[0].toLatin1();
      if (s.DialTypeCode == 'z') s.CylinderKind = 0;
    }
    else if (a == "umbrella") s.UmbrellaMode = true;
    else if (a == "en") SetCurrentLanguage(Language::English);
    else if (a.startsWith("lat=")) s.Latitude = a.mid(4).toDouble();
    else if (a.startsWith("decl=")) s.WallDeclination = a.mid(5).toDouble();
    else if (a.startsWith("incl=")) s.WallInclination = s.ConeAxisInclination = a.mid(5).toDouble();
    else if (a == "all") {
      s.ApparentTimeLines = s.MeanTimeLines = s.MarkAnalemma = s.TemporalHours = true;
      s.BabylonianHours = s.ItalianHours = s.AltitudeLines = s.WholeHourDateLines = true;
    } else if (a == "none") {
      s.ApparentTimeLines = s.MeanTimeLines = s.MarkAnalemma = s.TemporalHours = false;
      s.BabylonianHours = s.ItalianHours = s.AltitudeLines = s.WholeHourDateLines = false;
    } else if (a == "app") s.ApparentTimeLines = true;
    else if (a == "mean") s.MeanTimeLines = true;
    else if (a == "ana") s.MarkAnalemma = true;
    else if (a == "temp") s.TemporalHours = true;
    else if (a == "bab") s.BabylonianHours = true;
    else if (a == "ital") s.ItalianHours = true;
    else if (a == "alt") s.AltitudeLines = true;
    else if (a == "whole") s.WholeHourDateLines = true;
    else if (a == "tofoot") s.HourLinesToStyleFoot = true;
    else if (a == "lmt") s.PlanarLocalTime = true;
    else if (a == "triangle") s.PolarTriangle = true;
    else if (a.startsWith("dates=")) s.DateLineMode = a.mid(6).toLatin1()[0];
    else if (a == "ktemp") s.TemporalHourLines = true;
    else if (a == "eot") s.CylinderEotConstruction = true;
    else if (a == "zone") s.LocalTime = false;
    else if (a == "year") s.MonthScaleDouble = true;
    else if (a == "noface") s.AddVerticalFace = false;
    else if (a.startsWith("axis=")) s.CylinderAxisLength = a.mid(5).toInt();
    else if (a == "angles") angles = true;
    else if (a == "info") info = true;
    else if (a == "print") printPage = true;
    else if (a == "save") saveCommand = 1;
    else if (a == "savedxf") saveCommand = 2;
    else if (a == "coords") saveCommand = 3;
    else if (a.startsWith("tablepdf=")) tablePdf = a.mid(9);
    else if (a.startsWith("wait=")) waitMs = a.mid(5).toInt();
  }
  if (printPage) {
    // The construction in print mode on an A4 landscape page in tenths of a millimetre.
    QImage page(2970, 2100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    gui::PainterSurface surface(painter, page.width(), page.height());
    DrawingView view;
    DefaultPlanarPlacement(s, page.width(), page.height(), view);
    ConstructDial(surface, false, view, s);
    painter.end();
    return page.save(out) ? 0 : 1;
  }
  gui::QtUserInterface ui;
  ScopedUserInterface installed(ui);
  gui::RegisterDrawingWindow();
  gui::InstallDrawingPlotHooks();
  gui::MainWindow window;
  ui.SetParent(&window);
  window.resize(1280, 1000);
  window.show();
  QTimer::singleShot(300, [&] {
    auto* drawing = qobject_cast<gui::DrawingWindow*>(window.OpenTask("Form5"));
    QTimer::singleShot(300, [&, drawing] {
      if (drawing) {
        drawing->Konstruiere(gui::DrawingWindow::DrawMode::Fresh);
        if (angles) drawing->BitBtnWinkelClick(true);
        if (info) drawing->sInfo();
        if (saveCommand) drawing->dxfClick(saveCommand >= 2, saveCommand == 3);
        if (!tablePdf.isEmpty()) {
          QPrinter printer(QPrinter::HighResolution);
          printer.setOutputFormat(QPrinter::PdfFormat);
          printer.setOutputFileName(tablePdf);
          const HourLineAngleTable table = ComputeHourLineAngles(Settings(), drawing->Zoom());
          gui::PrintAnglesTable(printer, Settings(), table, drawing->Zoom(), drawing->windowTitle().toStdString(),
                                table.FooterTitle, {});
        }
      }
      QTimer::singleShot(waitMs, [&, drawing] {
        if (drawing) std::printf("zoom %.6f\n", drawing->Zoom());
        window.grab().save(out);
        app.quit();
      });
    });
  });
  return app.exec();
}
