#include "astro/SunPositionReport.h"

#include <cctype>
#include <cmath>

#include "astro/Ephemeris.h"
#include "base/NumberFormat.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

std::string Rule() {
  std::string rule = "  ";
  for (int i = 0; i < 37; ++i) rule += "__";
  return rule;
}

// The result text of the time of an azimuth with its blanks removed and one blank
// between the time and its unit: "14:05:09 hh:mm:ss".
std::string CompactTimeText(const std::string& text) {
  const size_t gap = text.find("  hh:mm:ss");
  std::string time = gap == std::string::npos ? text : text.substr(0, gap);
  std::string compact;
  for (char c : time)
    if (c != ' ') compact += c;
  if (gap != std::string::npos) compact += " hh:mm:ss";
  return compact;
}

double Round2(double v) { return std::round(v * 100.0) / 100.0; }

}  // namespace

std::optional<double> ParseClockTime(const std::string& text) {
  std::string t;
  for (char c : text) t += c == ' ' ? ':' : c;
  while (!t.empty() && t.front() == ':') t.erase(t.begin());
  while (!t.empty() && t.back() == ':') t.pop_back();
  if (t.empty()) return 12.0;
  int parts[3] = {0, 0, 0};
  int count = 0;
  size_t i = 0;
  while (i < t.size()) {
    if (count == 3) return std::nullopt;
    size_t start = i;
    long value = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
      value = value * 10 + (t[i] - '0');
      if (value > 1000) return std::nullopt;
      ++i;
    }
    if (i == start || i - start > 2) return std::nullopt;
    parts[count++] = static_cast<int>(value);
    if (i < t.size()) {
      if (t[i] != ':') return std::nullopt;
      ++i;
      if (i == t.size()) return std::nullopt;
    }
  }
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
}

