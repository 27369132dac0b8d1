#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace skiagraf::gui {

// The photographs of dial types, stored as JPEG resources ":/pictures/<number>.jpg".
// Their captions are kept with the other texts of the program (PictureCaption).
struct DialPicture {
  int number;
};

// The pictures in the order of the picture bar.
const std::vector<DialPicture>& DialPictures();

// The order in which the gallery shows them, starting again at the first.
const std::vector<int>& GalleryCycle();

// Caption of a picture in the current language ("" for an unknown number).
QString PictureCaption(int number);

// The decoded picture (libjpeg); a null image for an unknown number.
QImage PictureImage(int number);
QString PictureResource(int number);

}  // namespace skiagraf::gui
