#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <memory>
#include <QPushButton>
#include <cstdio>

#include "GuiTestSupport.h"
#include "RadioGroup.h"
#include "astro/SunPositionReport.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

class SunWindowTest : public GuiTest {
 protected:
  void Open(int mode) {
    window_ = std::make_unique<SunPositionWindow>(mode);
    window_->show();
  }
  QLineEdit* Edit(const char* name) {
    auto* e = window_->findChild<QLineEdit*>(name);
    EXPECT_NE(e, nullptr) << name;
    return e;
  }
  // Types a text into a field and leaves it, as the user does with Tab.
  void Enter(const char* name, const QString& text) {
    QLineEdit* e = Edit(name);
    e->setText(text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(e, &leave);
  }
  QString Label(const char* name) { return window_->findChild<QLabel*>(name)->text(); }

  std::unique_ptr<SunPositionWindow> window_;
};

// What skiagraf-cli sun prints for the same request, line by line.
QStringList CliLines(const std::string& args) {
  const std::string command = std::string(SKIAGRAF_CLI) + " sun " + args + " 2>/dev/null";
  QStringList lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return lines;
  QByteArray out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, static_cast<qsizetype>(n));
  pclose(pipe);
  lines = QString::fromUtf8(out).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

struct ReportCase {
  int mode;
  const char* date;  // year, month, day entered in the window
  const char* time;
  const char* azimuth;
  int timeKind;
  int twilight;
  const char* lat;
  const char* lon;
  const char* zone;
  Language language;
  std::string cli;
};

class SunWindowReportTest : public SunWindowTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(SunWindowReportTest, ResultListAndLabelsAreThoseOfTheCommandLine) {
  const ReportCase& c = GetParam();
  SetCurrentLanguage(c.language);
  Open(c.mode);
  const QStringList date = QString(c.date).split('-');
  Enter("edJahr", date[0]);
  Enter("edMonat", date[1]);
  Enter("edTag", date[2]);
  Enter("edLatitude", c.lat);
  Enter("edLongitude", c.lon);
  Enter("edZone", c.zone);
  if (c.mode == 2) Enter("Uhrzeit", c.time);
  if (c.mode == 4) Enter("p3Azi", c.azimuth);
  window_->findChild<RadioGroup*>("rgZeitart")->SetItemIndex(c.timeKind);
  SunState().TimeKind = c.timeKind;
  window_->findChild<RadioGroup*>("RGDawn2")->SetItemIndex(c.twilight);
  SunState().Twilight = c.twilight;
  ASSERT_TRUE(window_->Button3Click());

  const QStringList cli = CliLines(c.cli);
  ASSERT_FALSE(cli.isEmpty());
  EXPECT_EQ(window_->ResultLines(), cli);

