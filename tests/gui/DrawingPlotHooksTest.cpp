// The save panel and the print routines plugged into the drawing window.
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "DrawingPlotHooks.h"
#include "DrawingWindow.h"
#include "GuiTestSupport.h"
#include "PlotSavePanel.h"
#include "PrinterChoice.h"

namespace skiagraf::gui::test {
namespace {

class DrawingPlotHooksTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    Settings().DialTypeCode = 'v';
    Settings().Latitude = 47;
    InstallDrawingPlotHooks();
    window_ = std::make_unique<DrawingWindow>();
    window_->resize(1100, 760);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    window_.reset();
    DrawingHooks() = {};
    GuiTest::TearDown();
  }
  std::unique_ptr<DrawingWindow> window_;
};

TEST_F(DrawingPlotHooksTest, SaveButtonsOpenThePanelAndSave) {
  auto* dxf = window_->findChild<QPushButton*>("dxf");
  ASSERT_NE(dxf, nullptr);
  EXPECT_TRUE(dxf->isEnabled());
  dxf->click();
  auto* panel = window_->findChild<PlotSavePanel*>("HPGpanel");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->findChild<QLineEdit*>("namehpg")->text(), "skiag.dxf");
  const std::string file = (Folder() + "/wall.dxf").toStdString();
  ui_.files.push_back(file);
  ui_.answers.push_back(Answer::No);  // no grid
  panel->findChild<QPushButton*>("BtnWeiter")->click();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(std::filesystem::exists(file));
  // The HPGL button opens the same panel for HPGL.
  window_->findChild<QPushButton*>("BitBtnHPGL")->click();
  EXPECT_EQ(window_->findChildren<PlotSavePanel*>().size(), 1);
  EXPECT_EQ(panel->Format(), PlotFormat::Hpgl);
  EXPECT_EQ(panel->findChild<QLineEdit*>("namehpg")->text(), Folder() + "/wall.plt");
}

// The text of a PDF file, through poppler's pdftotext.
QString PdfText(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-layout", pdf, "-"});
  p.waitForFinished(20000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(DrawingPlotHooksTest, InfoPrintPrintsWhatTheMemoShows) {
  // A DXF save with a medium line puts the converter's log into the memo.
  Settings().PlotLineWeight = 2;
  window_->findChild<QPushButton*>("dxf")->click();
  ui_.files.push_back((Folder() + "/log.dxf").toStdString());
  ui_.answers.push_back(Answer::No);  // no grid
  window_->findChild<PlotSavePanel*>("HPGpanel")->findChild<QPushButton*>("BtnWeiter")->click();
  ASSERT_TRUE(window_->findChild<QWidget*>("pStabInfo")->isVisible());
  const QString memo = window_->findChild<QPlainTextEdit*>("StabMemo")->toPlainText();
  ASSERT_TRUE(memo.contains("PW")) << memo.toStdString();
  // " Info drucken" prints that log.
  const QString pdf = Folder() + "/log.pdf";
  QPrinter* printer = nullptr;
  ui_.files.push_back(pdf.toStdString());
  ASSERT_TRUE(PrinterFor(*window_, printer));
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(pdf);
  ui_.files.push_back(pdf.toStdString());  // each print asks for its file again
  window_->findChild<QPushButton*>("BtnInfoDrucken")->click();
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_TRUE(PdfText(pdf).contains("Command PW"));
}

TEST_F(DrawingPlotHooksTest, PrintButtonPrintsThePage) {
  auto* print = window_->findChild<QPushButton*>("BitBtnDrucken");
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->isEnabled());
  // Without a printer on this machine the page goes into a PDF file.
  const QString pdf = Folder() + "/wall.pdf";
  QPrinter* printer = nullptr;
  ui_.files.push_back(pdf.toStdString());
  ASSERT_TRUE(PrinterFor(*window_, printer));
  printer->setOutputFormat(QPrinter::PdfFormat);  // also where the machine has a printer
  printer->setOutputFileName(pdf);
  ui_.files.push_back(pdf.toStdString());  // each print asks for its file again
  print->click();
  EXPECT_TRUE(QFile::exists(pdf));
}

// A printer as Qt sets it up on a machine without one (a PDF writer without a file)
// asks for the PDF file; it used to go on and fail with "printer not ready", and
// then to write every later page into the first file chosen.
TEST_F(DrawingPlotHooksTest, PrinterWithoutPrinterAsksForThePdfFileOfEveryPrint) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  const QString pdf = Folder() + "/asked.pdf";
  {
    QPrinter printer;
    ui_.files.push_back(std::nullopt);  // cancelled
    EXPECT_FALSE(PdfWhenNoPrinter(printer));
  }
  QPrinter printer;
  ui_.files.push_back(pdf.toStdString());
  ASSERT_TRUE(PdfWhenNoPrinter(printer));
  EXPECT_TRUE(ui_.files.empty());
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
  EXPECT_EQ(printer.outputFileName(), pdf);
  // The next page asks again, proposing that file, so it does not silently replace it.
  const QString next = Folder() + "/next.pdf";
  ui_.files.push_back(next.toStdString());
  ASSERT_TRUE(PdfWhenNoPrinter(printer));
  ASSERT_EQ(ui_.fileChoices.size(), 3u);
  EXPECT_EQ(ui_.fileChoices[2].initialName, pdf.toStdString());
  EXPECT_EQ(printer.outputFileName(), next);
  // A file set by the caller itself is left as it is.
  const QString own = Folder() + "/own.pdf";
  printer.setOutputFileName(own);
  EXPECT_TRUE(PdfWhenNoPrinter(printer));
  EXPECT_EQ(ui_.fileChoices.size(), 3u);
  EXPECT_EQ(printer.outputFileName(), own);
}