std::string FormatClockTime(double hours) {
  long total = std::lround(hours * 3600.0);
  if (total < 0) total = 0;
  const long h = total / 3600, m = total / 60 % 60, s = total % 60;
  auto two = [](long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return two(h) + ":" + two(m) + ":" + two(s);
}

bool FarFromZone(double longitude, double zoneMeridian) { return std::fabs(longitude - zoneMeridian) > 14.0; }

std::string FarFromZoneQuestion(Language language) { return Phrase(46, language) + Phrase(47, language); }

SunReport BuildSunReport(const SunReportRequest& rq) {
  SunReport report;
  const Language lang = rq.Lang;
  report.Day = rq.Day;

  // The calendar check: the ten dates dropped in October 1582 are computed as the 15th.
  if (rq.Year == 1582 && rq.Month == 10 && rq.Day >= 5 && rq.Day <= 14) {
    report.Day = 15;
    report.Messages.push_back({CaptionKind::Problem, MessageIcon::Warning, Message(26, lang)});
  }
  if (rq.Mode == SunReportMode::Position && !rq.Time) {
    report.MissingInput = "time";
    return report;
  }
  if (rq.Mode == SunReportMode::AzimuthTime && !rq.Azimuth) {
    report.MissingInput = "azimuth";
    return report;
  }
  report.Computed = true;

  const int year = rq.Year, month = rq.Month, day = report.Day;
  const std::string deg = Phrase(105, lang);
  std::vector<std::string>& out = report.Lines;
  SunReportLabels& labels = report.Labels;

  out.push_back("");
  out.push_back(Rule());
  out.push_back("");
  out.push_back(Phrase(89, lang) + FormatInt(year, 4) + "-" + FormatInt(month, 2) + "-" + FormatInt(day, 2));
  out.push_back(Phrase(87, lang) + FormatReal(rq.Latitude, 6, 2) + deg);
  out.push_back(Phrase(88, lang) + FormatReal(rq.Longitude, 7, 2) + Phrase(90, lang) +
                FormatReal(rq.ZoneMeridian, 6, 1) + deg);
  out.push_back("");

  // Declination and equation of time of 12:00 zone time of the date.
  const SolarEphemeris noon = SunEphemeris(
      year, JulianDayNumber(day, month, year) - JulianDayNumber(0, 1, year) - rq.ZoneMeridian / -360.0);
  // Day of the year for positions at a clock time, in the calendar of its year.
  const double dayOfYear = ModifiedJulianDate(day, month, year, 0.0) - ModifiedJulianDate(0, 1, year, 0.0);
  const Site site{rq.Latitude, rq.Longitude, rq.ZoneMeridian};

  switch (rq.Mode) {
    case SunReportMode::EquationOfTime: {
      const std::string decl = FormatReal(noon.Declination, 6, 2);
      const std::string eot = FormatEquationOfTime(noon.EquationOfTime);
      out.push_back(Blanks(9) + Phrase(91, lang) + decl + deg);
      out.push_back(Blanks(9) + Phrase(92, lang) + eot + " mm:ss");
      out.push_back(Blanks(25) + Phrase(106, lang));
      labels.EquationOfTime = eot + "  min:sec";
      labels.Declination = decl + deg;
      break;
    }
    case SunReportMode::RiseSet: {
      const std::string decl = FormatReal(noon.Declination, 6, 2);
      const std::string eot = FormatEquationOfTime(noon.EquationOfTime);
      out.push_back(Blanks(4) + Phrase(91, lang) + decl + deg + Blanks(6) + Phrase(92, lang) + eot + " min:sec");
      labels.EquationOfTime = eot + "  min:sec";
      labels.Declination = decl + deg;

      const RiseSetDay riseSetDay{DayOrigin(day, month, year, rq.ZoneMeridian), rq.Latitude, rq.Longitude,
                                  rq.Twilight};
      struct Shown {
        std::string rise, set, unit;
      };
      auto search = [&](EventKind kind) {
        const RiseSetResult r = FindRiseSet(kind, riseSetDay, lang);
        Shown s;
        // A day without any event of the kind shows its one text in both places.
        s.rise = r.RiseFound || r.SetFound ? r.RiseText : r.Block;
        s.set = r.RiseFound || r.SetFound ? r.SetText : r.Block;
        s.unit = r.EventMissing ? "" : " hh:min";
        return s;
      };
      const Shown sun = search(EventKind::Sun);
      const Shown twilight = search(EventKind::Twilight);
      const Shown moon = search(EventKind::Moon);
      out.push_back(Phrase(93, lang) + sun.rise + sun.unit + Phrase(95, lang) + sun.set + sun.unit);
      out.push_back(Phrase(94, lang) + twilight.rise + twilight.unit + Phrase(96, lang) + twilight.set +
                    twilight.unit);
      out.push_back(Blanks(24) + "[" + Phrase(76, lang) + TwilightName(rq.Twilight, lang) + "]");
      out.push_back(Blanks(4) + Phrase(98, lang) + moon.rise + moon.unit + Blanks(5) + Phrase(99, lang) + moon.set +
                    moon.unit);
      labels.Sunrise = sun.rise + sun.unit;
      labels.Sunset = sun.set + sun.unit;
      labels.TwilightBegin = twilight.rise + twilight.unit;
      labels.TwilightEnd = twilight.set + twilight.unit;
      labels.Moonrise = moon.rise + moon.unit;
      labels.Moonset = moon.set + moon.unit;
      break;
    }
    case SunReportMode::Position: {
      const double time = *rq.Time;
      const SunPosition p =
          SunPositionForTimeKind(rq.Kind, year, dayOfYear, time, rq.Latitude, rq.Longitude, rq.ZoneMeridian);
      const std::string eot = FormatEquationOfTime(p.EquationOfTime);
      out.push_back(Blanks(11) + Phrase(100, lang) + FormatClockTime(time));
      out.push_back(Blanks(11) + Phrase(101, lang) + FormatReal(p.Altitude, 6, 2) + deg + Blanks(4) +
                    Phrase(103, lang) + FormatReal(Round2(p.Declination), 6, 2) + deg);
      out.push_back(Blanks(11) + Phrase(102, lang) + FormatReal(p.Azimuth, 7, 2) + deg + Blanks(4) +
                    Phrase(92, lang) + " " + eot + " mm:ss");
      out.push_back(Blanks(11) + Phrase(104, lang));
      labels.Altitude = FormatReal(p.Altitude, 7, 2);
      labels.Azimuth = FormatReal(p.Azimuth, 7, 2);
      labels.EquationOfTime = eot + "  min:sec";
      labels.Declination = FormatReal(Round2(p.Declination), 6, 2) + deg;
      break;
    }
    case SunReportMode::AzimuthTime: {
      const double azimuth = *rq.Azimuth;
      out.push_back(Blanks(11) + Phrase(102, lang) + Blanks(11) + FormatReal(azimuth, 7, 2) + "  " + deg);
      out.push_back(Blanks(11) + Phrase(104, lang));
      AzimuthTime t = TimeOfAzimuth(azimuth, year, month, day, site, lang);
      for (BoxMessage& m : t.Messages) report.Messages.push_back(std::move(m));
      out.push_back(Blanks(11) + Phrase(107, lang) + CompactTimeText(t.Text));
      // Without a time there is no altitude to report.
      if (t.Found) {
        if (t.Altitude > 0.0)
          out.push_back(Blanks(11) + Phrase(101, lang) + FormatReal(Round2(t.Altitude), 5, 2) + "  " + deg);
        else
          out.push_back(Blanks(11) + Phrase(108, lang));
        labels.Altitude = FormatReal(std::round(t.Altitude * 10.0) / 10.0, 5, 1) + deg;
      }
      labels.AzimuthTime = t.Text;
      break;
    }
  }
  out.push_back(Rule());
  return report;
}

}  // namespace skiagraf
