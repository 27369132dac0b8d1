#include "astro/Ephemeris.h"

#include <cmath>

namespace skiagraf {

namespace {

// Integer part toward zero, as every truncation of the calendar formulas.
double Trunc(double v) { return std::trunc(v); }

// Reduce an angle to 0..360 by whole turns (the large products are reduced first so
// that the sums stay small).
double Reduce360(double v) {
  if (v > 360.0) v -= 360.0 * (std::ceil(v / 360.0) - 1.0);
  while (v > 360.0) v -= 360.0;
  while (v < 0.0) v += 360.0;
  return v;
}

bool GregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

const char* const kMonthsGerman[12] = {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                       "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const char* const kMonthsEnglish[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

int Sign(double v) { return v > 0.0 ? 1 : (v < 0.0 ? -1 : 0); }

int DayOfYear(int year, int month, int day) {
  if (month <= 2) return 31 * (month - 1) + day;
  int n = static_cast<int>(Trunc(30.6001 * month - 32.3)) + day;
  if (GregorianLeapYear(year)) ++n;
  return n;
}

double JulianDayNumber(int day, int month, int year) {
  // In doubles: a year read from a file may be any integer, and year - 1 must not
  // overflow.
  double y = year, m = month;
  if (month <= 2) {
    y = year - 1.0;
    m = month + 12.0;
  }
  double b;
  // (year, month, day) as entered decides the calendar.
  const long key = static_cast<long>(year) * 10000L + month * 100L + day;
  if (key >= 15821015L) {
    b = Trunc(y / 400.0) - Trunc(y / 100.0);
  } else if (key <= 15821004L) {
    b = -2.0;
  } else {
    b = -12.0;
    day = 15;  // a date that does not exist counts as 1582-10-15
  }
  return Trunc(365.25 * y) + Trunc(30.6001 * (m + 1)) + day + b + 1720997.0;
}

double ModifiedJulianDate(int day, int month, int year, double hour) {
  const double key = year * 10000.0 + month * 100.0 + day;
  double y = year, m = month;  // doubles, as in JulianDayNumber
  if (month <= 2) {
    m = month + 12.0;
    y = year - 1.0;
  }
  double b;
  if (key <= 15821004.1)
    b = Trunc((y + 4716.0) / 4.0) - 1181.0;
  else
    b = Trunc(y / 400.0) - Trunc(y / 100.0) + Trunc(y / 4.0);
  return 365.0 * y - 679004.0 + b + Trunc(30.6001 * (m + 1)) + day + hour / 24.0;
}

int CalendarDayOfYear(int year, int month, int day) {
  return static_cast<int>(JulianDayNumber(day, month, year) - JulianDayNumber(0, 1, year));
}

ObliquityData ComputeObliquityData(int year) {
  ObliquityData data;
  const double t = (JulianDayNumber(1, 1, year) + 80.0 - 1.0 - 2451545.0) / 36525.0;
  const double eps = 23.43929111 - 0.013004167 * t;
  data.Obliquity = eps;
  // Round half to even, as the solstice declination has always been rounded.
  data.SolsticeDeclination = std::nearbyint(eps * 100.0) / 100.0;
  const double sinEps = std::sin(eps * kDegToRad);
  for (int i = 0; i <= 36; ++i)
    data.EclipticDeclinations[i] = std::asin(sinEps * std::sin((90.0 + 5.0 * i) * kDegToRad)) / kDegToRad;
  data.EclipticDeclinations[0] = eps;
  data.EclipticDeclinations[18] = 0.0;
  data.EclipticDeclinations[36] = -eps;
  for (int k = 0; k <= 6; ++k) data.ZodiacDeclinations[7 - k] = data.EclipticDeclinations[6 * k];
  return data;
}

SolarEphemeris SunEphemeris(int year, double x) {
  const double t = (JulianDayNumber(1, 1, year) + x - 1.0 - 2451545.0) / 36525.0;
  const double m0 = Reduce360(35999.0 * t);
  const double m = Reduce360(357.5291 + m0 + t * (0.0503 - t * (0.0001559 + 0.00000048 * t)));
  const double eps0 = 23.43929111 - 0.013004167 * t;
  const double omega = 125.04452 - 1934.136261 * t + 0.0020708 * t * t;
  const double sinOmega = std::sin(omega * kDegToRad);
  const double eps = eps0 + 0.00256 * std::cos(omega * kDegToRad);
  const double sinEps = std::sin(eps * kDegToRad);
  const double cosEps = std::cos(eps * kDegToRad);
  const double lp = Reduce360(36000.0 * t);
  const double l0 = Reduce360(280.4664567 + lp + t * (0.76982772 + 0.0003032 * t));
  const double mr = m * kDegToRad;
  const double c = std::sin(mr) * (1.9146 - t * (0.004817 + 0.000014 * t)) +
                   std::sin(2.0 * mr) * (0.019993 - 0.000101 * t) + 0.00029 * std::sin(3.0 * mr);
  const double theta = l0 + c;
  const double lambda = (theta - 0.00569 - 0.00478 * sinOmega) * kDegToRad;
  const double sinLambda = std::sin(lambda);
  const double cosLambda = std::cos(lambda);

  SolarEphemeris result;
  const double q = sinLambda * sinEps;
  result.Declination = std::atan(q / std::sqrt(1.0 - q * q)) / kDegToRad;

  // Right ascension in the quadrant of the apparent longitude.
  double alpha = std::atan(sinLambda * cosEps / cosLambda) / kDegToRad;
  if (alpha < 0.0) alpha += 180.0;
  if (q < 0.0) alpha += 180.0;

  const double dPsi = -0.00477778 * sinOmega - 0.00036667 * std::sin(2.0 * l0 * kDegToRad);
  double e = l0 - 0.0057183 - alpha + dPsi * cosEps;
  while (e > 180.0) e -= 360.0;
  while (e < -180.0) e += 360.0;
  result.EquationOfTime = e;
  return result;
}

std::string FormatEquationOfTime(double equationOfTime) {
  const double a = 4.0 * equationOfTime;  // minutes of time
  const double frac = a - Trunc(a);
  int seconds = static_cast<int>(a >= 0.0 ? Trunc(frac * 60.0 + 0.5) : Trunc(frac * 60.0 - 0.5));
  int minutes;
  if (seconds == 60 || seconds == -60) {
    minutes = static_cast<int>(Trunc(a + 60.0 / seconds));
    seconds = 0;
  } else {
    minutes = static_cast<int>(Trunc(a));
  }
  std::string text;
  // A value between -1 and 0 minutes has no minus sign of its own in the minutes;
  // write one, but only when the text shows a non-zero time and carries no other sign.
  if (a < 0.0 && minutes == 0 && seconds != 0) text = "-";
  text += std::to_string(minutes);
  text += ':';
  const int s = seconds < 0 ? -seconds : seconds;
  if (s < 10) text += '0';
  text += std::to_string(s);
  if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
  return text;
}

std::string MonthAbbreviation(int month, Language language) {
  if (month < 1 || month > 12) return {};
  return language == Language::English ? kMonthsEnglish[month - 1] : kMonthsGerman[month - 1];
}

std::string DayOfYearText(int n, int year, Language language) {
  int month = 1;
  for (int k = 2; k <= 12; ++k)
    if (DayOfYear(year, k, 1) <= n) month = k;
  const int day = n - DayOfYear(year, month, 1) + 1;
  return std::to_string(day) + ". " + MonthAbbreviation(month, language);
}

std::string DayOfYearText(int n, int year) { return DayOfYearText(n, year, CurrentLanguage()); }

}  // namespace skiagraf