TEST_F(DrawingPlotHooksTest, AltitudeDialsArePrintedAndSavedThroughTheirButtons) {
  for (const char type : {'z', 'k'}) {
    SCOPED_TRACE(std::string(1, type));
    DialSettings& s = Settings();
    s.DialTypeCode = type;
    s.CylinderKind = 0;
    s.Latitude = 64;
    window_ = std::make_unique<DrawingWindow>();
    window_->resize(1100, 760);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->Konstruiere(DrawingWindow::DrawMode::Fresh);
    QPrinter* printer = nullptr;
    ui_.files.push_back((Folder() + "/unused.pdf").toStdString());
    ASSERT_TRUE(PrinterFor(*window_, printer));
    ui_.files.clear();  // the PDF file asked for when the machine has no printer
    printer->setOutputFormat(QPrinter::PdfFormat);
    auto* print = window_->findChild<QPushButton*>("BitBtnDrucken");
    // Temporal hours at 64 degrees: the print command refuses, the plot file is made.
    s.TemporalHours = s.TemporalHourLines = true;
    const QString refused = Folder() + "/far.pdf";
    printer->setOutputFileName(refused);
    print->click();
    EXPECT_FALSE(QFile::exists(refused));
    EXPECT_TRUE(ui_.Showed("Temporalstunden sind in dieser geogr. Breite nicht möglich!"));
    // Without them the page is printed.
    s.TemporalHours = s.TemporalHourLines = false;
    const QString pdf = Folder() + "/" + QChar(type) + ".pdf";
    printer->setOutputFileName(pdf);
    print->click();
    EXPECT_TRUE(QFile::exists(pdf));
    // The HPGL button saves the plot file of the dial.
    window_->findChild<QPushButton*>("BitBtnHPGL")->click();
    auto* panel = window_->findChild<PlotSavePanel*>("HPGpanel");
    ASSERT_NE(panel, nullptr);
    const std::string file = (Folder() + "/" + QChar(type) + ".plt").toStdString();
    ui_.files.push_back(file);
    panel->findChild<QPushButton*>("BtnWeiter")->click();
    EXPECT_TRUE(std::filesystem::exists(file));
    ui_.shown.clear();
  }
}

}  // namespace
}  // namespace skiagraf::gui::test
