#pragma once

#include <string>

#include "model/DialSettings.h"

namespace skiagraf::gui {

// The [Farben] section of the settings file: twelve lines, one colour value each
// (blue * 65536 + green * 256 + red), pen 1 first. The rest of the file is kept
// byte for byte. Messages go through Ui().

// Writes the palette into the existing file. Returns false (with the message shown)
// when the file is missing or cannot be replaced; the old file then stays as it was.
bool SavePaletteToIni(const std::string& iniPath, const ColorPalette& palette);

// Reads the colours back into `palette`; lines that are not integers are skipped
// after a message. Returns false when the file or its [Farben] section is missing
// (the palette is then unchanged).
bool LoadPaletteFromIni(const std::string& iniPath, ColorPalette& palette);

}  // namespace skiagraf::gui