  // The labels show the values of the same report.
  SunReportRequest rq;
  rq.Mode = static_cast<SunReportMode>(c.mode);
  rq.Year = date[0].toInt();
  rq.Month = date[1].toInt();
  rq.Day = date[2].toInt();
  rq.Time = ParseClockTime(c.time);
  rq.Azimuth = QString(c.azimuth).toDouble();
  rq.Kind = static_cast<TimeKind>(c.timeKind);
  rq.Twilight = static_cast<TwilightKind>(c.twilight);
  rq.Latitude = QString(c.lat).toDouble();
  rq.Longitude = QString(c.lon).toDouble();
  rq.ZoneMeridian = QString(c.zone).toDouble();
  rq.Lang = c.language;
  const SunReport report = BuildSunReport(rq);
  const SunReportLabels& l = report.Labels;
  switch (c.mode) {
    case 1:
      EXPECT_EQ(Label("lAufgang").toStdString(), l.Sunrise);
      EXPECT_EQ(Label("lUntergang").toStdString(), l.Sunset);
      EXPECT_EQ(Label("lAnfang").toStdString(), l.TwilightBegin);
      EXPECT_EQ(Label("lEnde").toStdString(), l.TwilightEnd);
      EXPECT_EQ(Label("lMondauf").toStdString(), l.Moonrise);
      EXPECT_EQ(Label("lmondunter").toStdString(), l.Moonset);
      EXPECT_FALSE(l.Sunrise.empty());
      break;
    case 2:
      EXPECT_EQ(Label("lHoehe").toStdString(), l.Altitude);
      EXPECT_EQ(Label("lAzimut").toStdString(), l.Azimuth);
      EXPECT_FALSE(l.Azimuth.empty());
      break;
    case 4:
      EXPECT_EQ(Label("lZeitErgebnis").toStdString(), l.AzimuthTime);
      EXPECT_FALSE(l.AzimuthTime.empty());
      break;
    default:
      EXPECT_EQ(Label("lZeitgleichung").toStdString(), l.EquationOfTime);
      EXPECT_EQ(Label("lDeklination").toStdString(), l.Declination);
      EXPECT_FALSE(l.Declination.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SunWindowReportTest,
    ::testing::Values(
        ReportCase{1, "1999-6-22", "", "", 2, 0, "47.25", "-9.55", "-15", Language::German,
                   "--mode riseset --date 1999-06-22 --lat 47.25 --lon -9.55 --zone -15 --lang de"},
        ReportCase{1, "2000-1-1", "", "", 2, 2, "70", "-9.55", "-15", Language::English,
                   "--mode riseset --date 2000-01-01 --twilight astronomical --lat 70 --lon -9.55 --zone -15 --lang en"},
        ReportCase{2, "2024-3-20", "9:30", "", 0, 0, "47.25", "-9.55", "-15", Language::German,
                   "--mode position --date 2024-03-20 --time 09:30 --time-kind apparent --lat 47.25 --lon -9.55 --zone -15 --lang de"},
        ReportCase{2, "2024-3-20", "15 10", "", 2, 0, "-33.9", "-18.4", "-30", Language::English,
                   "--mode position --date 2024-03-20 --time 15:10 --time-kind zone --lat -33.9 --lon -18.4 --zone -30 --lang en"},
        ReportCase{4, "1999-6-22", "", "45", 2, 0, "47.25", "-9.55", "-15", Language::German,
                   "--mode azimuth --date 1999-06-22 --azimuth 45 --lat 47.25 --lon -9.55 --zone -15 --lang de"},
        ReportCase{8, "1582-10-4", "", "", 2, 0, "47.25", "-9.55", "-15", Language::English,
                   "--mode eot --date 1582-10-04 --lat 47.25 --lon -9.55 --zone -15 --lang en"}),
    [](const ::testing::TestParamInfo<ReportCase>& info) {
      return "Mode" + std::to_string(info.param.mode) + "Case" + std::to_string(info.index);
    });

TEST_F(SunWindowTest, RefusesYearsOutsideTheRangeAndKeepsThePrevious) {
  Open(8);
  Enter("edJahr", "2001");
  for (const char* bad : {"1299", "2501", "", "0"}) {
    Enter("edJahr", bad);
    EXPECT_EQ(Edit("edJahr")->text(), "2001") << bad;
    EXPECT_EQ(Settings().ReferenceYear, 2001) << bad;
  }
  Enter("edJahr", "1300");
  EXPECT_EQ(Settings().ReferenceYear, 1300);
}

TEST_F(SunWindowTest, RefusesBadMonthDayLongitudeZoneAndAzimuth) {
  Open(4);
  struct Case {
    const char* field;
    const char* good;
    const char* bad;
    const char* shownAfterBad;
  };
  const Case cases[] = {{"edMonat", "3", "13", "3"},          {"edTag", "9", "32", "9"},
                        {"edLongitude", "12.5", "-180.5", "12.500000"}, {"edZone", "-30", "181", "-30.00"},
                        {"p3Azi", "-45.5", "190", "-45.50"},   {"edLongitude", "12.5", "1.2.3", "12.500000"}};
  for (const Case& c : cases) {
    Enter(c.field, c.good);
    Enter(c.field, c.bad);
    EXPECT_EQ(Edit(c.field)->text(), c.shownAfterBad) << c.field << " " << c.bad;
  }
  EXPECT_EQ(SunState().Month, 3);
  EXPECT_EQ(SunState().Day, 9);
  EXPECT_EQ(Settings().Longitude, 12.5);
  EXPECT_EQ(Settings().ZoneMeridian, -30.0);
  EXPECT_EQ(SunState().Azimuth, -45.5);
}

TEST_F(SunWindowTest, LatitudeOutOfRangeIsReportedAndNotStored) {
  Open(8);
  Enter("edLatitude", "45,5");
  EXPECT_EQ(Settings().Latitude, 45.5) << "a comma counts as decimal point";
  EXPECT_EQ(Edit("edLatitude")->text(), "45.500000");
  Enter("edLatitude", "95");
  EXPECT_EQ(Settings().Latitude, 45.5);
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].title, Caption(CaptionKind::Problem));
  EXPECT_EQ(ui_.shown[0].text, "Geogr. Breite=95\r\n Zulässiger Wertebereich ist [  -90.00, ...,   90.0] !");
  Enter("edLatitude", "Nord");
  EXPECT_EQ(ui_.shown.back().text, Message(4));
  EXPECT_EQ(Edit("edLatitude")->text(), "45.500000") << "the stored value is shown again in full";
}

TEST_F(SunWindowTest, CalendarGapBecomesTheFifteenthWithMessage26) {
  Open(8);
  Enter("edJahr", "1582");
  Enter("edMonat", "10");
  Enter("edTag", "10");
  EXPECT_EQ(Edit("edTag")->text(), "15");
  EXPECT_EQ(SunState().Day, 15);
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().text, Message(26));
  EXPECT_EQ(ui_.shown.back().title, Caption(CaptionKind::Problem));
  ui_.shown.clear();
  Enter("edTag", "4");
  EXPECT_EQ(SunState().Day, 4);
  EXPECT_TRUE(ui_.shown.empty()) << "4 October 1582 exists";
}

