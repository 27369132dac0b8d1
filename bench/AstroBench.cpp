// Timings of the astronomy routines every construction and table leans on.
#include <benchmark/benchmark.h>

#include "astro/Ephemeris.h"
#include "astro/RiseSet.h"
#include "astro/RiseSetTables.h"
#include "astro/SunPosition.h"

namespace skiagraf {
namespace {

// One call per day value, stepping through a year as the date lines do.
void BM_SunEphemeris(benchmark::State& state) {
  double x = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunEphemeris(2020, x));
    x += 0.37;
    if (x > 366.0) x -= 365.0;
  }
}
BENCHMARK(BM_SunEphemeris);

void BM_HorizontalCoordinates(benchmark::State& state) {
  double t = -179.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HorizontalCoordinates(t, 17.5, 47.25));
    t += 0.73;
    if (t > 180.0) t -= 360.0;
  }
}
BENCHMARK(BM_HorizontalCoordinates);

// Sun, twilight and moon of one day, as a row of the monthly table or the rise/set
// panel of the sun-position window needs them.
void BM_FindRiseSetOneDay(benchmark::State& state) {
  RiseSetDay day;
  day.Mjd0 = DayOrigin(22, 6, 1999, -15.0);
  day.Latitude = 47.25;
  day.Longitude = -9.55;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindRiseSet(EventKind::Sun, day, Language::German));
    benchmark::DoNotOptimize(FindRiseSet(EventKind::Twilight, day, Language::German));
    benchmark::DoNotOptimize(FindRiseSet(EventKind::Moon, day, Language::German));
  }
}
BENCHMARK(BM_FindRiseSetOneDay);

void BM_MonthRiseSetTable(benchmark::State& state) {
  const Site site{47.25, -9.55, -15.0};
  for (auto _ : state)
    benchmark::DoNotOptimize(BuildMonthRiseSetTable(1, 2000, site, TwilightKind::Civil, Language::German));
}
BENCHMARK(BM_MonthRiseSetTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skiagraf
