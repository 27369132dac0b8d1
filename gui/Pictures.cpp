#include "Pictures.h"

#include <QtGlobal>
#include <map>

#include "JpegImage.h"
#include "text/Language.h"

// The pictures are compiled into a static library; this makes sure their
// resource registration is linked in.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace skiagraf::gui {

const std::vector<DialPicture>& DialPictures() {
  static const std::vector<DialPicture> pictures = {
      {1105, "Horizontale Sonnenuhr", "Horizontal sundial"},
      {1106, "Vertikale Sonnenuhr", "Vertical sundial"},
      {3000, "Vertikale Süduhr", "Vertical dial"},
      {3019, "Vertikale abweichende Sonnenuhr", "Vertical declining dial"},
      {3001, "Schirmsonnenuhr", "Umbrella dial"},
      {3002, "Schirmsonnenuhr, geneigt", "Umbrella dial, inclined"},
      {3003, "Azimutalsonnenuhr", "Azimuthal dial"},
      {3004, "Quadrant", "Quadrant"},
      {3022, "Gunter-Quadrant", "Gunter quadrant"},
      {3005, "Hirtensonnenuhr", "Shepherd's dial"},
      {3006, "Horizontale Höhensonnenuhr", "Horizontal altitude dial"},
      {3017, "Ringsonnenuhr", "Ring dial"},
      {3018, "Bauernring", "Farmer's ring"},
      {3007, "Ringsonnenuhr, Skala", "Ring dial, scale"},
      {3008, "Sonnenuhr für mittlere Zeit", "Mean time dial"},
      {3009, "Horizontoskop", "Horizontoscope"},
      {3010, "Habermel-Sonnenuhr I", "Habermel dial I"},
      {3011, "Habermel-Sonnenuhr II", "Habermel dial II"},
      {3012, "Azimutale Zylindersonnenuhr", "Azimuthal cylinder dial"},
      {3013, "Polstab-Zylinderuhr", "Cylinder dial with polar style"},
      {3014, "Hutsonnenuhr", "Hat dial"},
      {3015, "Stereographische Sonnenuhr", "Stereographic dial"},
      {3016, "Biazimutale Sonnenuhr", "Compressed (biazimuthal) dial"},
      {3021, "Biazimutale Sonnenuhr, vertikal", "Compressed dial, vertical"},
      {3020, "Biazimutale Sonnenuhr, Brennpunkte", "Compressed dial, focus points"},
      {3023, "Biazimutale Sonnenuhr, Ellipse", "Compressed dial, ellipse"},
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
  for (const DialPicture& p : DialPictures())
    if (p.number == number)
      return QString::fromUtf8(CurrentLanguage() == Language::English ? p.english : p.german);
  return {};
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
