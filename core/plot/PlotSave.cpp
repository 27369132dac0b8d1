#include "plot/PlotSave.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "base/UserInterface.h"
#include "model/TextFile.h"
#include "plot/DxfConverter.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

constexpr const char* kTemporaryName = "skiagraf.$$$";

// Splits "folder/name" at the last "/"; the folder keeps its "/".
std::pair<std::string, std::string> SplitFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {std::string(), path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

void RemoveIfPresent(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

// Removes the temporary file when the save ends, however it ends.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) { RemoveIfPresent(path_); }
  ~TemporaryFile() { RemoveIfPresent(path_); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

std::string& CurrentName() {
  static std::string name = "skiag.plt";
  return name;
}

void ReportNotSaved(const std::string& fileName) {
  Ui().ShowMessage(Caption(CaptionKind::Error), fileName + " :\n\r" + Message(53), MessageIcon::Error);
}

enum class WriteOutcome { Written, Failed, Refused };

// Runs the construction into the stream; Failed (after the message) when a write
// fails, Refused when the construction declined to draw.
WriteOutcome WriteConstruction(const RefusablePlotConstruction& construction, std::ostream& out, int k,
                               int lineWeight, const std::string& shownName) {
  try {
    HpglWriter writer(out, k, lineWeight);
    ScopedPlotFile open(writer);
    if (!construction(writer)) return WriteOutcome::Refused;
    out.flush();
    if (!out) throw std::runtime_error("write error on the plot file");
  } catch (const std::exception&) {
    ReportNotSaved(shownName);
    return WriteOutcome::Failed;
  }
  return WriteOutcome::Written;
}

// An HPGL file: written beside the target and put in its place only when the whole
// construction has been written, so that a refused dial or a failed write leaves an
// existing file as it was.
WriteOutcome WriteHpglFile(const RefusablePlotConstruction& construction, const std::string& path, int lineWeight) {
  ReplacementFile file(path);
  if (!file.IsOpen()) {
    ReportNotSaved(path);
    return WriteOutcome::Failed;
  }
  const WriteOutcome outcome = WriteConstruction(construction, file.Stream(), 1, lineWeight, path);
  if (outcome != WriteOutcome::Written) return outcome;
  if (!file.Commit()) {
    ReportNotSaved(path);
    return WriteOutcome::Failed;
  }
  return WriteOutcome::Written;
}

// The temporary HPGL file of a DXF save; the file itself is removed by its owner.
WriteOutcome WriteTemporaryFile(const RefusablePlotConstruction& construction, const std::string& path,
                                int lineWeight, const std::string& shownName) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    ReportNotSaved(shownName);
    return WriteOutcome::Failed;
  }
  const WriteOutcome outcome = WriteConstruction(construction, out, hpgl::kDxfMultiplier, lineWeight, shownName);
  out.close();
  if (outcome == WriteOutcome::Written && !out) {
    ReportNotSaved(shownName);
    return WriteOutcome::Failed;
  }
  return outcome;
}

}  // namespace

std::string PlotExtension(PlotFormat format) { return format == PlotFormat::Dxf ? "dxf" : "plt"; }

std::string CompletePlotFileName(const std::string& name, PlotFormat format) {
  const std::string extension = PlotExtension(format);
  auto [folder, file] = SplitFolder(name);
  if (file.empty()) return folder + "skiag." + extension;
  const auto dot = file.find('.');
  if (dot == std::string::npos) return folder + file + "." + extension;
  return folder + file.substr(0, dot + 1) + extension;
}

std::string CoordinateListFileName(const std::string& plotFileName) {
  auto [folder, file] = SplitFolder(plotFileName);
  if (file.empty()) return {};
  const auto dot = file.find('.');
  if (dot == std::string::npos) return folder + file + ".txt";
  return folder + file.substr(0, dot + 1) + "txt";
}

std::string TemporaryPlotFileName(const std::string& dxfFileName) {
  return SplitFolder(dxfFileName).first + kTemporaryName;
}