TEST_F(SunWindowTest, ADayTheMonthLacksIsNotComputed) {
  Open(8);
  Enter("edJahr", "1700");
  Enter("edMonat", "2");
  Enter("edTag", "29");
  EXPECT_FALSE(window_->Button3Click());
  EXPECT_TRUE(ui_.Showed(Message(57)));
  EXPECT_TRUE(window_->ResultLines().isEmpty());
  Enter("edJahr", "1500");  // Julian leap year
  EXPECT_TRUE(window_->Button3Click());
}

TEST_F(SunWindowTest, ClockTimeIsNormalisedOrMarkedAsFault) {
  Open(2);
  struct Case {
    const char* typed;
    const char* shown;
    double hours;
  };
  const Case cases[] = {{"6", "06:00:00", 6.0}, {"14:5", "14:05:00", 14 + 5 / 60.0}, {"", "12:00:00", 12.0},
                        {"9 30 15", "09:30:15", 9.5 + 15 / 3600.0}};
  for (const Case& c : cases) {
    Enter("Uhrzeit", c.typed);
    EXPECT_EQ(Edit("Uhrzeit")->text(), c.shown) << c.typed;
    EXPECT_DOUBLE_EQ(SunState().Time, c.hours) << c.typed;
  }
  Enter("Uhrzeit", "25:00");
  EXPECT_EQ(Edit("Uhrzeit")->text(), "Fehler!");
  EXPECT_DOUBLE_EQ(SunState().Time, 9.5 + 15 / 3600.0);
}

TEST_F(SunWindowTest, EmptyAzimuthAsksForInput) {
  Open(4);
  Edit("p3Azi")->clear();
  EXPECT_FALSE(window_->Button3Click());
  EXPECT_EQ(Edit("p3Azi")->text().toStdString(), Phrase(67));
}

TEST_F(SunWindowTest, FarFromZoneQuestionGuardsCalculationAndClosing) {
  Open(8);
  Enter("edLongitude", "20");
  ASSERT_TRUE(window_->FarFromZoneFlag());
  ui_.answers = {Answer::No};
  EXPECT_FALSE(window_->Button3Click());
  EXPECT_TRUE(window_->ResultLines().isEmpty());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_TRUE(ui_.shown[0].question);
  EXPECT_EQ(ui_.shown[0].text, FarFromZoneQuestion(Language::German));
  EXPECT_EQ(ui_.shown[0].title, Caption(CaptionKind::Warning));
  EXPECT_FALSE(window_->CanClose()) << "No keeps the window open";

  ui_.answers = {Answer::Yes};
  EXPECT_TRUE(window_->Button3Click());
  EXPECT_FALSE(window_->FarFromZoneFlag());
  EXPECT_FALSE(window_->ResultLines().isEmpty());
  const size_t asked = ui_.shown.size();
  EXPECT_TRUE(window_->CanClose());
  EXPECT_EQ(ui_.shown.size(), asked) << "no second question once answered";
  Enter("edLongitude", "-5");
  EXPECT_FALSE(window_->FarFromZoneFlag());
}

