#include "dials/DialPlotFile.h"

#include <memory>
#include <stdexcept>

#include "base/UserInterface.h"
#include "dials/DialDispatch.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

bool IsPlanar(const DialSettings& s) {
  const char t = s.DialTypeCode;
  return t == 'h' || t == 'v' || t == 'i';
}

}  // namespace

bool HasPlotWriter(const DialSettings& s) { return IsPlanar(s) || PlotRoutineFor(s) != nullptr; }

bool OffersCoordinateList(const DialSettings& s) { return IsPlanar(s); }

bool WriteRequestedDialPlot(HpglWriter& writer, const DialSettings& s, const DialPlotRequest& r,
                            CoordinateListTarget* list) {
  if (!IsPlanar(s)) return WriteDialPlot(writer, r.view, s);
  PlanarHpglOptions o;
  o.plotFileName = r.fileName;
  o.zoom = r.view.zoom;
  // Positions placed on the screen, in page units of an HPGL file.
  if (r.footPlaced)
    o.placedFoot = PointD{static_cast<double>(ScreenToPageX(r.view.foot.x, r.canvasWidth)),
                          static_cast<double>(ScreenToPageY(r.view.foot.y, r.canvasHeight))};
  if (r.textPlaced)
    o.placedText = PointD{static_cast<double>(ScreenToPageX(r.view.textAnchor.x, r.canvasWidth)),
                          static_cast<double>(ScreenToPageY(r.view.textAnchor.y, r.canvasHeight))};
  o.grid = r.grid;
  o.angles = r.view.angles;
  o.coordinates = list;
  return WritePlanarDialHpgl(writer, s, o);
}

PlotSaveResult SaveDialPlotFile(const DialSettings& s, const DialPlotRequest& r) {
  if (!HasPlotWriter(s)) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), NoConstructionMessage(), MessageIcon::Error);
    return {};
  }
  CoordinateListTarget* list = nullptr;
  std::unique_ptr<CoordinateListFile> file;
  if (OffersCoordinateList(s)) {
    if (r.coordinates == CoordinateOutput::TextFile && !r.coordinateFileName.empty()) {
      try {
        file = std::make_unique<CoordinateListFile>(r.coordinateFileName);
        list = file.get();
      } catch (const std::exception&) {
        Ui().ShowMessage(Caption(CaptionKind::Error), r.coordinateFileName + " :\n\r" + Message(53),
                         MessageIcon::Error);
        return {};
      }
    } else if (r.coordinates == CoordinateOutput::Printer) {
      list = r.printerList;
    }
  }
  PlotSaveOptions options;
  options.lineWeight = r.lineWeight;
  options.dxfUnitScale = DxfUnitScaleForDialType(s.DialTypeCode);
  PlotSaveResult result = SavePlotFileUnlessRefused(
      [&](HpglWriter& writer) { return WriteRequestedDialPlot(writer, s, r, list); }, r.format, r.fileName, options);
  // The list replaces an older one only beside a saved plot file.
  if (result.saved && file && !file->Commit())
    Ui().ShowMessage(Caption(CaptionKind::Error), r.coordinateFileName + " :\n\r" + Message(53), MessageIcon::Error);
  return result;
}

}  // namespace skiagraf
