#include "dials/PlanarCoordinateList.h"

#include <cmath>
#include <stdexcept>

#include "base/NumberFormat.h"
#include "dials/DialText.h"
#include "text/Encoding.h"

namespace skiagraf {

namespace {
constexpr const char* kCrLf = "\r\n";
}

CoordinateListFile::CoordinateListFile(const std::string& fileName) : file_(fileName) {
  if (!file_.IsOpen()) throw std::runtime_error("cannot create " + fileName);
}

void CoordinateListFile::Write(const std::string& utf8) {
  const std::string bytes = Utf8ToCp1252(utf8);
  std::ostream& out = file_.Stream();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("write error on the coordinate list");
}

PlanarCoordinateList::PlanarCoordinateList(CoordinateListTarget& target, PointD footOnPage, int k)
    : target_(target), foot_(footOnPage), unitsPerMm_(40.0 * k) {}

void PlanarCoordinateList::Header(const std::vector<std::string>& dialData, bool localApparentTime, bool umbrella,
                                  double diskRatio, const std::string& plotFileName) {
  std::string text;
  for (const std::string& line : dialData) text += line + kCrLf;
  text += kCrLf;
  text += std::string(Bilingual("Stundenlinien zeigen ", "Hour lines show ")) + " " +
          (localApparentTime ? Bilingual(" Wahre Ortszeit", " Local Apparent Time")
                             : Bilingual(" WOZ am Zonenmeridian", " Apparent Time at zone meridian"));
  if (umbrella) {
    text += std::string(kCrLf) + Bilingual("Kreisscheibe r = ", "Disk radius r = ") + FormatReal(diskRatio, 6, 3) +
            Bilingual(" x Höhe", " x height");
  }
  text += std::string(kCrLf) + Bilingual("Name der gespeicherten Zeichnung: ", "File name of saved construction: ") +
          plotFileName;
  Write(text);
  target_.HeaderDone();
}

void PlanarCoordinateList::Section(const std::string& caption) {
  Write(std::string(kCrLf) + kCrLf + std::string(76, '-') + kCrLf + caption);
  pointsOnRow_ = 0;
  captionOpen_ = true;
}

void PlanarCoordinateList::StartLine(const std::string& text) {
  captionOpen_ = false;
  Write(text + kCrLf);
  pointsOnRow_ = 0;
}

void PlanarCoordinateList::DateLine(const std::string& label) {
  StartLine(std::string(kCrLf) + kCrLf + Bilingual("Linie ", "Line ") + label + ":");
}

void PlanarCoordinateList::DeclinationLine(double declination) {
  StartLine(std::string(kCrLf) + kCrLf + Bilingual(" Sonnendeklination", " Sun Declination") + ": " +
            FormatReal(declination, 6, 2) + " Grad");
}

void PlanarCoordinateList::HourLine(double hour) {
  const int whole = static_cast<int>(std::floor(hour + 1e-9));
  const int minutes = static_cast<int>(std::lround((hour - whole) * 60.0));
  const std::string clock = Bilingual(" Uhr", " o´clock");
  if (minutes == 0) {
    StartLine(std::string(kCrLf) + Bilingual("Linie ", "Line ") + FormatInt(whole, 3) + ":00 " + clock + ":");
  } else {
    StartLine(std::string(kCrLf) + Bilingual("Linie ", "Line ") + FormatInt(whole, 3) + ":" + FormatInt(minutes, 2) +
              " " + clock + ":");
  }
}

void PlanarCoordinateList::AltitudeLine(double altitude) {
  StartLine(std::string(kCrLf) + Bilingual("Linie ", "Line ") + FormatReal(altitude, 5, 1) + " Grad:");
}

void PlanarCoordinateList::Point(PointD page, int wholeHour) {
  std::string text;
  // Points that follow a caption directly (the date marks on the figure-eights have
  // no line headers) start on the next line.
  if (captionOpen_) {
    text += kCrLf;
    captionOpen_ = false;
  }
  if (wholeHour >= 0) {
    if (pointsOnRow_ > 0) text += kCrLf;
    pointsOnRow_ = 0;
    text += "(" + FormatReal(wholeHour, 2, 0) + " Uhr):";
  }
  const double dx = (page.x - foot_.x) / unitsPerMm_;
  const double dy = (page.y - foot_.y) / unitsPerMm_;
  text += FormatReal(dx, 9, 3) + "/" + FormatReal(dy, 8, 3) + ";";
  if (++pointsOnRow_ == 4) {
    text += kCrLf;
    pointsOnRow_ = 0;
  }
  Write(text);
}

}  // namespace skiagraf
