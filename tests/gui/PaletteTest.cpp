#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>
#include <sstream>

#include "GalleryPanel.h"
#include "GuiTestSupport.h"
#include "JpegImage.h"
#include "PaletteFile.h"
#include "PalettePanel.h"
#include "Pictures.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

class PaletteFileTest : public GuiTest {
 protected:
  std::string Ini() const { return (Folder() + "/skiag.ini").toStdString(); }
};

TEST_F(PaletteFileTest, SavingWithoutSettingsFileChangesNothingAndShowsMessage33) {
  EXPECT_FALSE(SavePaletteToIni(Ini(), ColorPalette{}));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Ini())));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, Ini() + Message(33));
}

TEST_F(PaletteFileTest, SavingReplacesOnlyTheColourLines) {
  std::string head = "47.251315\r\n-9.590825\r\n[Farben]\r\n";
  std::string old;
  for (int i = 0; i < 12; ++i) old += std::to_string(i) + "\r\n";
  const std::string tail = "[Zeiten]\r\n8\r\n19\r\n";
  WriteAll(Ini(), head + old + tail);
  ColorPalette palette;
  palette.Pens[0] = MakeColorRef(1, 2, 3);
  palette.Pens[11] = MakeColorRef(255, 255, 255);
  ASSERT_TRUE(SavePaletteToIni(Ini(), palette));
  std::string expected = head;
  for (ColorRef c : palette.Pens) expected += std::to_string(c) + "\r\n";
  EXPECT_EQ(ReadAll(Ini()), expected + tail);
  EXPECT_TRUE(ui_.Showed(Message(71)));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Ini() + ".tmp")));

  ColorPalette loaded;
  loaded.Pens.fill(0);
  ASSERT_TRUE(LoadPaletteFromIni(Ini(), loaded));
  EXPECT_EQ(loaded, palette);
}

TEST_F(PaletteFileTest, ShortSectionStopsAtTheNextSection) {
  WriteAll(Ini(), "[Farben]\r\n255\r\n[Zeiten]\r\n8\r\n");
  ColorPalette palette;
  ASSERT_TRUE(SavePaletteToIni(Ini(), palette));
  std::string expected = "[Farben]\r\n";
  for (ColorRef c : palette.Pens) expected += std::to_string(c) + "\r\n";
  EXPECT_EQ(ReadAll(Ini()), expected + "[Zeiten]\r\n8\r\n");
}

TEST_F(PaletteFileTest, LoadingSkipsLinesThatAreNoColours) {
  WriteAll(Ini(), "[Farben]\r\n255\r\nrot\r\n65280\r\n[Zeiten]\r\n16711680\r\n");
  ColorPalette palette;
  ASSERT_TRUE(LoadPaletteFromIni(Ini(), palette));
  EXPECT_EQ(palette.Pens[0], 255);
  EXPECT_EQ(palette.Pens[1], 65280);
  EXPECT_EQ(palette.Pens[2], ColorPalette::kDefaults[2]) << "nothing is read past [Zeiten]";
  EXPECT_TRUE(ui_.Showed("rot : " + Message(6)));
}

TEST_F(PaletteFileTest, LoadingWithoutSectionOrFileLeavesThePalette) {
  WriteAll(Ini(), "47.25\r\n");
  ColorPalette palette;
  palette.Pens[3] = 77;
  const ColorPalette before = palette;
  EXPECT_FALSE(LoadPaletteFromIni(Ini(), palette));
  EXPECT_EQ(palette, before);
  EXPECT_TRUE(ui_.Showed(Message(30)));
  EXPECT_FALSE(LoadPaletteFromIni(Ini() + ".missing", palette));
  EXPECT_TRUE(ui_.Showed(Ini() + ".missing"));
  EXPECT_EQ(palette, before);
}

class PalettePanelTest : public GuiTest {};

