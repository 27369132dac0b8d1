#include "TextPrintJob.h"

#include <QFontMetrics>
#include <QPrinter>

namespace skiagraf::gui {

bool TextPrintJob::Print(const QStringList& lines) {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
      painter_.reset();
      return false;
    }
    QFont font("Courier", pointSize_);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    painter_->setFont(font);
    painter_->setPen(Qt::black);
    y_ = 0;
  }
  const QFontMetrics metrics(painter_->font(), &printer_);
  const int lineHeight = metrics.lineSpacing();
  const int bottom = painter_->viewport().height();
  for (const QString& line : lines) {
    if (y_ + lineHeight > bottom) {
      printer_.newPage();
      y_ = 0;
    }
    painter_->drawText(0, y_ + metrics.ascent(), line);
    y_ += lineHeight;
  }
  return true;
}

void TextPrintJob::SetPointSize(int points) {
  pointSize_ = points;
  if (painter_) {
    QFont font = painter_->font();
    font.setPointSize(points);
    painter_->setFont(font);
  }
}

void TextPrintJob::Finish() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

}  // namespace skiagraf::gui
