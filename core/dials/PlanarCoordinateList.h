#pragma once

#include <string>
#include <vector>

#include "draw/Surface.h"
#include "model/TextFile.h"

namespace skiagraf {

// Where a coordinate listing goes: a text file here, the printer in the desktop
// program. Texts arrive in UTF-8 with CR LF line breaks.
class CoordinateListTarget {
 public:
  virtual ~CoordinateListTarget() = default;
  virtual void Write(const std::string& utf8) = 0;
  // The header is complete; a printer continues in its smaller font.
  virtual void HeaderDone() {}
};

// The listing as a text file in Windows-1252. It is written beside the file it
// replaces and takes that file's place on Commit, when the plot file has been saved;
// an abandoned save leaves an existing list as it was. A file that cannot be created
// or written throws std::runtime_error.
class CoordinateListFile : public CoordinateListTarget {
 public:
  explicit CoordinateListFile(const std::string& fileName);
  void Write(const std::string& utf8) override;
  // Puts the list in place; false when that fails.
  bool Commit() { return file_.Commit(); }

 private:
  ReplacementFile file_;
};

// The numbers of a planar dial in millimetres relative to the gnomon foot (y up),
// section by section as the plot file is written. Plotter coordinates are divided by
// 40 x k, so that a DXF-mode save lists the same values as an HPGL one.
class PlanarCoordinateList {
 public:
  PlanarCoordinateList(CoordinateListTarget& target, PointD footOnPage, int k);

  // The dial data lines, the time scale of the hour lines, the umbrella disk and the
  // name of the saved drawing.
  void Header(const std::vector<std::string>& dialData, bool localApparentTime, bool umbrella, double diskRatio,
              const std::string& plotFileName);
  // CR LF CR LF, a rule of 76 "-" and the caption.
  void Section(const std::string& caption);
  // "Linie 22.06.:" before a date line.
  void DateLine(const std::string& label);
  // " Sonnendeklination: 23.44 Grad" before a line of constant declination.
  void DeclinationLine(double declination);
  // "Linie  14:00  Uhr:" or "Linie  14:30  Uhr:" before an hour line.
  void HourLine(double hour);
  // "Linie  30.0 Grad:" before a line of equal sun altitude.
  void AltitudeLine(double altitude);
  // A point of the line in plotter units (y up); a point of a date line at a whole
  // hour is preceded by "( 9 Uhr):".
  void Point(PointD page, int wholeHour = -1);

 private:
  void StartLine(const std::string& text);
  void Write(const std::string& text) { target_.Write(text); }

  CoordinateListTarget& target_;
  PointD foot_;
  double unitsPerMm_;
  int pointsOnRow_ = 0;
  bool captionOpen_ = false;  // the caption of a family is the last thing written
};

}  // namespace skiagraf
