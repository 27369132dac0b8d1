#include "PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "Recaption.h"
#include "base/UserInterface.h"
#include "text/Texts.h"

namespace skiagraf::gui {

bool PdfWhenNoPrinter(QPrinter& printer) {
  if (printer.outputFormat() != QPrinter::NativeFormat || !QPrinterInfo::availablePrinters().isEmpty()) return true;
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