TEST_F(PalettePanelTest, LegendTitleAndRowsFollowTheDialFamily) {
  struct Case {
    char code;
    bool umbrella;
    int title;
  };
  // The bifilar dial shows the rows of its own group, so its legend is named after it.
  const Case cases[] = {{'a', false, 37}, {'c', false, 38}, {'h', false, 31}, {'v', true, 32}, {'k', false, 35},
                        {'m', false, 39}, {'p', false, 40}, {'w', false, 40}, {'q', false, 33}, {'r', false, 36},
                        {'z', false, 34}, {'f', false, 32}, {'x', false, 31}};
  PalettePanel panel;
  auto* grid = panel.findChild<QTableWidget*>("ColorLegendGrid");
  ASSERT_NE(grid, nullptr);
  for (const Case& c : cases) {
    Settings().DialTypeCode = c.code;
    Settings().UmbrellaMode = c.umbrella;
    panel.RecaptionOwn();
    EXPECT_EQ(panel.LegendTitle().toStdString(), "Farben für " + QString::fromStdString(Title(c.title)).trimmed().toStdString());
    EXPECT_EQ(panel.findChild<QLabel*>("LegendTitle")->text(), panel.LegendTitle());
    const int offset = panel.LegendOffset();
    for (int row = 0; row < 12; ++row) {
      const LegendRow expected = ColourLegendRow(offset + row + 1, Language::German);
      EXPECT_EQ(grid->item(row, 1)->text().toStdString(), expected.pen) << c.code << row;
      EXPECT_EQ(grid->item(row, 2)->text().toStdString(), expected.meaning) << c.code << row;
    }
  }
  // The first group in both languages, as the palette shows it for a planar dial.
  Settings().DialTypeCode = 'h';
  Settings().UmbrellaMode = false;
  panel.RecaptionOwn();
  EXPECT_EQ(grid->item(0, 2)->text(), "= Deklinationslinien");
  EXPECT_EQ(grid->item(11, 2)->text(), "= Grenzen");
  SetCurrentLanguage(Language::English);
  panel.RecaptionOwn();
  EXPECT_EQ(grid->item(0, 2)->text(), "= declination lines");
  EXPECT_EQ(panel.LegendTitle(), "Colors for " + QString::fromStdString(Title(31, Language::English)));
  EXPECT_EQ(panel.findChild<QPushButton*>("FarbenSpeichern")->text(), "&Save Colors");
}

TEST_F(PalettePanelTest, ResetRestoresBuiltInColoursAndStripsShowThePens) {
  PalettePanel panel;
  panel.SetPen(4, MakeColorRef(10, 20, 30));
  EXPECT_EQ(Settings().ColorPalette.Pen(4), MakeColorRef(10, 20, 30));
  panel.SetPen(13, 5);  // no such pen
  EXPECT_EQ(Settings().ColorPalette.Pens[0], ColorPalette::kDefaults[0]);
  const QImage strips = panel.SampleStrips();
  bool found = false;
  for (int y = 0; y < strips.height() && !found; ++y)
    found = strips.pixelColor(20, y) == QColor(10, 20, 30);
  EXPECT_TRUE(found) << "the strip of pen 4 has its new colour";
  panel.ResetColors();
  EXPECT_EQ(Settings().ColorPalette.Pens, ColorPalette::kDefaults);
}

class PictureTest : public GuiTest {};

TEST_F(PictureTest, EveryPictureDecodesFromItsResource) {
  for (const DialPicture& p : DialPictures()) {
    const QImage image = PictureImage(p.number);
    ASSERT_FALSE(image.isNull()) << p.number;
    EXPECT_GE(image.width(), 100) << p.number;
    EXPECT_FALSE(PictureCaption(p.number).isEmpty()) << p.number;
  }
  EXPECT_EQ(DialPictures().size(), GalleryCycle().size());
}

TEST_F(PictureTest, DamagedJpegGivesNoImage) {
  EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture")).isNull());
  QFile file(PictureResource(1105));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  // A truncated file is decoded as far as it goes, without leaving the program.
  const QImage part = DecodeJpeg(data.left(data.size() / 3));
  if (!part.isNull()) {
    EXPECT_EQ(part.size(), PictureImage(1105).size());
  }
  EXPECT_TRUE(DecodeJpeg(data.left(2)).isNull());
}

TEST_F(PictureTest, GalleryCyclesInOrderAndWraps) {
  GalleryPanel gallery;
  const auto& cycle = GalleryCycle();
  gallery.ShowPicture(cycle.front());
  for (size_t i = 1; i <= cycle.size(); ++i) {
    gallery.ShowNext();
    EXPECT_EQ(gallery.CurrentPicture(), cycle[i % cycle.size()]);
  }
  EXPECT_EQ(gallery.IntervalMs(), 2200);
  gallery.ToggleTimer();
  EXPECT_TRUE(gallery.Running());
  gallery.StopAndHide();
  EXPECT_FALSE(gallery.Running());
}

}  // namespace
}  // namespace skiagraf::gui::test
