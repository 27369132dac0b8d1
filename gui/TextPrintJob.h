#pragma once

#include <QFont>
#include <QPainter>
#include <QStringList>
#include <memory>

class QPrinter;

namespace skiagraf::gui {

// Prints lines of plain text, Courier 11 in black, on a printer. The job stays open
// between calls, so that text printed without form feed continues on the same page;
// Finish() ends the job, which ejects the page (or completes the PDF file).
class TextPrintJob {
 public:
  explicit TextPrintJob(QPrinter& printer) : printer_(printer) {}
  ~TextPrintJob() { Finish(); }

  // False when the printer cannot be started.
  bool Print(const QStringList& lines);
  void Finish();
  bool Open() const { return painter_ != nullptr; }
  // Point size of the following lines (11 until changed).
  void SetPointSize(int points);

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  int y_ = 0;
  int pointSize_ = 11;
};

}  // namespace skiagraf::gui