TEST_F(SunWindowTest, CalculationReadsEntriesThatWereNotLeft) {
  Open(4);
  // Typed, but the focus never left the fields (the calculation came by short-cut).
  Edit("p3Azi")->setText("45");
  Edit("edLatitude")->setText("50");
  ASSERT_TRUE(window_->Button3Click());
  EXPECT_DOUBLE_EQ(SunState().Azimuth, 45.0);
  EXPECT_DOUBLE_EQ(Settings().Latitude, 50.0);
  EXPECT_TRUE(window_->ResultLines().join("\n").contains("45.00")) << window_->ResultLines().join("\n").toStdString();
  // A refused entry stops the calculation.
  Edit("edLatitude")->setText("95");
  EXPECT_FALSE(window_->Button3Click());
  EXPECT_DOUBLE_EQ(Settings().Latitude, 50.0);
}

TEST_F(SunWindowTest, TypingClearsTheShownResults) {
  Open(8);
  ASSERT_TRUE(window_->Button3Click());
  ASSERT_FALSE(Label("lZeitgleichung").isEmpty());
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, "5");
  QApplication::sendEvent(Edit("edTag"), &release);
  EXPECT_TRUE(Label("lZeitgleichung").isEmpty());
}

TEST_F(SunWindowTest, PanelsFollowTheMode) {
  struct Case {
    int mode;
    const char* panel;
  };
  for (const Case& c : {Case{1, "PanelRise"}, Case{2, "Panelpos"}, Case{4, "PanelZeit"}, Case{8, "panelEoT"}}) {
    Open(c.mode);
    for (const char* p : {"PanelRise", "Panelpos", "PanelZeit", "panelEoT"})
      EXPECT_EQ(window_->findChild<QWidget*>(p)->isVisible(), std::string(p) == c.panel) << c.mode << " " << p;
    EXPECT_EQ(window_->findChild<QWidget*>("bBtnAziHoch")->isVisible(), c.mode == 2);
    EXPECT_EQ(window_->findChild<QWidget*>("Button4")->isVisible(), c.mode == 8);
  }
}

// --- printing ---------------------------------------------------------------------------

int PdfPages(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray data = f.readAll();
  if (!data.startsWith("%PDF")) return -1;
  return static_cast<int>(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page ") +
                          data.count("/Type /Page/") + data.count("/Type /Page>"));
}

class SunWindowPrintTest : public SunWindowTest {
 protected:
  void SetUp() override {
    SunWindowTest::SetUp();
    pdf_ = Folder() + "/print.pdf";
    // The printer needs the application, which the base fixture has just made.
    printer_ = std::make_unique<QPrinter>();
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdf_);
    Open(8);
    window_->SetPrinter(printer_.get());
  }
  std::unique_ptr<QPrinter> printer_;
  QString pdf_;
};

TEST_F(SunWindowPrintTest, WithFormFeedWritesThePageAndClearsTheList) {
  ASSERT_TRUE(window_->Print(true));
  EXPECT_EQ(PdfPages(pdf_), 1);
  EXPECT_TRUE(window_->ResultLines().isEmpty());
}

TEST_F(SunWindowPrintTest, WithoutFormFeedTheNextPrintContinuesOnTheSamePage) {
  ASSERT_TRUE(window_->Print(false));
  ASSERT_TRUE(window_->Print(false));
  EXPECT_FALSE(window_->ResultLines().isEmpty()) << "the list stays";
  EXPECT_FALSE(QFile::exists(pdf_) && PdfPages(pdf_) > 0) << "the job is still open";
  window_->DruckenLfeed1Click();
  EXPECT_EQ(PdfPages(pdf_), 1);
}

TEST_F(SunWindowPrintTest, PrintButtonAsksAboutFormFeed) {
  ui_.answers = {Answer::Cancel};
  window_->BitBtn1Click();
  EXPECT_TRUE(ui_.Showed(Message(54)));
  EXPECT_FALSE(QFile::exists(pdf_));
  ui_.answers = {Answer::Yes};
  window_->BitBtn1Click();
  EXPECT_EQ(PdfPages(pdf_), 1);
}

TEST_F(SunWindowPrintTest, AnOpenJobIsFinishedWhenTheWindowCloses) {
  ASSERT_TRUE(window_->Print(false));
  EXPECT_TRUE(window_->CanClose());
  EXPECT_EQ(PdfPages(pdf_), 1);
}

}  // namespace
}  // namespace skiagraf::gui::test
