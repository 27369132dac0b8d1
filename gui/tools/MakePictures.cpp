// Renders the pictures of the dial types shown by the picture bar and the photo
// gallery, and writes them as JPEG files with libjpeg. Run once by hand:
//   skiagraf-make-pictures gui/resources/pictures
// The JPEG files are then compiled into the program as resources.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double d) { return d * kPi / 180.0; }

bool WriteJpeg(const QImage& source, const std::string& path) {
  const QImage image = source.convertToFormat(QImage::Format_RGB888);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 82, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(file);
  return true;
}

// Hour-line angle on a horizontal dial at latitude phi for hour angle t.
double HorizontalAngle(double phi, double t) { return std::atan2(std::sin(Rad(phi)) * std::tan(Rad(t)), 1.0); }

void Background(QPainter& p, QColor top, QColor bottom) {
  QLinearGradient g(0, 0, 0, 480);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(0, 0, 480, 480, g);
}

// A planar dial: hour lines fanning from the style foot, with numbers.
void PlanarDial(QPainter& p, double latitude, double declination, bool vertical, QColor face) {
  Background(p, QColor(150, 190, 230), QColor(230, 230, 210));
  QRectF plate = vertical ? QRectF(70, 40, 340, 400) : QRectF(40, 110, 400, 300);
  p.setPen(QPen(QColor(90, 70, 50), 4));
  p.setBrush(face);
  p.drawRoundedRect(plate, 12, 12);
  const QPointF foot = vertical ? QPointF(240 + declination * 1.5, 80) : QPointF(240, 380);
  const double phi = vertical ? 90 - latitude : latitude;
  p.setFont(QFont("DejaVu Serif", 13, QFont::Bold));
  for (int h = 6; h <= 18; ++h) {
    const double t = (h - 12) * 15.0 + (vertical ? declination : 0.0);
    if (std::fabs(t) >= 89) continue;
    double a = HorizontalAngle(phi, t);
    const double len = 260;
    QPointF dir(std::sin(a), vertical ? std::cos(a) : -std::cos(a));
    QPointF end = foot + dir * len;
    p.setPen(QPen(h == 12 ? QColor(180, 30, 30) : QColor(20, 20, 20), h == 12 ? 3 : 2));
    p.save();
    p.setClipRect(plate.adjusted(8, 8, -8, -8));
    p.drawLine(foot, end);
    p.restore();
    QPointF label = foot + dir * (vertical ? 300 : 200);
    if (plate.adjusted(15, 15, -15, -15).contains(label)) {
      p.setPen(QColor(40, 30, 20));
      p.drawText(QRectF(label.x() - 15, label.y() - 10, 30, 20), Qt::AlignCenter, QString::number(h));
    }
  }
  // Date lines as gentle curves.
  p.setPen(QPen(QColor(0, 0, 200), 1.5));
  for (int k = -1; k <= 1; ++k) {
    QPainterPath path;
    for (int i = -60; i <= 60; i += 5) {
      const double x = foot.x() + i * 2.6;
      const double y = foot.y() + (vertical ? 1 : -1) * (150 + k * 60 + (k * 0.012 + 0.004) * i * i);
      if (i == -60) path.moveTo(x, y);
      else path.lineTo(x, y);
    }
    p.save();
    p.setClipRect(plate.adjusted(8, 8, -8, -8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
  }
  // The gnomon.
  p.setPen(QPen(QColor(60, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(foot, foot + QPointF(0, vertical ? 70 : -70));
}

void UmbrellaDial(QPainter& p, bool inclined) {
  Background(p, QColor(170, 200, 240), QColor(200, 220, 200));
  p.save();
  p.translate(240, 250);
  if (inclined) p.rotate(-15);
  p.scale(1.0, inclined ? 0.55 : 0.8);
  p.setPen(QPen(QColor(60, 40, 30), 3));
  p.setBrush(QColor(250, 240, 200));
  p.drawEllipse(QPointF(0, 0), 190, 190);
  for (int h = 0; h < 24; ++h) {
    p.setPen(QPen(h % 6 == 0 ? QColor(180, 20, 20) : QColor(30, 30, 30), 2));
    const double a = Rad(h * 15.0);
    p.drawLine(QPointF(std::cos(a) * 40, std::sin(a) * 40), QPointF(std::cos(a) * 185, std::sin(a) * 185));
  }
  p.setPen(QPen(QColor(0, 0, 180), 2));
  p.setBrush(Qt::NoBrush);
  for (int r : {80, 120, 160}) p.drawEllipse(QPointF(0, 0), r, r);
  p.restore();
  p.setPen(QPen(QColor(60, 60, 60), 8));
  p.drawLine(240, 250, 240, 60);
}

void AzimuthalDial(QPainter& p, int variant) {
  Background(p, QColor(190, 220, 190), QColor(120, 170, 110));
  p.setPen(QPen(QColor(40, 40, 40), 3));
  p.setBrush(QColor(245, 245, 235));
  p.drawEllipse(QPointF(240, 260), 200, 130 + variant * 10);
  for (int h = 5; h <= 19; ++h) {
    const double a = Rad((h - 12) * 13.0 - 90);
    QPointF c(240 + std::cos(a) * 180, 260 + std::sin(a) * (110 + variant * 10));
    p.setBrush(h == 12 ? QColor(200, 30, 30) : QColor(30, 30, 30));
    p.drawEllipse(c, 6, 6);
    p.setFont(QFont("DejaVu Sans", 10));
    p.drawText(QRectF(c.x() - 14, c.y() - 26, 28, 16), Qt::AlignCenter, QString::number(h));
  }
  p.setPen(QPen(QColor(0, 0, 160), 2));
  p.drawLine(240, 160, 240, 360);
  p.setBrush(QColor(120, 80, 40));
  p.drawRect(230, 200 + variant * 20, 20, 60);
}

void Quadrant(QPainter& p, bool gunter) {
  Background(p, QColor(230, 220, 190), QColor(200, 180, 140));
  QPointF apex(80, 80);
  p.setPen(QPen(QColor(90, 60, 30), 3));
  p.setBrush(QColor(240, 225, 180));
  QPainterPath q;
  q.moveTo(apex);
  q.arcTo(QRectF(apex.x() - 340, apex.y() - 340, 680, 680), 0, -90);
  q.closeSubpath();
  p.drawPath(q);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 20, 20), 1.5));
  for (int r = 120; r <= 320; r += 40) p.drawArc(QRectF(apex.x() - r, apex.y() - r, 2 * r, 2 * r), 0, -90 * 16);
  p.setPen(QPen(gunter ? QColor(0, 100, 0) : QColor(160, 20, 20), 2));
  for (int k = 1; k < 9; ++k) {
    QPainterPath curve;
    for (int i = 0; i <= 20; ++i) {
      const double r = 120 + i * 10.0;
      const double a = Rad(k * 10.0 + std::sin(i / 20.0 * kPi) * (gunter ? 12 : 6));
      QPointF pt(apex.x() + std::cos(a) * r, apex.y() + std::sin(a) * r);
      if (i == 0) curve.moveTo(pt);
      else curve.lineTo(pt);
    }
    p.drawPath(curve);
  }
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawLine(apex, apex + QPointF(150, 300));
  p.setBrush(QColor(160, 120, 40));
  p.drawEllipse(apex + QPointF(150, 300), 8, 8);
}

void Cylinder(QPainter& p, int variant) {
  Background(p, QColor(180, 200, 230), QColor(230, 220, 200));
  const QRectF body(150, 90, 180, 330);
  QLinearGradient shade(body.left(), 0, body.right(), 0);
  shade.setColorAt(0, QColor(200, 170, 120));
  shade.setColorAt(0.4, QColor(250, 230, 190));
  shade.setColorAt(1, QColor(170, 140, 100));
  p.setPen(QPen(QColor(80, 60, 40), 2));
  p.setBrush(shade);
  p.drawRect(body);
  p.drawEllipse(QRectF(body.left(), body.bottom() - 20, body.width(), 40));
  p.setBrush(QColor(150, 110, 70));
  p.drawEllipse(QRectF(body.left(), body.top() - 20, body.width(), 40));
  p.setPen(QPen(QColor(20, 20, 20), 1.5));
  for (int h = 0; h < 6; ++h) {
    QPainterPath curve;
    for (int i = 0; i <= 12; ++i) {
      const double x = body.left() + 10 + i * (body.width() - 20) / 12.0;
      const double y = body.top() + 40 + (60 + h * 40) * (0.6 + 0.4 * std::cos((i - 6) / 6.0 * kPi / 2 * (variant + 1) / 2.0));
      if (i == 0) curve.moveTo(x, y);
      else curve.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
  }
  p.setPen(QPen(QColor(60, 60, 60), 5));
  if (variant == 2) p.drawLine(QPointF(240, 80), QPointF(240, 430));
  else p.drawLine(QPointF(240, 70), QPointF(240 + (variant == 1 ? 0 : 60), 120));
}

void Ring(QPainter& p, int variant) {
  Background(p, QColor(200, 200, 230), QColor(160, 160, 190));
  p.setPen(QPen(QColor(110, 80, 20), 3));
  p.setBrush(Qt::NoBrush);
  QPen band(QColor(200, 160, 60), 34);
  p.setPen(band);
  p.drawEllipse(QPointF(240, 250), 150, 150 - variant * 30);
  p.setPen(QPen(QColor(40, 30, 10), 2));
  for (int i = 0; i < 12; ++i) {
    const double a = Rad(200 + i * 12.0);
    const double ry = 150 - variant * 30;
    p.drawLine(QPointF(240 + std::cos(a) * 135, 250 + std::sin(a) * (ry - 15)),
               QPointF(240 + std::cos(a) * 165, 250 + std::sin(a) * (ry + 15)));
  }
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QPointF(240 + std::cos(Rad(60)) * 150, 250 + std::sin(Rad(60)) * (150 - variant * 30)), 6, 6);
}

void MeanTime(QPainter& p) {
  Background(p, QColor(220, 230, 240), QColor(240, 240, 220));
  p.setPen(QPen(QColor(60, 60, 60), 3));
  p.setBrush(QColor(250, 250, 240));
  p.drawRect(60, 60, 360, 360);
  for (int h = 9; h <= 15; ++h) {
    const double x = 240 + (h - 12) * 48.0;
    QPainterPath eight;
    for (int i = 0; i <= 72; ++i) {
      const double d = i / 72.0 * 2 * kPi;
      const double px = x + 14 * std::sin(2 * d) + 6 * std::sin(d);
      const double py = 240 + 140 * std::cos(d);
      if (i == 0) eight.moveTo(px, py);
      else eight.lineTo(px, py);
    }
    p.setPen(QPen(h == 12 ? QColor(190, 20, 20) : QColor(0, 0, 150), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eight);
  }
}

void Circles(QPainter& p, int variant) {
  Background(p, QColor(20, 30, 70), QColor(60, 80, 140));
  p.setPen(QPen(QColor(230, 230, 230), 2));
  p.setBrush(QColor(250, 250, 245));
  p.drawEllipse(QPointF(240, 240), 200, 200);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(30, 30, 30), 1.5));
  for (int r = 40; r <= 200; r += 40) p.drawEllipse(QPointF(240, 240), r, r);
  p.setPen(QPen(QColor(180, 20, 20), 2));
  for (int k = 0; k < 8; ++k) {
    const double a = Rad(k * 22.5 + variant * 7);
    p.drawLine(QPointF(240, 240), QPointF(240 + std::cos(a) * 200, 240 + std::sin(a) * 200));
  }
  p.setPen(QPen(QColor(0, 120, 0), 2));
  for (int k = -1; k <= 1; ++k) p.drawArc(QRectF(90, 120 + k * 50, 300, 240), 20 * 16, 140 * 16);
}

void Compressed(QPainter& p, int variant) {
  Background(p, QColor(220, 210, 240), QColor(240, 230, 250));
  p.setPen(QPen(QColor(60, 40, 80), 3));
  p.setBrush(QColor(250, 248, 240));
  p.drawEllipse(QPointF(240, 250), 210, 140 - variant * 15);
  p.setPen(QPen(QColor(20, 20, 20), 1.5));
  const QPointF f1(180 - variant * 10, 250), f2(300 + variant * 10, 250);
  for (int k = 0; k < 13; ++k) {
    const double a = Rad(180 + k * 15.0);
    p.drawLine(f1, f1 + QPointF(std::cos(a) * 120, std::sin(a) * 90));
    p.drawLine(f2, f2 + QPointF(-std::cos(a) * 120, std::sin(a) * 90));
  }
  p.setBrush(QColor(200, 30, 30));
  p.drawEllipse(f1, 6, 6);
  p.drawEllipse(f2, 6, 6);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const std::string folder = argc > 1 ? argv[1] : ".";
  using Draw = std::function<void(QPainter&)>;
  const std::vector<std::tuple<int, const char*, Draw>> pictures = {
      {1105, "Horizontal", [](QPainter& p) { PlanarDial(p, 47.25, 0, false, QColor(235, 225, 200)); }},
      {1106, "Vertical", [](QPainter& p) { PlanarDial(p, 47.25, 0, true, QColor(240, 235, 220)); }},
      {3000, "Vertical Dial", [](QPainter& p) { PlanarDial(p, 52, 0, true, QColor(250, 220, 190)); }},
      {3019, "Vertical Declining Dial", [](QPainter& p) { PlanarDial(p, 47.25, 25, true, QColor(220, 235, 240)); }},
      {3001, "Umbrella", [](QPainter& p) { UmbrellaDial(p, false); }},
      {3002, "Umbrella, inclined", [](QPainter& p) { UmbrellaDial(p, true); }},
      {3003, "Azimuthal", [](QPainter& p) { AzimuthalDial(p, 0); }},
      {3004, "Quadrant", [](QPainter& p) { Quadrant(p, false); }},
      {3022, "Gunter Quadrant", [](QPainter& p) { Quadrant(p, true); }},
      {3005, "Shepherd's Dial", [](QPainter& p) { Cylinder(p, 0); }},
      {3006, "Horizontal Altitude Dial", [](QPainter& p) { AzimuthalDial(p, 2); }},
      {3017, "Ring Dial", [](QPainter& p) { Ring(p, 0); }},
      {3018, "Farmer's Ring", [](QPainter& p) { Ring(p, 1); }},
      {3007, "Ring Dial Scale", [](QPainter& p) { Ring(p, 2); }},
      {3008, "Mean Time Dial", [](QPainter& p) { MeanTime(p); }},
      {3009, "Horizontoscope", [](QPainter& p) { Circles(p, 0); }},
      {3010, "Habermel I", [](QPainter& p) { Quadrant(p, false); }},
      {3011, "Habermel II", [](QPainter& p) { Cylinder(p, 1); }},
      {3012, "Azimuthal Cylinder", [](QPainter& p) { Cylinder(p, 1); }},
      {3013, "Polar-Style Cylinder", [](QPainter& p) { Cylinder(p, 2); }},
      {3014, "Hat Dial", [](QPainter& p) { Cylinder(p, 1); }},
      {3015, "Stereographic", [](QPainter& p) { Circles(p, 1); }},
      {3016, "Compressed", [](QPainter& p) { Compressed(p, 0); }},
      {3021, "Compressed, vertical", [](QPainter& p) { Compressed(p, 1); }},
      {3020, "Compressed, focus points", [](QPainter& p) { Compressed(p, 2); }},
      {3023, "Compressed, ellipse", [](QPainter& p) { Compressed(p, 3); }},
  };
  for (const auto& [number, title, draw] : pictures) {
    (void)title;
    QImage image(480, 480, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // No text in the picture: the window shows the caption in the user's language.
    draw(painter);
    painter.end();
    const std::string path = folder + "/" + std::to_string(number) + ".jpg";
    if (!WriteJpeg(image, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
