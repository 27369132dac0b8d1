#include "Pictures.h"

#include <QtGlobal>
#include <map>

#include "JpegImage.h"
#include "text/Texts.h"

// The pictures are compiled into a static library; this makes sure their
// resource registration is linked in.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace skiagraf::gui {

const std::vector<DialPicture>& DialPictures() {
  static const std::vector<DialPicture> pictures = {
      {1105},
      {1106},
      {3000},
      {3019},
      {3001},
      {3002},
      {3003},
      {3004},
      {3022},
      {3005},
      {3006},
      {3017},
      {3018},
      {3007},
      {3008},
      {3009},
      {3010},
      {3011},
      {3012},
      {3013},
      {3014},
      {3015},
      {3016},
      {3021},
      {3020},
      {3023},
  };
  return pictures;
}

const std::vector<int>& GalleryCycle() {
  static const std::vector<int> cycle = {1105, 1106, 3000, 3019, 3005, 3012, 3014, 3013, 3004,
                                         3022, 3010, 3011, 3007, 3017, 3018, 3003, 3009, 3020,
                                         3015, 3008, 3016, 3021, 3023, 3001, 3002, 3006};
  return cycle;
}

QString PictureCaption(int number) {
  return QString::fromStdString(skiagraf::PictureCaption(number, CurrentLanguage()));
}

QString PictureResource(int number) { return QString(":/pictures/%1.jpg").arg(number); }

QImage PictureImage(int number) {
  static std::map<int, QImage> cache;
  static const bool registered = (InitPictureResources(), true);
  (void)registered;
  auto it = cache.find(number);
  if (it != cache.end()) return it->second;
  QImage image = LoadJpeg(PictureResource(number));
  if (!image.isNull()) cache[number] = image;
  return image;
}

}  // namespace skiagraf::gui