void RemoveStaleTemporaryFile() {
  RemoveIfPresent("SKIAGRAF.$$$");
  RemoveIfPresent(kTemporaryName);
}

const std::string& CurrentPlotFileName() { return CurrentName(); }
void SetCurrentPlotFileName(const std::string& name) { CurrentName() = name; }

double DxfUnitScaleForDialType(char dialType, int quadrantSubType, int quadrantVariant) {
  switch (dialType) {
    case 'c':
    case 'h':
    case 'i':
    case 'm':
    case 'p':
    case 'v':
    case 'z':
      return 1000;
    case 'q':
      return (quadrantSubType != 0 || quadrantVariant == 2) ? 1000 : 40;
    default:
      return 40;
  }
}

bool FootInsideDrawing(double x, double y, double clientWidth, double clientHeight) {
  return x > 0 && y > 0 && x <= clientWidth && y <= clientHeight;
}

bool AskCancelForFootOutside(MessageIcon icon) {
  return Ui().Ask(Caption(CaptionKind::Attention), Message(15), QuestionButtons::YesNo, icon) == Answer::Yes;
}

bool WarnIfCoordinateListExists(const std::string& listFileName) {
  std::error_code ignored;
  if (listFileName.empty() || !std::filesystem::exists(listFileName, ignored)) return false;
  Ui().ShowMessage(Caption(CaptionKind::Warning), Message(28) + listFileName, MessageIcon::Warning);
  return true;
}

PlotSaveResult SavePlotFile(const PlotConstruction& construction, PlotFormat format, const std::string& fileName,
                            const PlotSaveOptions& options) {
  return SavePlotFileUnlessRefused(
      [&construction](HpglWriter& writer) {
        construction(writer);
        return true;
      },
      format, fileName, options);
}

PlotSaveResult SavePlotFileUnlessRefused(const RefusablePlotConstruction& construction, PlotFormat format,
                                         const std::string& fileName, const PlotSaveOptions& options) {
  PlotSaveResult result;
  result.fileName = fileName;
  SetCurrentPlotFileName(fileName);
  if (format == PlotFormat::Hpgl) {
    if (WriteHpglFile(construction, fileName, options.lineWeight) != WriteOutcome::Written) return result;
    Ui().ShowMessage(Caption(CaptionKind::Information),
                     "\r\n       File " + SplitFolder(fileName).second + " saved!     ", MessageIcon::Information);
    result.saved = true;
    return result;
  }
  std::string temporary = TemporaryPlotFileName(fileName);
  // A DXF file chosen under the temporary name itself must not be read while it is
  // written; the HPGL then goes to a second temporary name.
  if (temporary == fileName) temporary += "$";
  TemporaryFile hpgl(temporary);
  if (WriteTemporaryFile(construction, hpgl.Path(), options.lineWeight, fileName) != WriteOutcome::Written)
    return result;
  DxfFileConversion conversion = ConvertHpglToDxf(hpgl.Path(), fileName, options.lineWeight, options.dxfUnitScale);
  result.conversionLog = std::move(conversion.log);
  result.saved = conversion.written && conversion.converted;
  return result;
}

std::optional<std::string> ChoosePlotFileName(PlotFormat format) {
  FileChoice choice;
  choice.title = Caption(CaptionKind::SaveGraphics);
  choice.filter = format == PlotFormat::Dxf ? "DXF (*.dxf)|*.dxf" : "HPGL (*.plt)|*.plt";
  choice.initialName = CompletePlotFileName(CurrentPlotFileName(), format);
  choice.defaultExtension = PlotExtension(format);
  return Ui().ChooseSaveFile(choice);
}

PlotSaveResult ChooseAndSavePlotFile(const PlotConstruction& construction, PlotFormat format,
                                     const PlotSaveOptions& options) {
  auto name = ChoosePlotFileName(format);
  if (!name) return {};
  return SavePlotFile(construction, format, *name, options);
}

}  // namespace skiagraf
