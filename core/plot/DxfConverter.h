#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skiagraf {

// Converts HPGL text into an ASCII DXF drawing in the old entity style (POLYLINE
// with VERTEX and SEQEND, CIRCLE, ARC, TEXT; one layer "L_<pen>" per pen).
//
// The DXF declares AutoCAD R12 ($ACADVER AC1009) and the Windows-1252 code page
// ($DWGCODEPAGE ANSI_1252) and ends its lines with CR LF, so that common CAD
// programs read it and show "Länge" or "°" as written. Label texts keep their
// Windows-1252 bytes unchanged.

struct DxfConversion {
  bool isHpgl = false;     // false: the input holds no letter; no DXF was made
  bool converted = false;  // some drawing command was converted
  std::string dxf;         // the DXF text, Windows-1252, CR LF line ends
  std::vector<std::string> log;  // problems found, UTF-8, in order
};

// The converter itself, on HPGL text in Windows-1252. `unitScale` is the number
// of plotter units per DXF unit (40 for plain plotter units, 1000 for files written
// with the multiplier 25); a value that is not positive means 1. Messages about
// over-long commands go through Ui(); the final messages do not (see below).
DxfConversion ConvertHpglText(std::string_view hpglCp1252, int lineWidthSetting, double unitScale);

struct DxfFileConversion {
  bool written = false;    // the DXF file was made and completely written
  bool converted = false;  // something was converted (the "saved" message was shown)
  std::vector<std::string> log;
};

// Reads the HPGL file, writes the DXF file and reports the outcome in a message
// box: " saved!" when something was converted, "not converted" when the input is
// no HPGL or converts nothing, an error when a file cannot be read or written.
DxfFileConversion ConvertHpglToDxf(const std::string& hpglFile, const std::string& dxfFile, int lineWidthSetting,
                                   double unitScale);

}  // namespace skiagraf
