#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace skiagraf::gui {

// Decodes JPEG data with libjpeg; a null image when the data is not a JPEG.
QImage DecodeJpeg(const QByteArray& data);

// Reads a JPEG file or Qt resource (":/...") and decodes it.
QImage LoadJpeg(const QString& path);

}  // namespace skiagraf::gui
