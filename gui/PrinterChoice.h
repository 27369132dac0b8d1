#pragma once

class QPrinter;

namespace skiagraf::gui {

// On a machine without a printer a page goes into a PDF file: asks for the file
// (title of the print command, "skiag.pdf" proposed) and sets the printer to it.
// False when the user cancels. A printer that a caller has set to a file, or a machine
// with a printer, is left as it is; a file chosen here is asked for again (proposed)
// at the next print, so that one page never silently replaces another.
bool PdfWhenNoPrinter(QPrinter& printer);

}  // namespace skiagraf::gui
