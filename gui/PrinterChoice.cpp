#include "PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "Recaption.h"
#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

// The PDF file this routine chose last. A printer still writing into it asks again,
// so that the next page does not silently replace the file of the previous one.
QString& LastChosenPdf() {
  static QString name;
  return name;
}

}  // namespace

bool PdfWhenNoPrinter(QPrinter& printer) {
  // A printer that a caller has set to a file of its own stays so.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
      printer.outputFileName() != LastChosenPdf())
    return true;
  // Qt sets a printer up as a PDF writer without a file when the machine has no
  // printer; only a real printer is left to the print dialog.
  if (printer.outputFormat() == QPrinter::NativeFormat && !QPrinterInfo::availablePrinters().isEmpty()) return true;
  FileChoice choice;
  choice.title = CaptionToTitle(CatalogueText(3));
  choice.filter = "PDF (*.pdf)|*.pdf";
  choice.initialName = printer.outputFileName().isEmpty() ? std::string("skiag.pdf") : printer.outputFileName().toStdString();
  choice.defaultExtension = "pdf";
  const auto file = Ui().ChooseSaveFile(choice);
  if (!file) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ToQ(*file));
  LastChosenPdf() = printer.outputFileName();
  return true;
}

}  // namespace skiagraf::gui
