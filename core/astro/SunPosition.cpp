#include "astro/SunPosition.h"

#include <cmath>
#include <utility>

#include "astro/Ephemeris.h"
#include "base/NumberFormat.h"

namespace skiagraf {

HorizontalPosition HorizontalCoordinates(double t, double declination, double latitude) {
  while (std::fabs(t) > 180.0) t -= Sign(t) * 360.0;
  const double tr = t * kDegToRad;
  const double dr = declination * kDegToRad;
  const double fr = latitude * kDegToRad;
  const double sinD = std::sin(dr), cosD = std::cos(dr);
  const double sinF = std::sin(fr), cosF = std::cos(fr);
  const double cosT = std::cos(tr);

  // Sine of the altitude; a zero or out-of-range value is replaced by a tiny or
  // near-unit one of the same sign so that nothing divides by zero.
  double v = sinF * sinD + cosF * cosD * cosT;
  if (std::fabs(v) < 1e-10)
    v = (Sign(v) + 0.2) * 1e-10;
  else if (std::fabs(v) > 1.0)
    v = Sign(v) * 0.9999999999;

  double z = std::atan(std::sqrt(1.0 - v * v) / v) / kDegToRad;
  if (z < 0.0) z += 180.0;

  HorizontalPosition p;
  if (z < 0.000001) {
    p.Azimuth = 0.0;
  } else {
    double w = (-sinD * cosF + cosT * cosD * sinF) / std::sin(z * kDegToRad);
    if (std::fabs(w) > 1.0)
      w = Sign(w);
    else if (std::fabs(w) < 1e-10)
      w = (Sign(w) + 0.2) * 1e-10;
    if (w == -1.0) {
      p.Azimuth = 180.0;
    } else {
      p.Azimuth = std::atan(std::sqrt(1.0 - w * w) / w) / kDegToRad;
      if (p.Azimuth < 0.0) p.Azimuth += 180.0;
    }
  }
  if (t < 0.0) p.Azimuth = -p.Azimuth;
  if (t == 0.0) p.Azimuth = latitude < declination ? 180.0 : 0.0;
  p.Altitude = 90.0 - z;
  return p;
}

namespace {

SunPosition PositionFromEphemeris(const SolarEphemeris& e, bool useEot, double zoneTime, double latitude,
                                  double longitude, double zoneMeridian) {
  double t = 15.0 * (zoneTime - 12.0) - (longitude - zoneMeridian);
  if (useEot) t += e.EquationOfTime;
  const HorizontalPosition h = HorizontalCoordinates(t, e.Declination, latitude);
  return {h.Altitude, h.Azimuth, e.Declination, e.EquationOfTime};
}

}  // namespace

SunPosition SunPositionAtTime(int year, double day, bool useEot, double zoneTime, double latitude, double longitude,
                              double zoneMeridian) {
  const SolarEphemeris e = SunEphemeris(year, day + (zoneTime + zoneMeridian / 15.0 - 12.0) / 24.0);
  return PositionFromEphemeris(e, useEot, zoneTime, latitude, longitude, zoneMeridian);
}

SunPosition SunPositionNoonDeclination(int year, double day, bool useEot, double zoneTime, double latitude,
                                       double longitude, double zoneMeridian) {
  const SolarEphemeris e = SunEphemeris(year, day + zoneMeridian / 360.0);
  return PositionFromEphemeris(e, useEot, zoneTime, latitude, longitude, zoneMeridian);
}

HorizontalPosition PositionForDeclination(double zoneTime, double latitude, double longitude, double zoneMeridian,
                                          double declination) {
  const double t = 15.0 * (zoneTime - 12.0) - (longitude - zoneMeridian);
  return HorizontalCoordinates(t, declination, latitude);
}

SunPosition SunPositionForTimeKind(TimeKind kind, int year, double day, double time, double latitude,
                                   double longitude, double zoneMeridian) {
  switch (kind) {
    case TimeKind::Zone:
      return SunPositionAtTime(year, day, true, time, latitude, longitude, zoneMeridian);
    case TimeKind::Mean:
      return SunPositionAtTime(year, day, true, time, latitude, zoneMeridian, zoneMeridian);
    case TimeKind::Apparent:
      break;
  }
  return SunPositionAtTime(year, day, false, time, latitude, zoneMeridian, zoneMeridian);
}

void ShowBoxMessages(const std::vector<BoxMessage>& messages, Language language) {
  for (const BoxMessage& m : messages) Ui().ShowMessage(Caption(m.kind, language), m.text, m.icon);
}

std::string HoursMinutesSeconds(double hours) {
  long total = std::lround((hours - std::trunc(hours)) * 3600.0);
  long h = static_cast<long>(std::trunc(hours));
  if (total >= 3600) {
    ++h;
    total -= 3600;
  }
  const long minutes = total / 60, seconds = total % 60;
  std::string text = FormatInt(h, 3) + ":";
  if (minutes < 10) text += '0';
  text += std::to_string(minutes) + ":";
  if (seconds < 10) text += '0';
  text += std::to_string(seconds);
  return text;
}

namespace {

bool Within(double x, double lo, double hi) { return lo <= x && x <= hi; }

}  // namespace

AzimuthTime TimeOfAzimuth(double target, int year, int month, int day, const Site& site, Language language) {
  AzimuthTime result;
  if (target == 0.0) target = 0.0001;

  // The day of the year in the calendar of its year, the same count the position at a
  // clock time uses, so that both tasks see the same sun (a Gregorian count would put
  // the autumn of 1582 ten days late).
  const double dayOfYear = ModifiedJulianDate(day, month, year, 0.0) - ModifiedJulianDate(0, 1, year, 0.0);
  const double declination = SunEphemeris(year, dayOfYear).Declination;

  double a = 0.0, b = 13.5;
  if (target > 0.0) {
    a = 10.5;
    b = 24.99;
  }
  if (site.Latitude < declination) std::swap(a, b);

  auto azimuthAt = [&](double time, double* altitude) {
    const SunPosition p =
        SunPositionAtTime(year, dayOfYear, true, time, site.Latitude, site.Longitude, site.ZoneMeridian);
    if (altitude) *altitude = p.Altitude;
    return p.Azimuth;
  };
  double altitude = 0.0;
  double azA = azimuthAt(a, nullptr);
  double azB = azimuthAt(b, nullptr);
  if (target > 0.0 && azB < 0.0) azB += 360.0;
  if (target < 0.0 && azA > 0.0) azA -= 360.0;
  if (azB < azA) {
    std::swap(azA, azB);
    std::swap(a, b);
  }

  if (!Within(target, azA, azB)) {
    result.Messages.push_back({CaptionKind::Error, MessageIcon::Error,
                               "Fehler: Az1=" + FormatReal(azA, 9, 2) + " Azimut=" + FormatReal(target, 8, 2) +
                                   " Az2=" + FormatReal(azB, 8, 2)});
  }
  if (std::fabs(site.Latitude) - std::fabs(declination) < 0.0)
    result.Messages.push_back({CaptionKind::Warning, MessageIcon::Warning, Message(44, language)});

  double m = (a + b) / 2.0;
  double width;
  bool stop = false;
  do {
    width = std::fabs(azB - azA);
    m = (a + b) / 2.0;
    double azM = azimuthAt(m, &altitude);
    if (target * azM < 0.0 && !Within(azM, azA, azB)) azM -= Sign(azM) * 360.0;
    if (std::fabs(target - azM) < 0.005) {
      width = 0.001;
    } else if (Within(target, azA, azM)) {
      b = m;
      azB = azM;
    } else if (Within(target, azM, azB)) {
      a = m;
      azA = azM;
    } else {
      result.Messages.push_back(
          {CaptionKind::Problem, MessageIcon::Warning, Message(31, language) + "\n\r" + Message(32, language)});
      stop = true;
    }
  } while (!stop && width >= 0.002 && std::fabs(a - b) >= 1e-10);

  if (std::fabs(a - b) < 1e-10) {
    result.Messages.push_back({CaptionKind::Problem, MessageIcon::Warning, Message(24, language)});
    return result;
  }
  result.Found = true;
  result.ZoneTime = m;
  result.Altitude = altitude;
  result.Text = HoursMinutesSeconds(m) + "  hh:mm:ss";
  return result;
}

}  // namespace skiagraf
