#include "PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "Recaption.h"
#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf::gui {

bool PdfWhenNoPrinter(QPrinter& printer) {
  // A printer that already writes into a chosen file stays so.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) return true;
  // Qt sets a printer up as a PDF writer without a file when the machine has no
  // printer; only a real printer is left to the print dialog.
  if (printer.outputFormat() == QPrinter::NativeFormat && !QPrinterInfo::availablePrinters().isEmpty()) return true;
  FileChoice choice;
  choice.title = CaptionToTitle(CatalogueText(3));
  choice.filter = "PDF (*.pdf)|*.pdf";
  choice.initialName = "skiag.pdf";
  choice.defaultExtension = "pdf";
  const auto file = Ui().ChooseSaveFile(choice);
  if (!file) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ToQ(*file));
  return true;
}

}  // namespace skiagraf::gui
