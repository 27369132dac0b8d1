#pragma once

#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "text/Language.h"
#include "text/Texts.h"

namespace skiagraf {

// The sun's altitude and azimuth from hour angle, declination and latitude, the sun
// position for a day and a clock time, and the clock time of a given azimuth.
//
// Conventions: latitude north positive; longitude and zone meridian east negative;
// hour angle negative in the morning; azimuth from south, west positive, north +-180;
// altitude without refraction. UT = zone time + zone meridian / 15.

struct HorizontalPosition {
  double Altitude = 0.0;  // degrees
  double Azimuth = 0.0;   // degrees from south, west positive
};

HorizontalPosition HorizontalCoordinates(double hourAngle, double declination, double latitude);

struct SunPosition {
  double Altitude = 0.0;
  double Azimuth = 0.0;
  double Declination = 0.0;
  double EquationOfTime = 0.0;  // degrees of hour angle
};

// `day` counts from 1 January (1 = 1 January); `zoneTime` in hours. With `useEot` the
// hour angle is that of the apparent sun, otherwise that of the mean sun.
SunPosition SunPositionAtTime(int year, double day, bool useEot, double zoneTime, double latitude,
                              double longitude, double zoneMeridian);

// As SunPositionAtTime, but declination and equation of time are those of 12:00 zone
// time of the day, whatever the clock time (one date line, one declination).
SunPosition SunPositionNoonDeclination(int year, double day, bool useEot, double zoneTime, double latitude,
                                       double longitude, double zoneMeridian);

// Position of the mean sun at a zone time for a given declination.
HorizontalPosition PositionForDeclination(double zoneTime, double latitude, double longitude, double zoneMeridian,
                                          double declination);

// The three kinds of clock time, in the order of the sun-position window's choice.
enum class TimeKind { Apparent = 0, Mean = 1, Zone = 2 };

// SunPositionAtTime for a clock time of the given kind: zone time at the site, local
// mean time or apparent local time (the last two read on the zone meridian).
SunPosition SunPositionForTimeKind(TimeKind kind, int year, double day, double time, double latitude,
                                   double longitude, double zoneMeridian);

// A message the calculation would show in a box: the window shows it through Ui(),
// the command line prints it on stderr with its title.
struct BoxMessage {
  CaptionKind kind = CaptionKind::Information;
  MessageIcon icon = MessageIcon::Information;
  std::string text;
};

// Shows the messages through Ui(), titled in `language`.
void ShowBoxMessages(const std::vector<BoxMessage>& messages, Language language);

struct Site {
  double Latitude = 0.0;
  double Longitude = 0.0;
  double ZoneMeridian = 0.0;
};

struct AzimuthTime {
  bool Found = false;
  double ZoneTime = 0.0;  // hours (may exceed 24 for a time after midnight)
  double Altitude = 0.0;  // degrees, at that time
  std::string Text;       // "hhh:mm:ss  hh:mm:ss" or "" when no time was found
  std::vector<BoxMessage> Messages;
};

// The zone time at which the sun stands at `azimuth` on the given date, found by
// bisection. The date is counted in the calendar of its year.
AzimuthTime TimeOfAzimuth(double azimuth, int year, int month, int day, const Site& site, Language language);

// Clock time in hours as " hh:mm:ss"-style text: hours right-aligned in 3 characters,
// minutes and seconds as two digits; 3600 rounded seconds carry into the next hour.
std::string HoursMinutesSeconds(double hours);

}  // namespace skiagraf
