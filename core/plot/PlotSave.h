#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "plot/Hpgl.h"

namespace skiagraf {

// Saving a construction as a plot file: an HPGL file written directly, or a DXF
// drawing made by writing HPGL into the temporary file "skiagraf.$$$" beside the
// chosen file and converting it. The drawing window and the command-line front end
// both save through SavePlotFile.

enum class PlotFormat { Hpgl, Dxf };

// "plt" or "dxf".
std::string PlotExtension(PlotFormat format);

// Completes the name in the save panel for the format: with a "." everything after
// the first "." is replaced by the extension, without one "." and the extension are
// appended, an empty name becomes "skiag." + extension. Only the file part of a path
// is completed, so a folder with a "." in its name stays intact.
std::string CompletePlotFileName(const std::string& name, PlotFormat format);

// Name of the coordinate list beside a plot file, as the save panel shows it while
// the user types: the name up to and including the first "." followed by "txt", or
// the name followed by ".txt". Empty for an empty name.
std::string CoordinateListFileName(const std::string& plotFileName);

// The temporary HPGL file of a DXF save, in the folder of the DXF file.
std::string TemporaryPlotFileName(const std::string& dxfFileName);

// Removes a stale temporary file "SKIAGRAF.$$$" (either spelling) from the working
// folder, as opening the save panel does.
void RemoveStaleTemporaryFile();

// The file name the save dialog starts with; kept for the lifetime of the process.
const std::string& CurrentPlotFileName();
void SetCurrentPlotFileName(const std::string& name);

// Unit scale of the DXF conversion for a dial type: 1000 for the types whose HPGL
// routines write with the multiplier 25 ('c', 'h', 'i', 'm', 'p', 'v', 'z', and 'q'
// when its sub-type is not 0 or its variant is 2), 40 for all others.
double DxfUnitScaleForDialType(char dialType, int quadrantSubType = 0, int quadrantVariant = 0);

// True when the gnomon foot lies inside the drawing (x and y positive and not
// beyond the client size).
bool FootInsideDrawing(double x, double y, double clientWidth, double clientHeight);
// Asks "Der Fußpunkt des Gnomon liegt außerhalb ... Abbrechen?"; true for Yes (cancel).
// Saving asks with the question icon, printing with the exclamation icon.
bool AskCancelForFootOutside(MessageIcon icon = MessageIcon::Question);

// Before a coordinate list is written into an existing file, says that it will be
// overwritten. Returns true when the file existed.
bool WarnIfCoordinateListExists(const std::string& listFileName);

struct PlotSaveOptions {
  int lineWeight = 1;          // PlotLineWeight: 1 thin, 2 medium, 3 thick
  double dxfUnitScale = 1000;  // see DxfUnitScaleForDialType
  bool textDirection = false;  // the text-direction flag of the settings, handed on unused
};

struct PlotSaveResult {
  bool saved = false;                   // the file exists and its message said so
  std::string fileName;                 // the file written
  std::vector<std::string> conversionLog;  // lines for the information memo (DXF)
};

// Writes the construction into a plot file. The construction gets the open writer
// (unit multiplier 1 for HPGL, 25 for DXF) and may also use WriteHpgl. HPGL: the
// file is written beside `fileName` and takes its place only when the whole
// construction has been written. DXF: the HPGL goes to the temporary file beside
// `fileName`, is converted, and the DXF takes the place of `fileName` only when it is
// completely written; the temporary file is always removed. So an existing file is
// never lost to a failed save. Reports " saved!" (HPGL), the converter's messages
// (DXF), or message 53 when the file cannot be created or written. `fileName` becomes
// the current plot file name.
using PlotConstruction = std::function<void(HpglWriter&)>;
PlotSaveResult SavePlotFile(const PlotConstruction& construction, PlotFormat format, const std::string& fileName,
                            const PlotSaveOptions& options = {});

// As SavePlotFile, for a construction that may refuse to draw: it returns false after
// it has told the user why (and has written nothing). Then an existing file keeps
// its content, no new file is left behind, nothing is converted and nothing is
// reported as saved.
using RefusablePlotConstruction = std::function<bool(HpglWriter&)>;
PlotSaveResult SavePlotFileUnlessRefused(const RefusablePlotConstruction& construction, PlotFormat format,
                                         const std::string& fileName, const PlotSaveOptions& options = {});

// The save dialog of the drawing window (title "Zeichnung als Datei speichern",
// starting with the current name completed for the format); std::nullopt when the
// user cancels. Then SavePlotFile with the chosen name.
std::optional<std::string> ChoosePlotFileName(PlotFormat format);
PlotSaveResult ChooseAndSavePlotFile(const PlotConstruction& construction, PlotFormat format,
                                     const PlotSaveOptions& options = {});

}  // namespace skiagraf
