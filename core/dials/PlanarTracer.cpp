#include "dials/PlanarTracer.h"

#include <algorithm>
#include <cmath>

#include "base/UserInterface.h"
#include "dials/DegreeMath.h"
#include "dials/DialText.h"
#include "dials/PlanarGeometry.h"
#include "text/Texts.h"

namespace skiagraf {

PlanarFrame PlanarEntry(const DialSettings& s, double zoom) {
  PlanarFrame f;
  f.type = s.DialTypeCode;
  f.umbrella = s.UmbrellaMode;
  f.latitude = s.Latitude;
  f.workLatitude = s.Latitude;
  f.wallDeclination = s.WallDeclination;
  f.diskRatio = s.UmbrellaDiskRatio;
  f.year = s.ReferenceYear;
  f.longitude = s.Longitude;
  f.zoneMeridian = s.ZoneMeridian;
  f.apparentReference = s.BifilarLocalTime ? s.ZoneMeridian : s.Longitude;
  const bool meanLocal = s.UmbrellaMode ? s.BifilarLocalTime : s.PlanarLocalTime;
  f.meanReference = meanLocal ? s.ZoneMeridian : s.Longitude;

  switch (f.type) {
    case 'h':
      f.rotation = 0;
      f.normalAltitude = 90;
      f.normalAzimuth = 0;
      f.wallDeclination = 0;
      break;
    case 'v':
      f.rotation = s.WallDeclination;
      f.normalAltitude = 0;
      f.normalAzimuth = s.WallDeclination;
      f.vertical = true;
      f.inclination = 90;
      break;
    default:  // 'i'
      if (f.umbrella) {
        // The inclined umbrella is entered with the umbrella page's inclination; the
        // plausibility check and the label read the same value.
        f.inclination = s.ConeAxisInclination;
        f.rotation = s.WallDeclination;
        f.normalAltitude = 90 - f.inclination;
        f.normalAzimuth = s.WallDeclination;
      } else {
        f.inclination = s.WallInclination;
        const EquivalentDial e = EquivalentHorizontalDial(s.WallInclination, s.WallDeclination, s.Latitude);
        f.workLatitude = e.Latitude;
        f.timeShift = -e.LongitudeShift / 15.0;
        f.rotation = e.Rotation;
        f.normalAltitude = 90;
        f.normalAzimuth = e.Rotation;
      }
      break;
  }

  double gs = std::round(s.GnomonHeight * zoom * 100.0) / 100.0;
  f.zoomUsed = zoom;
  if (gs < 5) {
    gs = 5;
    if (s.GnomonHeight > 0) f.zoomUsed = 5.0 / s.GnomonHeight;
  }
  f.gnomon = gs;
  return f;
}

bool UmbrellaDialPossible(const DialSettings& s, const PlanarFrame& f) {
  if (f.type != 'i' || !f.umbrella) return true;
  const double r = s.UmbrellaDiskRatio;
  if (r != 0 && AtanD(r / 100.0) + s.ConeAxisInclination > 85) {
    Ui().ShowMessage(Caption(CaptionKind::Warning),
                     Bilingual("Diese Neigung der Pultuhr ist beim gegebenen Kreisradius nicht möglich !",
                               "This plane inclinition is not possible for the given disk radius !"),
                     MessageIcon::Warning);
    return false;
  }
  if (r == 0)
    Ui().ShowMessage(Caption(CaptionKind::Error),
                     Bilingual("Kreisradius = 0 ist nicht zulässig !", "Circle radius = 0  is not allowed"),
                     MessageIcon::Error);
  return true;
}

FaceProjection ProjectOnFace(const PlanarFrame& f, SunAltAz sun) {
  FaceProjection p;
  const double alpha = sun.altitude * kRad;
  const double C = 1.0;  // unit gnomon; the viewport scales
  if (f.vertical) {
    const double a = (sun.azimuth - f.wallDeclination) * kRad;
    double c = std::cos(a);
    if (std::fabs(c) < 1e-15) c = (Sgn(c) + 0.2) * 1e-15;
    double ca = std::cos(alpha);
    if (std::fabs(ca) < 1e-15) ca = (Sgn(ca) + 0.2) * 1e-15;
    p.x = C * std::sin(a) / c;
    p.y = C / c * std::sin(alpha) / ca;
    p.projectable = (std::fabs(a) < 1.57 || std::fabs(a) > 4.71) && sun.altitude > 0;
    if (f.umbrella) {
      const double d = std::hypot(p.x, p.y);
      const double v = d <= 1e-12 ? 0.0 : (f.diskRatio / 100.0) * C / d;
      p.x *= 1 + v;
      p.y *= 1 + v;
    }
  } else {
    const double a = (sun.azimuth - f.rotation) * kRad;
    double al = alpha;
    if (std::fabs(al) < 1e-8) al = (Sgn(al) + 0.2) * 1e-8;
    double ca = std::cos(al);
    if (std::fabs(ca) < 1e-8) ca = (Sgn(ca) + 0.2) * 1e-8;
    double Ce = C;
    if (f.umbrella) Ce = C * (1 + (f.diskRatio / 100.0) * std::sin(al) / ca);
    p.projectable = sun.altitude > 0;
    if (f.umbrella && f.type == 'i') {
      const double z = f.inclination * kRad;
      double w = std::sin(z) * std::cos(a) + std::cos(z) * std::sin(al) / ca;
      if (std::fabs(w) < 1e-12) w = (Sgn(w) + 0.2) * 1e-12;
      p.x = Ce * std::cos(z) * std::sin(a) / w;
      p.y = -Ce * std::cos(a) / w;
      if (std::fabs(a) > 1.57)
        p.projectable = p.projectable && std::sin(al) * std::cos(z) + std::sin(z) * std::cos(a) * ca > 0;
    } else {
      p.x = Ce * std::sin(a) * ca / std::sin(al);
      p.y = -Ce * std::cos(a) * ca / std::sin(al);
    }
  }
  const double aN = f.normalAltitude, AN = f.normalAzimuth;
  const double A = sun.azimuth, h = sun.altitude;
  p.inFront = CosD(aN) * CosD(AN) * CosD(A) * CosD(h) + SinD(AN) * CosD(aN) * SinD(A) * CosD(h) +
                  SinD(aN) * SinD(h) >
              0;
  return p;
}

PointD PlanarViewport::ToOutput(double x, double yDown) const {
  PointD p{origin.x + scale * x, origin.y + ySign * scale * yDown};
  // Far points are brought within a range that integer coordinates can hold.
  while (std::fabs(p.x) > 1e8) p.x /= 10;
  while (std::fabs(p.y) > 1e8) p.y /= 10;
  return p;
}

TracedSample LineTracer::Sample(SunAltAz sun) const {
  const FaceProjection fp = ProjectOnFace(frame_, sun);
  TracedSample s;
  s.point = view_.ToOutput(fp.x, fp.y);
  s.inFront = fp.inFront;
  s.visible = fp.projectable && view_.visible(s.point);
  if (!frame_.umbrella) s.visible = s.visible && fp.inFront;
  return s;
}

TracedSample LineTracer::Start(SunAltAz sun) {
  const TracedSample s = Sample(sun);
  StartSample(s);
  return s;
}

void LineTracer::StartSample(const TracedSample& q) {
  out_.Sampled(q);
  out_.MoveTo(q.point);
  last_ = q;
  started_ = true;
}

TracedSample LineTracer::Next(SunAltAz sun) {
  const TracedSample s = Sample(sun);
  NextSample(s);
  return s;
}

void LineTracer::NextSample(const TracedSample& q) {
  if (!started_) {
    StartSample(q);
    return;
  }
  out_.Sampled(q);
  const TracedSample& p = last_;
  if (p.visible && q.visible) {
    out_.LineTo(q.point);
  } else if (p.visible) {
    if (q.inFront) out_.LineTo(CutPoint(p.point, q.point));
    else out_.MoveTo(q.point);
  } else if (q.visible) {
    if (p.inFront) out_.MoveTo(CutPoint(q.point, p.point));
    else out_.MoveTo(q.point);
    out_.LineTo(q.point);
  }
  last_ = q;
}

PointD StyleFootOffset(const PlanarFrame& f, double C) {
  if (f.type == 'h') {
    double phi = f.latitude;
    if (std::fabs(phi) < 1e-5) phi = phi < 0 ? -1e-5 : 1e-5;
    return {0.0, -C / TanD(phi)};
  }
  double D = f.wallDeclination;
  // A wall within 0.07 degrees of due east or west is moved to 0.07 degrees away,
  // on its own side; a wall exactly east or west counts as turned to the south.
  if (std::fabs(std::fabs(D) - 90) < 0.07) D = Sgn(D) * (std::fabs(D) > 90 ? 90.07 : 89.93);
  const double phi = std::fabs(std::fabs(f.latitude) - 90) < 0.001 ? Sgn(f.latitude) * 89.999 : f.latitude;
  const double z = f.inclination;
  double I = CosD(D) * SinD(z) - SinD(phi) * CosD(z) / CosD(phi);
  if (std::fabs(I) < 1e-5) I = (Sgn(I) + 0.5) * 1e-5;
  return {-C * SinD(D) / I, C * (CosD(z) * CosD(D) + SinD(phi) * SinD(z) / CosD(phi)) / I};
}

PointD LineTracer::CutPoint(PointD p, PointD q) const {
  double dx = q.x - p.x, dy = q.y - p.y;
  if (std::fabs(dx) < 1e-6) dx = dx < 0 ? -1e-6 : 1e-6;
  if (std::fabs(dy) < 1e-6) dy = dy < 0 ? -1e-6 : 1e-6;
  // The first border line that the segment crosses when it leaves the rectangle.
  double t = 1.0;
  const double tx = dx > 0 ? (view_.cutRight - p.x) / dx : (view_.cutLeft - p.x) / dx;
  const double ty = dy > 0 ? (view_.cutBottom - p.y) / dy : (view_.cutTop - p.y) / dy;
  if (tx >= 0) t = std::min(t, tx);
  if (ty >= 0) t = std::min(t, ty);
  t = std::max(0.0, t);
  return {p.x + t * dx, p.y + t * dy};
}

}  // namespace skiagraf
