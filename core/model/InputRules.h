#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/DialSettings.h"
#include "model/EntryChecks.h"

namespace skiagraf {

// Rules of the three input windows (location and year, dial type, dial parameters)
// that need no widget: the windows hand their fields over as an EntryForm whose
// names are the component names.

// ---- location and year --------------------------------------------------------

struct Dms {
  int Degrees = 0;
  int Minutes = 0;
  int Seconds = 0;
};

// |x| split into whole degrees, whole minutes and rounded seconds.
Dms ToDms(double x);
double FromDms(int degrees, int minutes, int seconds);

// The hemisphere choices of the degree presentation.
struct Hemispheres {
  bool South = false;     // latitude
  bool East = false;      // longitude
  bool ZoneEast = false;  // zone meridian
};
// Latitude x > 0 is north; longitude and zone x < 0 are east.
Hemispheres HemispheresOf(const DialSettings& s);

// Fills the year, the three decimal fields and the degree/minute/second fields.
void FillLocationFields(EntryForm& form, const DialSettings& s);
// Refills the degree/minute/second fields of one row (0 latitude, 1 longitude, 2 zone)
// from a decimal value.
void FillDmsRow(EntryForm& form, int row, double value);

// The closing validation of the location window: the checks of the active
// presentation, the year, and the zone question when longitude and zone meridian
// are more than 15 degrees apart. Values that pass are stored; InputsValid gets the
// result.
bool ValidateLocation(EntryForm& form, bool decimalMode, const Hemispheres& hemispheres, DialSettings& s);

// The check run when a field of the window is left (the field's own check only).
bool LocationFieldExit(EntryForm& form, std::string_view name, DialSettings& s);

// ---- dial type -----------------------------------------------------------------

// The items of the type list in order (numbers of the full list); without expert
// mode the biazimuthal and mean-time items are missing.
std::vector<int> DialTypeListItems(bool expertMode);
// Help topic of a full-list item; 0 for the ham dial.
int DialTypeHelpTopic(int item);

// Which parts of the dial-type window are shown for the current settings.
struct DialTypeView {
  bool Umbrella = false, Altitude = false, Cylinder = false, Azimuth = false;
  bool WallDeclination = false, Inclination = false, Gnomon = false;
  bool CylinderLength = false, CylinderRadius = false, RingDiameter = false, HabermelDiameter = false;
  bool EmptyFieldNote = false;
  int DeclinationCaption = 402;  // catalogue tag of the Edit1 label
  int CylinderLengthCaption = 571;
};
DialTypeView DialTypeViewOf(const DialSettings& s);

// Fills Edit1, Edit2, Edit3, EdZylang, EdZylRad, edHaber and rDurchEdit.
void FillDialTypeFields(EntryForm& form, const DialSettings& s);
// The field check when a field is left; false when refused.
bool DialTypeFieldExit(EntryForm& form, std::string_view name, DialSettings& s);
// The close validation; InputsValid gets the result.
bool ValidateDialType(EntryForm& form, DialSettings& s);

// Habermel dials: the gnomon length from the diameter (signed latitude) and the
// diameter from the gnomon length. kind is AltitudeDialKind 1 or 2.
double HabermelGnomonFromDiameter(double diameter, double latitude, double obliquity, int kind);
double HabermelDiameterFromGnomon(double gnomon, double latitude, double obliquity, int kind);
// Computes AltitudeGnomonLength from HabermelDiameter (kind 1 or 2 only).
void UpdateHabermelGnomon(DialSettings& s);

// "Experten-Modus = on! ..." or the switched-off note.
std::string ExpertModeLine(bool expertMode);

// ---- parameter window -----------------------------------------------------------

// The pages in tab order (their captions are title entries 31 onwards).
enum class ParameterPage { Planar, Bifilar, Quadrant, Cylinder, HorizontalAltitude, Ring, Azimuthal,
                           Biazimuthal, MeanTime, Sawyer };
inline constexpr int kParameterPages = 10;
// Component name of a page ("TabSheet1" ...).
std::string PageName(ParameterPage page);
// The page opened for the current dial type.
ParameterPage PageFor(const DialSettings& s);

// Forced settings without expert mode: altitude kind 0, azimuth circle kind reduced,
// ring-hole offsets 0 and epsilon/2.
void ApplyParameterExpertRules(DialSettings& s);

// On opening the parameter window the Habermel gnomon is derived from the diameter
// (signed latitude; the quadrant counts as kind 1); a gnomon of 0 becomes 3.0625.
void DeriveHabermelGnomon(DialSettings& s);

// A choice between "Ortszeit" (0) and "Zonenzeit" (1): ZoneTime, and LocalTime as
// its complement.
void SelectZoneTimeItem(DialSettings& s, int item);

// The date scale of the quadrant; the stereographic scale (2) forces local time.
void SelectQuadrantDateScale(DialSettings& s, int item);
// The item of the plane-orientation groups of the two-position dials (0 .. 2).
int ConeOrientationItem(const DialSettings& s);

// Fills every text field of the parameter window from the settings.
void FillParameterFields(EntryForm& form, const DialSettings& s);
// The exit check of a field of the parameter window; false when refused.
bool ParameterFieldExit(EntryForm& form, std::string_view name, DialSettings& s);
// The transfer of a page when it is left or the window closes; shows "Bitte zuerst
// die fehlerhafte Eingabe korrigieren!" on failure. InputsValid gets the result.
bool TransferPage(EntryForm& form, ParameterPage page, DialSettings& s);

// The inclined umbrella: atan(ratio/100) + plane inclination must not exceed 85
// degrees (shows the tilt message and fails); a ratio of 0 only shows its message.
bool UmbrellaTiltCheck(const DialSettings& s);

// The mean-time cone: a half angle that is not smaller than the inclination of the
// cone axis is reported ("Der Winkel muss kleiner als die Neigung der Kegelachse
// sein!") but kept. True when the note was shown.
bool ConeHalfAngleNote(const DialSettings& s);

// A latitude of the Sawyer dials: magnitudes below 0.0049 become 0.0049 with the
// sign; an exact 0 stays 0.
double SawyerLatitudeGuard(double latitude);

// The date-line radio groups have an empty fifth item that selects item 2.
char DateLineModeOfItem(int item);
// Bifilar page: 0 bifilar dial, 1 umbrella dials.
void SelectBifilarKind(DialSettings& s, int item);

// ---- choosers --------------------------------------------------------------------

enum class ChooserList { HourA, HourB, Temporal, Interval, Interval4, TemporalStep, AltitudeStep,
                         AltitudeRange, PlanarTemporal, LinesPerMonth, AzimuthDateLines, DayPart,
                         MarkDays };
std::vector<std::string> ChooserItems(ChooserList list, const DialSettings& s);

struct ChooserInfo {
  const char* Name;
  ChooserList List;
  int Group;  // choosers with the same group number show one field
};
// Every chooser of the parameter window.
const std::vector<ChooserInfo>& Choosers();
const ChooserInfo* FindChooser(std::string_view name);

// Stores the choice of a chooser in its field.
void ApplyChooser(DialSettings& s, std::string_view name, int index);
// The entry a chooser shows for the stored field.
int ChooserIndex(const DialSettings& s, std::string_view name);

}  // namespace skiagraf
