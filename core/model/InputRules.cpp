#include "model/InputRules.h"

#include <algorithm>
#include <cmath>

#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "text/Language.h"
#include "text/Texts.h"

namespace skiagraf {

namespace {

constexpr double kRadian = 0.017453292519943295;

bool English() { return CurrentLanguage() == Language::English; }

std::string L(const char* german, const char* english) { return English() ? english : german; }

std::string Trimmed(const std::string& text) {
  const size_t a = text.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return text.substr(a, text.find_last_not_of(' ') - a + 1);
}

std::string Name(int tag) { return EntryName(CatalogueText(tag)); }

// Tangent in degrees; a cosine that vanishes is replaced by +-1e-12 so that the
// Habermel relations stay finite at the pole.
double TanDegrees(double angle) {
  double c = std::cos(angle * kRadian);
  if (std::fabs(c) < 1e-12) c = c < 0 ? -1e-12 : 1e-12;
  return std::sin(angle * kRadian) / c;
}

}  // namespace

// ---- location and year ---------------------------------------------------------

Dms ToDms(double x) {
  // Rounded to whole seconds first, so that a value stored with six decimals, such as
  // 48.133333 for 48° 8′ 0″, shows as 8′ 0″ and not as 7′ 60″.
  const long long total = std::llround(std::fabs(x) * 3600.0);
  Dms d;
  d.Degrees = static_cast<int>(total / 3600);
  d.Minutes = static_cast<int>(total % 3600 / 60);
  d.Seconds = static_cast<int>(total % 60);
  return d;
}

double FromDms(int degrees, int minutes, int seconds) { return degrees + minutes / 60.0 + seconds / 3600.0; }

Hemispheres HemispheresOf(const DialSettings& s) {
  return Hemispheres{!(s.Latitude > 0), s.Longitude < 0, s.ZoneMeridian < 0};
}

namespace {

struct LocationRow {
  const char* decimal;
  const char* degrees;
  const char* minutes;
  const char* seconds;
  int captionTag;
  int maxDegrees;
  int width;
};

constexpr LocationRow kRows[3] = {
    {"Edit11", "Edit1", "Edit2", "Edit8", 301, 90, 10},
    {"Edit13", "Edit3", "Edit4", "Edit9", 302, 180, 11},
    {"Edit15", "Edit6", "Edit7", "Edit10", 303, 180, 11},
};

double& RowTarget(DialSettings& s, int row) {
  return row == 0 ? s.Latitude : (row == 1 ? s.Longitude : s.ZoneMeridian);
}

}  // namespace

void FillDmsRow(EntryForm& form, int row, double value) {
  const Dms d = ToDms(value);
  form.Field(kRows[row].degrees).SetText(std::to_string(d.Degrees));
  form.Field(kRows[row].minutes).SetText(std::to_string(d.Minutes));
  form.Field(kRows[row].seconds).SetText(std::to_string(d.Seconds));
}

void FillLocationFields(EntryForm& form, const DialSettings& s) {
  form.Field("Edit5").SetText(std::to_string(s.ReferenceYear));
  const double values[3] = {s.Latitude, s.Longitude, s.ZoneMeridian};
  for (int row = 0; row < 3; ++row) {
    form.Field(kRows[row].decimal).SetText(FormatReal(values[row], kRows[row].width, 6));
    FillDmsRow(form, row, values[row]);
  }
}

bool LocationFieldExit(EntryForm& form, std::string_view name, DialSettings& s) {
  bool fault = false;
  for (int row = 0; row < 3; ++row) {
    const LocationRow& r = kRows[row];
    // An emptied field shows the part of the stored value again.
    Dms stored = ToDms(RowTarget(s, row));
    if (name == r.degrees)
      return CheckIntRange(form.Field(name), 0, r.maxDegrees, Name(r.captionTag), stored.Degrees, fault);
    if (name == r.minutes) return CheckIntRange(form.Field(name), 0, 60, Title(18), stored.Minutes, fault);
    if (name == r.seconds) return CheckIntRange(form.Field(name), 0, 60, Title(19), stored.Seconds, fault);
    if (name == r.decimal) {
      double& target = RowTarget(s, row);
      const double limit = row == 0 ? 90.0 : 180.0;
      if (!CheckRealRange(form.Field(name), Name(r.captionTag), target, limit, -limit, fault)) return false;
      form.Field(name).SetText(FormatReal(target, 11, 6));
      FillDmsRow(form, row, target);
      return true;
    }
  }
  if (name == "Edit5") return CheckIntRange(form.Field(name), 1300, 2500, Name(305), s.ReferenceYear, fault);
  return true;
}

bool ValidateLocation(EntryForm& form, bool decimalMode, const Hemispheres& hemispheres, DialSettings& s) {
  bool fault = false;
  if (!decimalMode) {
    const bool negate[3] = {hemispheres.South, hemispheres.East, hemispheres.ZoneEast};
    for (int row = 0; row < 3; ++row) {
      const LocationRow& r = kRows[row];
      // An emptied field stands for the part of the stored value.
      Dms parts = ToDms(RowTarget(s, row));
      bool rowFault = false;
      CheckIntRange(form.Field(r.degrees), 0, r.maxDegrees, Name(r.captionTag), parts.Degrees, rowFault);
      CheckIntRange(form.Field(r.minutes), 0, 60, Title(18), parts.Minutes, rowFault);
      CheckIntRange(form.Field(r.seconds), 0, 60, Title(19), parts.Seconds, rowFault);
      if (rowFault) {
        fault = true;
        continue;
      }
      double value = FromDms(parts.Degrees, parts.Minutes, parts.Seconds);
      if (row == 0) {
        if (std::fabs(value) < 0.00001) value = 0.000001;
        if (std::fabs(value) > 90.0) value = value < 0 ? -90.0 : 90.0;
      }
      RowTarget(s, row) = negate[row] ? -value : value;
    }
  } else {
    for (int row = 0; row < 3; ++row) {
      const LocationRow& r = kRows[row];
      const double limit = row == 0 ? 90.0 : 180.0;
      double& target = RowTarget(s, row);
      if (CheckRealRange(form.Field(r.decimal), Name(r.captionTag), target, limit, -limit, fault))
        form.Field(r.decimal).SetText(FormatReal(target, 11, 6));
    }
  }
  CheckIntRange(form.Field("Edit5"), 1300, 2500, Name(305), s.ReferenceYear, fault);

  if (std::fabs(s.ZoneMeridian - s.Longitude) > 15.0) {
    const std::string question =
        English() ? std::string("The difference between zone meridian\n\r and longitude is more than 15 deg!") +
                        "\n\rAre these values correct?"
                  : std::string("Die geogr. Länge ist mehr als 15 Grad\n\r  vom Zonenmeridian entfernt!") +
                        "\n\r Ist dies in Ordnung?";
    if (Ui().Ask(Caption(CaptionKind::Warning), question, QuestionButtons::YesNo, MessageIcon::Warning) !=
        Answer::Yes) {
      fault = true;
      form.Field(decimalMode ? "Edit15" : "Edit6").Focus();
    }
  }
  if (!fault) {
    form.Field("Edit11").SetText(FormatReal(s.Latitude, 10, 6));
    form.Field("Edit13").SetText(FormatReal(s.Longitude, 11, 6));
    form.Field("Edit15").SetText(FormatReal(s.ZoneMeridian, 11, 6));
    for (int row = 0; row < 3; ++row) FillDmsRow(form, row, RowTarget(s, row));
  }
  s.InputsValid = !fault;
  return !fault;
}

// ---- dial type -----------------------------------------------------------------

std::vector<int> DialTypeListItems(bool expertMode) {
  std::vector<int> items;
  for (int i = 0; i < kDialTypeItems; ++i)
    if (expertMode || (i != 9 && i != 10)) items.push_back(i);
  return items;
}

int DialTypeHelpTopic(int item) {
  static constexpr int kTopics[kDialTypeItems] = {10, 10, 10, 12, 13, 18, 17, 19, 20, 212, 54, 55, 57, 64, 0};
  return item >= 0 && item < kDialTypeItems ? kTopics[item] : 0;
}

DialTypeView DialTypeViewOf(const DialSettings& s) {
  DialTypeView v;
  const char c = s.DialTypeCode;
  v.Umbrella = s.UmbrellaMode;
  v.Altitude = c == 'q' && s.ExpertMode && !s.UmbrellaMode;
  v.Cylinder = c == 'z';
  v.Azimuth = c == 'a';
  const bool plane = !s.UmbrellaMode && (c == 'v' || c == 'i');
  v.WallDeclination = plane || (c == 'z' && s.CylinderKind == 2);
  v.DeclinationCaption = c == 'z' ? 346 : 402;
  v.Inclination = c == 'i' && !s.UmbrellaMode;
  v.Gnomon = !(c == 'a' || c == 'c' || c == 'r' || (c == 'q' && s.AltitudeDialKind == 0));
  v.CylinderLength = c == 'z' && s.CylinderKind != 2;
  v.CylinderLengthCaption = 571 + 8 * std::clamp(s.CylinderKind, 0, 1);
  v.CylinderRadius = c == 'z' && s.CylinderKind == 2;
  v.RingDiameter = c == 'r';
  v.HabermelDiameter = c == 'q' && s.AltitudeDialKind != 0;
  if (v.HabermelDiameter) v.Gnomon = false;  // the Habermel gnomon follows from the diameter
  v.EmptyFieldNote = !(c == 'a' || c == 'c' || c == 'q');
  return v;
}

namespace {

std::string DialGnomonText(const DialSettings& s) {
  switch (s.DialTypeCode) {
    case 'z':
      return s.CylinderKind == 2 ? FormatReal(s.PolarCylinderGnomon, 6, 2) : std::to_string(s.CylinderGnomonLength);
    case 'k': return std::to_string(s.HorizontalAltitudeGnomon);
    default: return FormatReal(s.GnomonHeight, 6, 2);
  }
}

// The text of an integer entry cut at its decimal point ("35.7" reads as 35).
void CutAtPoint(EntryField& field) {
  std::string t = field.Text();
  const size_t dot = t.find_first_of(".,");
  if (dot != std::string::npos) field.SetText(t.substr(0, dot));
}

void HabermelTooLarge(MessageIcon icon) {
  Ui().ShowMessage(Caption(CaptionKind::Warning),
                   L(" Zeiger der Sonnenuhr zu groß!  Höchstwert für  ", " Gnomon is to heigh!  Allowed maximum") +
                       "\r\n" +
                       L(" den reslutierenden Kreisdurchmesser ist 190 mm. ",
                         " for resulting dial diameter is 190 mm. "),
                   icon);
}

bool HabermelDiameterCheck(EntryField& field, DialSettings& s, bool& fault) {
  if (!CheckRealRange(field, Name(406), s.HabermelDiameter, 200, 30, fault)) {
    HabermelTooLarge(MessageIcon::Error);
    return false;
  }
  UpdateHabermelGnomon(s);
  field.SetText(FormatReal(s.HabermelDiameter, 6, 1));
  return true;
}

bool WallDeclinationExit(EntryField& field, double& target, bool closing, bool& fault) {
  double value = target;
  bool f = false;
  if (!CheckReal(field, value, f)) {
    fault = true;
    return false;
  }
  if (std::fabs(value) > 180.0) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), closing ? TwoMessages(0, 1) : Message(0), MessageIcon::Warning);
    field.SetText(closing ? "" : FormatReal(target, 7, 2));
    field.Focus();
    fault = true;
    return false;
  }
  if (std::fabs(value) == 180.0) value = 179.9999;
  target = value;
  field.SetText(FormatReal(target, 7, 2));
  return true;
}

}  // namespace

void FillDialTypeFields(EntryForm& form, const DialSettings& s) {
  form.Field("Edit1").SetText(FormatReal(s.WallDeclination, 7, 2));
  form.Field("Edit2").SetText(FormatReal(s.WallInclination, 7, 2));
  form.Field("EdZylRad").SetText(FormatReal(s.CylinderRadius, 7, 2));
  form.Field("EdZylang").SetText(FormatReal(s.CylinderAxisLength, 7, 0));
  form.Field("edHaber").SetText(FormatReal(s.HabermelDiameter, 6, 1));
  form.Field("rDurchEdit").SetText(FormatReal(s.RingDiameter, 4, 0));
  form.Field("Edit3").SetText(DialGnomonText(s));
}

double HabermelGnomonFromDiameter(double diameter, double latitude, double obliquity, int kind) {
  const double high = TanDegrees(90.0 - latitude + obliquity);
  if (kind == 2) return ((diameter - 15.0) / 2.0) / high;
  return (diameter - 15.0) / (TanDegrees(90.0 - latitude - obliquity) + high);
}

double HabermelDiameterFromGnomon(double gnomon, double latitude, double obliquity, int kind) {
  const double high = TanDegrees(90.0 - latitude + obliquity);
  if (kind == 2) return 2.0 * gnomon * high + 15.0;
  return gnomon * (high + TanDegrees(90.0 - latitude - obliquity)) + 15.0;
}

void UpdateHabermelGnomon(DialSettings& s) {
  if (s.AltitudeDialKind != 1 && s.AltitudeDialKind != 2) return;
  s.AltitudeGnomonLength = HabermelGnomonFromDiameter(s.HabermelDiameter, s.Latitude, s.Obliquity, s.AltitudeDialKind);
}

bool DialTypeFieldExit(EntryForm& form, std::string_view name, DialSettings& s) {
  bool fault = false;
  EntryField& field = form.Field(name);
  const char c = s.DialTypeCode;
  if (name == "Edit1") return WallDeclinationExit(field, s.WallDeclination, false, fault);
  if (name == "Edit2") {
    if (c != 'i' || s.UmbrellaMode) return true;
    double value = s.WallInclination;
    if (!CheckReal(field, value, fault)) return false;
    if (value > 0.0 && value <= 175.0) {
      s.WallInclination = value;
      field.SetText(FormatReal(value, 7, 2));
      return true;
    }
    Ui().ShowMessage(Caption(CaptionKind::Error), Message(3), MessageIcon::Error);
    // A refused 0 gives way to the stored inclination; other entries stay for
    // correcting.
    if (value == 0.0) field.SetText(FormatReal(s.WallInclination, 7, 2));
    field.Focus();
    return false;
  }
  if (name == "Edit3") {
    const std::string gnomon = Name(405);
    bool ok = true;
    if (c == 'z' && s.CylinderKind != 2) {
      CutAtPoint(field);
      ok = CheckIntRange(field, 4, 110, gnomon, s.CylinderGnomonLength, fault);
    } else if (c == 'z') {
      ok = CheckRealRange(field, gnomon, s.PolarCylinderGnomon, 110, 4, fault);
    } else if (c == 'k') {
      CutAtPoint(field);
      ok = CheckIntRange(field, 1, 110, gnomon, s.HorizontalAltitudeGnomon, fault);
    } else if (c == 'w' || c == 'h' || c == 'i' || c == 'm' || c == 'v') {
      ok = CheckRealRange(field, gnomon, s.GnomonHeight, 200, 5, fault);
    }
    if (ok) field.SetText(DialGnomonText(s));
    return ok;
  }
  if (name == "EdZylRad") {
    if (!CheckRealRange(field, Name(345), s.CylinderRadius, 500, 4, fault)) return false;
    field.SetText(FormatReal(s.CylinderRadius, 7, 2));
    return true;
  }
  if (name == "EdZylang") {
    const bool ok = CheckIntRangeRetry(field, 3, 290, Name(571 + 8 * std::clamp(s.CylinderKind, 0, 1)),
                                       s.CylinderAxisLength, fault);
    if (ok) field.SetText(FormatReal(s.CylinderAxisLength, 7, 0));
    return ok;
  }
  if (name == "edHaber") return HabermelDiameterCheck(field, s, fault);
  if (name == "rDurchEdit") {
    if (!CheckRealRange(field, Name(406), s.RingDiameter, 300, 10, fault)) return false;
    field.SetText(FormatReal(s.RingDiameter, 4, 0));
    return true;
  }
  return true;
}

bool ValidateDialType(EntryForm& form, DialSettings& s) {
  bool fault = false;
  WallDeclinationExit(form.Field("Edit1"), s.WallDeclination, true, fault);
  {
    EntryField& field = form.Field("Edit2");
    double value = s.WallInclination;
    bool f = false;
    if (!CheckReal(field, value, f)) {
      fault = true;
    } else if (value > 175.0 || value < 0.0) {
      Ui().ShowMessage(Caption(CaptionKind::Error), TwoMessages(3, 1), MessageIcon::Error);
      field.SetText("");
      field.Focus();
      fault = true;
    } else {
      s.WallInclination = value;
    }
  }
  const std::string gnomon = Name(405);
  const char c = s.DialTypeCode;
  EntryField& edit3 = form.Field("Edit3");
  if (c == 'z' && s.CylinderKind != 2) {
    CutAtPoint(edit3);
    CheckIntRange(edit3, 3, 220, gnomon, s.CylinderGnomonLength, fault);
    CheckIntRangeRetry(form.Field("EdZylang"), 3, 290, Name(571 + 8 * std::clamp(s.CylinderKind, 0, 1)),
                       s.CylinderAxisLength, fault);
  } else if (c == 'z') {
    CheckRealRange(edit3, gnomon, s.PolarCylinderGnomon, 220, 3, fault);
    CheckRealRange(form.Field("EdZylRad"), Name(345), s.CylinderRadius, 500, 4, fault);
  } else if (c == 'q' && s.AltitudeDialKind != 0) {
    HabermelDiameterCheck(form.Field("edHaber"), s, fault);
  } else if (c == 'k') {
    CutAtPoint(edit3);
    CheckIntRange(edit3, 3, 220, gnomon, s.HorizontalAltitudeGnomon, fault);
  } else if (c == 'h' || c == 'i' || c == 'v' || c == 'w') {
    if (c == 'h') {
      s.WallDeclination = 0.0;
      s.WallInclination = 0.0;
    }
    CheckRealRange(edit3, gnomon, s.GnomonHeight, 120, 3, fault);
  }
  s.InputsValid = !fault;
  return !fault;
}

std::string ExpertModeLine(bool expertMode) {
  if (expertMode) return Message(68) + "on!" + Message(55);
  return Message(67);
}

// ---- parameter window -----------------------------------------------------------

std::string PageName(ParameterPage page) {
  static const char* kNames[kParameterPages] = {"TabSheet1", "TabSheet6", "TabSheet2", "TabSheet3", "TabSheet7",
                                                "TabSheet8", "TabSheet5", "TabSheet4", "TabSheet9", "TabSheet10"};
  return kNames[static_cast<int>(page)];
}

ParameterPage PageFor(const DialSettings& s) {
  if (s.UmbrellaMode) return ParameterPage::Bifilar;
  switch (s.DialTypeCode) {
    case 'f': return ParameterPage::Bifilar;
    case 'q': return ParameterPage::Quadrant;
    case 'z': return ParameterPage::Cylinder;
    case 'k': return ParameterPage::HorizontalAltitude;
    case 'r': return ParameterPage::Ring;
    case 'a': return ParameterPage::Azimuthal;
    case 'c': return s.ExpertMode ? ParameterPage::Biazimuthal : ParameterPage::Planar;
    case 'm': return s.ExpertMode ? ParameterPage::MeanTime : ParameterPage::Planar;
    case 'w':
    case 'p': return s.ExpertMode ? ParameterPage::Sawyer : ParameterPage::Planar;
    default: return ParameterPage::Planar;
  }
}

void ApplyParameterExpertRules(DialSettings& s) {
  if (s.ExpertMode) return;
  s.AltitudeDialKind = 0;
  if (s.AzimuthCircleKind > 2) s.AzimuthCircleKind -= 3;
  // The ring-hole offsets can only be set in expert mode; otherwise they are the
  // plain ones.
  s.RingHoleOffset = 0.0;
  s.RingHoleOffsetMax = s.Obliquity / 2.0;
}

void DeriveHabermelGnomon(DialSettings& s) {
  const int kind = s.AltitudeDialKind == 2 ? 2 : 1;
  s.AltitudeGnomonLength = HabermelGnomonFromDiameter(s.HabermelDiameter, s.Latitude, s.Obliquity, kind);
  if (s.AltitudeGnomonLength == 0.0) s.AltitudeGnomonLength = 3.0625;
}

void SelectZoneTimeItem(DialSettings& s, int item) {
  if (item != 0 && item != 1) return;
  s.ZoneTime = item == 1;
  s.LocalTime = !s.ZoneTime;
}

void SelectQuadrantDateScale(DialSettings& s, int item) {
  if (item < 0 || item > 2) return;
  s.QuadrantDateScale = item;
  if (item == 2) {
    // The stereographic (Gunter) scale is read in local time only.
    s.ZoneTime = false;
    s.LocalTime = true;
  }
}

int ConeOrientationItem(const DialSettings& s) {
  // The settings file accepts 0 .. 8; the windows read it modulo 3.
  return ((s.ConeOrientation % 3) + 3) % 3;
}

namespace {

// A text field of the parameter window bound to one field of the settings.
struct ParamField {
  const char* name;
  double DialSettings::*real;
  int DialSettings::*integer;
  double exitMin, exitMax;  // range when the field is left
  int nameTag;              // catalogue text naming the field in messages
  int decimals;
};

using S = DialSettings;

const std::vector<ParamField>& ParamFields() {
  static const std::vector<ParamField> fields = {
      {"Ed1", nullptr, &S::AnalemmaHour, 1, 23, 109, 0},
      {"EdDekl", &S::WallDeclination, nullptr, -180, 180, 128, 2},
      {"EdInkl", &S::WallInclination, nullptr, 0, 175, 129, 2},
      {"EdGnom", &S::GnomonHeight, nullptr, 5, 500, 130, 2},
      {"EdSolZeig", &S::GnomonHeight, nullptr, 5, 500, 533, 2},
      {"EdSolKreis", &S::UmbrellaDiskRatio, nullptr, -1e300, 1e300, 534, 2},
      {"EdSolNeig", &S::ConeAxisInclination, nullptr, 0, 80, 535, 2},
      {"EdSolBeta", &S::WallDeclination, nullptr, -180, 180, 536, 2},
      {"Ed1S", nullptr, &S::AnalemmaHour, 1, 23, 109, 0},
      {"edQuad", nullptr, &S::QuadrantSize, 80, 200, 569, 0},
      {"EdHabermel", &S::AltitudeGnomonLength, nullptr, 9, 100, 570, 1},
      {"EdHabermel2", &S::HabermelDiameter, nullptr, 30, 200, 584, 1},
      {"EdLat", &S::Latitude, nullptr, -90, 90, 735, 6},
      {"EdSkala", nullptr, &S::CylinderAxisLength, 0, 400, 572, 0},
      {"EdSkalaS", nullptr, &S::CylinderMaxShadow, 0, 260, 573, 0},
      {"EdRAdius", &S::CylinderRadius, nullptr, 4, 500, 587, 2},
      {"EDekl", &S::WallDeclination, nullptr, -180, 180, 346, 2},
      {"hEdit1", nullptr, &S::HorizontalAltitudeGnomon, 4, 110, 131, 0},
      {"hEdSkala", nullptr, &S::HorizontalMonthScaleLength, 0, 180, 364, 0},
      {"hEdSkalaS", nullptr, &S::HorizontalScaleLength, 0, 260, 589, 0},
      {"rDurchEdit", &S::RingDiameter, nullptr, 10, 300, 594, 1},
      {"rBreitEdit", &S::RingWidth, nullptr, 4.5, 190, 595, 1},
      {"rAlphEdit", &S::RingHolePosition, nullptr, 10, 90, 596, 1},
      {"EdAz1", &S::AzimuthObserverDistance, nullptr, 10, 400, 601, 1},
      {"EdAz2", &S::AzimuthBaseDiameter, nullptr, 3, 200, 602, 1},
      {"EdLat1", &S::Latitude, nullptr, -90, 90, 735, 6},
      {"EdLat1b", &S::Latitude, nullptr, -90, 90, 735, 6},
      {"EdLong1", &S::Longitude, nullptr, -180, 180, 736, 6},
      {"EdLong1b", &S::Longitude, nullptr, -180, 180, 736, 6},
      {"EdZon1", &S::ZoneMeridian, nullptr, -180, 180, 737, 6},
      {"EdZon1b", &S::ZoneMeridian, nullptr, -180, 180, 737, 6},
      {"EdAbw1", &S::WallDeclination, nullptr, -180, 180, 738, 2},
      {"EdAbw1b", &S::WallDeclination, nullptr, -180, 180, 738, 2},
      {"ed2Lat", &S::SecondLatitude, nullptr, -90, 90, 607, 6},
      {"Ed2Long", &S::SecondLongitude, nullptr, -180, 180, 608, 6},
      {"EdAbw2", &S::SecondWallDeclination, nullptr, -180, 180, 609, 2},
      {"Ed2Inklin", &S::WallInclination, nullptr, 0, 175, 739, 2},
      {"Ed2Inklinb", &S::WallInclination, nullptr, 0, 175, 739, 2},
      {"Ed2", nullptr, &S::AnalemmaHour, 1, 23, 109, 0},
      {"EdScale", nullptr, &S::DrawingScale, 5, 9999, 614, 0},
      {"EdKegel", &S::GnomonHeight, nullptr, 5, 500, 615, 2},
      {"EdNeig", &S::ConeAxisInclination, nullptr, -90, 175, 616, 2},
      {"EdSpi", &S::ConeHalfAngle, nullptr, 0, 80, 617, 2},
      {"EdSawyer", &S::GnomonHeight, nullptr, 5, 200, 130, 2},
      {"EdSWi", &S::SawyerLineAngle, nullptr, 1, 15, 623, 2},
      {"EdSaw", &S::Latitude, nullptr, -90, 90, 735, 6},
      {"EdSaw2", &S::Latitude, nullptr, -90, 90, 735, 6},
      {"EdSzp", &S::SawyerLineCenter, nullptr, 0, 900, 624, 1},
      {"EdPeau", &S::PeaucellierConstant, nullptr, -2.1, 2.1, 625, 4},
      {"EdEinheit", nullptr, &S::PeaucellierUnit, 10, 120, 626, 0},
  };
  return fields;
}

const ParamField* FindParam(std::string_view name) {
  for (const ParamField& f : ParamFields())
    if (name == f.name) return &f;
  return nullptr;
}

std::string FieldText(const ParamField& f, const DialSettings& s) {
  if (f.integer) return std::to_string(s.*f.integer);
  return Trimmed(FormatReal(s.*f.real, 10, f.decimals));
}

// Rewrites every field that shows the same setting as `f`, so that copies of a
// field on other pages agree with the stored value.
void RefreshCopies(EntryForm& form, const ParamField& f, const DialSettings& s) {
  for (const ParamField& g : ParamFields()) {
    if ((f.real && g.real == f.real) || (f.integer && g.integer == f.integer))
      if (EntryField* e = form.Find(g.name)) e->SetText(FieldText(g, s));
  }
}

// The bifilar coordinates: ed1x .. ed4z.
std::string BifilarName(int point, int axis) {
  return "ed" + std::to_string(point + 1) + static_cast<char>('x' + axis);
}

std::string BifilarMessageName(int point, int axis) {
  return "P" + std::to_string(point + 1) + (axis == 1 ? "-" : ".") + static_cast<char>('x' + axis) + " = ";
}

double& BifilarValue(DialSettings& s, int point, int axis) {
  BifilarPoint& p = s.BifilarPoints[static_cast<size_t>(point)];
  return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}

bool BifilarCoordinateCheck(EntryForm& form, int point, int axis, DialSettings& s, bool& fault) {
  const bool height = axis == 2 && point < 2;
  EntryField& field = form.Field(BifilarName(point, axis));
  if (!CheckRealRange(field, BifilarMessageName(point, axis), BifilarValue(s, point, axis), 500, height ? 5 : -500,
                      fault))
    return false;
  field.SetText(Trimmed(FormatReal(BifilarValue(s, point, axis), 8, 1)));
  if (height && point == 0) {
    // Both threads of the first pair hang at the same height.
    s.BifilarPoints[1].z = s.BifilarPoints[0].z;
    form.Field("ed2z").SetText(Trimmed(FormatReal(s.BifilarPoints[1].z, 8, 1)));
  }
  return true;
}

// One checked store of a real field with the given range.
bool StoreReal(EntryForm& form, const char* name, double min, double max, DialSettings& s, bool& fault) {
  const ParamField* f = FindParam(name);
  if (!f || !f->real) return false;
  EntryField& field = form.Field(name);
  if (!CheckRealRange(field, Name(f->nameTag), s.*f->real, max, min, fault)) return false;
  RefreshCopies(form, *f, s);
  return true;
}

bool StoreInt(EntryForm& form, const char* name, long min, long max, DialSettings& s, bool& fault) {
  const ParamField* f = FindParam(name);
  if (!f || !f->integer) return false;
  EntryField& field = form.Field(name);
  if (!CheckIntRange(field, min, max, Name(f->nameTag), s.*f->integer, fault)) return false;
  RefreshCopies(form, *f, s);
  return true;
}

double HabermelLatitude(const DialSettings& s) { return std::fabs(s.Latitude); }

void ShowHabermelGnomon(EntryForm& form, const DialSettings& s) {
  form.Field("EdHabermel").SetText(Trimmed(FormatReal(s.AltitudeGnomonLength, 5, 1)));
}

// Leaving the gnomon of a Habermel dial: the diameter follows; a diameter above 200
// is refused with its warning and the old diameter stays.
void HabermelGnomonChanged(EntryForm& form, DialSettings& s) {
  const int kind = s.AltitudeDialKind == 2 ? 2 : 1;
  const double d = HabermelDiameterFromGnomon(s.AltitudeGnomonLength, HabermelLatitude(s), s.Obliquity, kind);
  form.Field("EdHabermel2").SetText(Trimmed(FormatReal(d, 5, 1)));
  if (d > 200.0) {
    HabermelTooLarge(MessageIcon::Information);
    return;
  }
  s.HabermelDiameter = d;
}

void HabermelDiameterChanged(EntryForm& form, DialSettings& s) {
  const int kind = s.AltitudeDialKind == 2 ? 2 : 1;
  s.AltitudeGnomonLength = HabermelGnomonFromDiameter(s.HabermelDiameter, HabermelLatitude(s), s.Obliquity, kind);
  ShowHabermelGnomon(form, s);
}

void StoreSawyerLatitude(EntryForm& form, DialSettings& s) {
  s.Latitude = SawyerLatitudeGuard(s.Latitude);
  RefreshCopies(form, *FindParam("EdSaw"), s);
}

void StoreConeAxis(EntryForm& form, DialSettings& s) {
  if (s.ConeAxisInclination < 0) s.ConeAxisInclination += 180.0;
  RefreshCopies(form, *FindParam("EdNeig"), s);
}

}  // namespace

double SawyerLatitudeGuard(double latitude) {
  if (latitude != 0.0 && std::fabs(latitude) < 0.0049) return latitude < 0 ? -0.0049 : 0.0049;
  return latitude;
}

bool UmbrellaTiltCheck(const DialSettings& s) {
  if (s.UmbrellaDiskRatio == 0.0) {
    Ui().ShowMessage(Caption(CaptionKind::Error), Message(21), MessageIcon::Error);
    return true;
  }
  if (std::atan(s.UmbrellaDiskRatio / 100.0) / kRadian + s.ConeAxisInclination > 85.0) {
    Ui().ShowMessage(Caption(CaptionKind::Error), Message(17), MessageIcon::Error);
    return false;
  }
  return true;
}

bool ConeHalfAngleNote(const DialSettings& s) {
  if (s.ConeHalfAngle < s.ConeAxisInclination) return false;
  Ui().ShowMessage(Caption(CaptionKind::Warning), CatalogueText(618), MessageIcon::Information);
  return true;
}

char DateLineModeOfItem(int item) {
  if (item < 0 || item > 3) item = 2;
  return static_cast<char>('0' + item);
}

void SelectBifilarKind(DialSettings& s, int item) {
  if (item == 0) {
    s.DialTypeCode = 'f';
    s.UmbrellaMode = false;
    return;
  }
  s.UmbrellaMode = true;
  const char o = s.UmbrellaOrientation;
  s.DialTypeCode = (o == 'i' || o == 'v' || o == 'h') ? o : 'h';
}

void FillParameterFields(EntryForm& form, const DialSettings& s) {
  for (const ParamField& f : ParamFields())
    if (EntryField* e = form.Find(f.name)) e->SetText(FieldText(f, s));
  DialSettings copy = s;
  ShowHabermelGnomon(form, s);
  if (EntryField* e = form.Find("Edit1"))
    e->SetText(s.CylinderKind == 2 ? Trimmed(FormatReal(s.PolarCylinderGnomon, 8, 2))
                                   : std::to_string(s.CylinderGnomonLength));
  if (EntryField* e = form.Find("rOff2"))
    e->SetText(Trimmed(FormatReal(s.YearRoundBand ? s.RingHoleOffset : s.RingHoleOffsetMax, 8, 2)));
  for (int p = 0; p < 4; ++p)
    for (int a = 0; a < 3; ++a)
      if (EntryField* e = form.Find(BifilarName(p, a)))
        e->SetText(Trimmed(FormatReal(BifilarValue(copy, p, a), 8, 1)));
}

bool ParameterFieldExit(EntryForm& form, std::string_view name, DialSettings& s) {
  bool fault = false;
  for (int p = 0; p < 4; ++p)
    for (int a = 0; a < 3; ++a)
      if (name == BifilarName(p, a)) return BifilarCoordinateCheck(form, p, a, s, fault);

  if (name == "Edit1") {
    EntryField& field = form.Field(name);
    if (s.CylinderKind == 2) {
      if (!CheckRealRange(field, Name(131), s.PolarCylinderGnomon, 110, 4, fault)) return false;
      field.SetText(Trimmed(FormatReal(s.PolarCylinderGnomon, 8, 2)));
      return true;
    }
    CutAtPoint(field);
    return CheckIntRange(field, 4, 110, Name(131), s.CylinderGnomonLength, fault);
  }
  if (name == "rOff2") {
    EntryField& field = form.Field(name);
    if (!s.ExpertMode) return true;
    if (s.YearRoundBand) return CheckRealRange(field, Name(597), s.RingHoleOffset, 23.44, -23.44, fault);
    return CheckRealRange(field, Name(597), s.RingHoleOffsetMax, 23.44, 0, fault);
  }
  const ParamField* f = FindParam(name);
  if (!f) return true;
  EntryField& field = form.Field(name);
  if (name == "EdSolKreis") {
    double value = s.UmbrellaDiskRatio;
    if (!CheckReal(field, value, fault)) return false;
    s.UmbrellaDiskRatio = value;
    return true;
  }
  bool ok = f->integer ? CheckIntRange(field, static_cast<long>(f->exitMin), static_cast<long>(f->exitMax),
                                       Name(f->nameTag), s.*f->integer, fault)
                       : CheckRealRange(field, Name(f->nameTag), s.*f->real, f->exitMax, f->exitMin, fault);
  if (name == "EdSolNeig" && !ok) {
    Ui().ShowMessage(Caption(CaptionKind::Error), TwoMessages(2, 1), MessageIcon::Warning);
    return false;
  }
  if (!ok) return false;
  if (name == "EdDekl" || name == "EdSolBeta" || name == "EDekl" || name == "EdAbw1" || name == "EdAbw1b")
    if (std::fabs(s.WallDeclination) == 180.0) s.WallDeclination = 179.9999;
  if (name == "EdHabermel") HabermelGnomonChanged(form, s);
  if (name == "EdHabermel2") HabermelDiameterChanged(form, s);
  if (name == "EdSaw" || name == "EdSaw2") s.Latitude = SawyerLatitudeGuard(s.Latitude);
  if (name == "EdNeig" && s.ConeAxisInclination < 0) s.ConeAxisInclination += 180.0;
  RefreshCopies(form, *f, s);
  if (name == "EdSolNeig") UmbrellaTiltCheck(s);
  if (name == "EdSpi") ConeHalfAngleNote(s);
  return true;
}

bool TransferPage(EntryForm& form, ParameterPage page, DialSettings& s) {
  bool fault = false;
  switch (page) {
    case ParameterPage::Quadrant:
      if (s.AltitudeDialKind != 0) {
        EntryField& gnomon = form.Field("EdHabermel");
        const std::optional<double> typed = ParseRealText(gnomon.Text());
        if (!typed) {
          bool f = false;
          double scratch = s.AltitudeGnomonLength;
          CheckRealRange(gnomon, Name(570), scratch, 100, 9, f);
          s.InputsValid = false;
          return false;
        }
        if (std::fabs(*typed - s.AltitudeGnomonLength) > 0.1) {
          if (CheckRealRange(gnomon, Name(570), s.AltitudeGnomonLength, 100, 9, fault))
            HabermelGnomonChanged(form, s);
        }
        if (StoreReal(form, "EdHabermel2", 30, 200, s, fault)) HabermelDiameterChanged(form, s);
        StoreReal(form, "EdLat", -90, 90, s, fault);
      } else {
        StoreInt(form, "edQuad", 80, 200, s, fault);
        // Temporal hours are not read in zone time.
        if (s.TemporalHourLines) s.ZoneTime = false;
      }
      break;
    case ParameterPage::Cylinder: {
      EntryField& gnomon = form.Field("Edit1");
      if (s.CylinderKind == 2) {
        CheckRealRange(gnomon, Name(131), s.PolarCylinderGnomon, 110, 4, fault);
        StoreReal(form, "EdRAdius", 4, 500, s, fault);
        if (StoreReal(form, "EDekl", -180, 180, s, fault) && std::fabs(s.WallDeclination) == 180.0)
          s.WallDeclination = 179.9999;
      } else {
        CutAtPoint(gnomon);
        CheckIntRange(gnomon, 4, 110, Name(131), s.CylinderGnomonLength, fault);
        StoreInt(form, "EdSkala", 0, 400, s, fault);
      }
      StoreInt(form, "EdSkalaS", 0, 200, s, fault);
      break;
    }
    case ParameterPage::Azimuthal:
      StoreReal(form, "EdAz1", 10, 400, s, fault);
      StoreReal(form, "EdAz2", 3, 200, s, fault);
      break;
    case ParameterPage::Bifilar:
      if (s.UmbrellaMode) {
        double height = s.GnomonHeight;
        EntryField& zeig = form.Field("EdSolZeig");
        if (CheckReal(zeig, height, fault)) {
          if (height > 0) {
            s.GnomonHeight = height;
          } else {
            Ui().ShowMessage(Caption(CaptionKind::Error), Message(2), MessageIcon::Warning);
            zeig.Focus();
            fault = true;
          }
        }
        double incl = s.ConeAxisInclination;
        if (CheckReal(form.Field("EdSolNeig"), incl, fault)) s.ConeAxisInclination = incl;
        StoreReal(form, "EdSolBeta", -180, 180, s, fault);
        StoreInt(form, "Ed1S", 1, 23, s, fault);
        EntryField& ratio = form.Field("EdSolKreis");
        if (const std::optional<double> r = ParseRealText(ratio.Text())) {
          s.UmbrellaDiskRatio = *r;
        } else {
          Ui().ShowMessage(Caption(CaptionKind::Problem), Message(4), MessageIcon::Warning);
          ratio.Focus();
          fault = true;
        }
        if (s.DialTypeCode != 'f') s.UmbrellaOrientation = s.DialTypeCode;
        if (s.DialTypeCode == 'i' && !UmbrellaTiltCheck(s)) fault = true;
      } else {
        for (int p = 0; p < 4; ++p)
          for (int a = 0; a < 3; ++a)
            if (!(p == 1 && a == 2)) BifilarCoordinateCheck(form, p, a, s, fault);
      }
      break;
    case ParameterPage::HorizontalAltitude:
      StoreInt(form, "hEdit1", 4, 110, s, fault);
      StoreInt(form, "hEdSkala", 0, 180, s, fault);
      StoreInt(form, "hEdSkalaS", 0, 260, s, fault);
      break;
    case ParameterPage::Ring:
      StoreReal(form, "rDurchEdit", 10, 300, s, fault);
      StoreReal(form, "rBreitEdit", 4.5, 300, s, fault);
      StoreReal(form, "rAlphEdit", 10, 90, s, fault);
      if (s.ExpertMode) {
        if (s.YearRoundBand)
          CheckRealRange(form.Field("rOff2"), Name(597), s.RingHoleOffset, 23.44, -23.44, fault);
        else
          CheckRealRange(form.Field("rOff2"), Name(597), s.RingHoleOffsetMax, 23.44, 0, fault);
      }
      // The time kind of the ring: local time, or temporal hours without local or
      // zone time.
      if (s.TemporalHourLines) {
        s.ZoneTime = false;
        s.LocalTime = false;
      } else {
        s.LocalTime = true;
      }
      break;
    case ParameterPage::Sawyer:
      StoreReal(form, "EdSawyer", 5, 200, s, fault);
      StoreReal(form, "EdSWi", 0.5, 15, s, fault);
      if (StoreReal(form, "EdSaw", -90, 90, s, fault)) StoreSawyerLatitude(form, s);
      if (StoreReal(form, "EdSaw2", -90, 90, s, fault)) StoreSawyerLatitude(form, s);
      StoreReal(form, "EdSzp", 0, 900, s, fault);
      StoreInt(form, "EdEinheit", 0, 300, s, fault);
      StoreReal(form, "EdPeau", -2.1, 2.1, s, fault);
      break;
    case ParameterPage::Biazimuthal:
    case ParameterPage::MeanTime: {
      // Each position appears twice (one field per page); the page shown counts.
      const bool mean = page == ParameterPage::MeanTime;
      StoreReal(form, mean ? "EdLat1b" : "EdLat1", -90, 90, s, fault);
      StoreReal(form, "ed2Lat", -90, 90, s, fault);
      StoreReal(form, mean ? "EdLong1b" : "EdLong1", -180, 180, s, fault);
      StoreReal(form, "Ed2Long", -180, 180, s, fault);
      StoreReal(form, mean ? "EdAbw1b" : "EdAbw1", -180, 180, s, fault);
      StoreReal(form, "EdAbw2", -180, 180, s, fault);
      StoreReal(form, mean ? "EdZon1b" : "EdZon1", -180, 180, s, fault);
      StoreReal(form, mean ? "Ed2Inklinb" : "Ed2Inklin", 0, 175, s, fault);
      StoreInt(form, "Ed2", 1, 23, s, fault);
      StoreReal(form, "EdKegel", 5, 500, s, fault);
      if (StoreReal(form, "EdNeig", -175, 175, s, fault)) StoreConeAxis(form, s);
      StoreInt(form, "EdScale", 5, 99000, s, fault);
      StoreReal(form, "EdSpi", 0, 85, s, fault);
      break;
    }
    case ParameterPage::Planar:
      StoreInt(form, "Ed1", 1, 23, s, fault);
      if (s.DialTypeCode == 'i' && !ParameterFieldExit(form, "EdInkl", s)) fault = true;
      if (!ParameterFieldExit(form, "EdDekl", s)) fault = true;
      if (!ParameterFieldExit(form, "EdGnom", s)) fault = true;
      break;
  }
  s.InputsValid = !fault;
  if (fault) Ui().ShowMessage(Caption(CaptionKind::Error), Message(8), MessageIcon::Warning);
  return !fault;
}

// ---- choosers --------------------------------------------------------------------

std::vector<std::string> ChooserItems(ChooserList list, const DialSettings& s) {
  std::vector<std::string> items;
  switch (list) {
    case ChooserList::HourA:
      for (int h = 0; h <= 24; ++h) items.push_back(" " + std::to_string(h) + "  Uhr");
      break;
    case ChooserList::HourB:
      items = s.HourLabels;
      if (items.empty())
        for (int h = 0; h <= 24; ++h) items.push_back(FormatInt(h, 3));
      break;
    case ChooserList::Temporal:
      items = s.TemporalLabels;
      if (items.empty())
        for (int h = 0; h <= 12; ++h) items.push_back(FormatInt(h, 3));
      break;
    case ChooserList::Interval: items = {" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"}; break;
    case ChooserList::Interval4: items = {" 60 min", " 30 min", " 20 min", " 15 min"}; break;
    case ChooserList::TemporalStep: items = {"1", "0.5", "0.333", "0.25"}; break;
    case ChooserList::AltitudeStep: items = {"10 °", "  5 °", " 2.5 °"}; break;
    case ChooserList::AltitudeRange:
      for (int a = 10; a <= 80; a += 10) items.push_back(" " + std::to_string(a) + "°");
      break;
    case ChooserList::PlanarTemporal:
      for (int h = 0; h <= 12; ++h) items.push_back(FormatInt(h, 3));
      break;
    // The two-position, Sawyer and Habermel dials read DateLineMode as one, two or
    // three lines per month; "no date lines" ('3') has no entry here.
    case ChooserList::LinesPerMonth: items = CatalogueList(46, 3); break;
    case ChooserList::AzimuthDateLines: items = CatalogueList(630, 4); break;
    case ChooserList::DayPart: items = CatalogueList(56, 3); break;
    case ChooserList::MarkDays: items = {"(  1.  )", "( 1.,  15. )", "( 7.,  22. )", "( 1., 11., 21. )", "( 1., 8., 15., 22. )"}; break;
  }
  return items;
}

namespace {

enum Group {
  kMainStart = 1, kMainEnd, kEotStart, kEotEnd, kDialStart, kDialEnd, kDialTempStart, kDialTempEnd,
  kBabStart, kBabEnd, kItStart, kItEnd, kTempStart, kTempEnd, kAltStart, kAltEnd, kAzDateLines,
  kBifilarInterval, kHourInterval, kEotInterval, kBabInterval, kItInterval, kTempInterval, kAltInterval,
  kDialTempInterval, kMarkDays, kRingBab, kRingIt, kLinesPerMonth
};

}  // namespace

const std::vector<ChooserInfo>& Choosers() {
  using C = ChooserList;
  static const std::vector<ChooserInfo> choosers = {
      {"ComboAnf", C::HourA, kMainStart}, {"cSoAnf", C::HourB, kMainStart}, {"coBiAnf", C::HourB, kMainStart},
      {"ComboEnd", C::HourA, kMainEnd}, {"cSoEnd", C::HourB, kMainEnd}, {"CoBiEnd", C::HourB, kMainEnd},
      {"CEotAnf", C::HourA, kEotStart}, {"cEotAnfS", C::HourB, kEotStart}, {"cAzEotAnf", C::HourB, kEotStart},
      {"cEotAnf2", C::HourA, kEotStart},
      {"CEotEnd", C::HourA, kEotEnd}, {"cEotEndS", C::HourB, kEotEnd}, {"cAzEotEnd", C::HourB, kEotEnd},
      {"cEotEnd2", C::HourA, kEotEnd},
      {"CEdAnf", C::HourA, kDialStart}, {"cAAnf", C::HourA, kDialStart}, {"cAcoAnf", C::HourB, kDialStart},
      {"CQAnf", C::HourA, kDialStart}, {"hCEdAnf", C::HourA, kDialStart}, {"cAcoAnfb", C::HourB, kDialStart},
      {"CEdRvon", C::HourA, kDialStart},
      {"CEdEnd", C::HourA, kDialEnd}, {"cAEnd", C::HourA, kDialEnd}, {"CaCoEnd", C::HourB, kDialEnd},
      {"CQend", C::HourA, kDialEnd}, {"hCEdEnd", C::HourA, kDialEnd}, {"CaCoEndb", C::HourB, kDialEnd},
      {"cEdRBis", C::HourA, kDialEnd},
      {"cQtAnf", C::Temporal, kDialTempStart}, {"cTeAnf3", C::Temporal, kDialTempStart},
      {"hcEdtAnf", C::Temporal, kDialTempStart}, {"cRtAnf", C::Temporal, kDialTempStart},
      {"cAtAnf", C::Temporal, kDialTempStart},
      {"cQtEnd", C::Temporal, kDialTempEnd}, {"cTeEnd3", C::Temporal, kDialTempEnd},
      {"hcEdtEnd", C::Temporal, kDialTempEnd}, {"cRtEnd", C::Temporal, kDialTempEnd},
      {"cAtEnd", C::Temporal, kDialTempEnd},
      {"cBaAnf", C::HourB, kBabStart}, {"cBAAnfS", C::HourB, kBabStart}, {"cBaAnf2", C::HourB, kBabStart},
      {"cBaAnf3", C::HourB, kBabStart}, {"CBaAnf4", C::HourB, kBabStart},
      {"cBaEnd", C::HourB, kBabEnd}, {"cBAEndS", C::HourB, kBabEnd}, {"cBaEnd2", C::HourB, kBabEnd},
      {"cBaEnd3", C::HourB, kBabEnd}, {"CBaEnd4", C::HourB, kBabEnd},
      {"CItAnf", C::HourB, kItStart}, {"cItAnfS", C::HourB, kItStart}, {"CItAnf2", C::HourB, kItStart},
      {"cItAnf3", C::HourB, kItStart}, {"CItAnf4", C::HourB, kItStart},
      {"CItEnd", C::HourB, kItEnd}, {"cItEndS", C::HourB, kItEnd}, {"CItEnd2", C::HourB, kItEnd},
      {"cItEnd3", C::HourB, kItEnd}, {"CItEnd4", C::HourB, kItEnd},
      {"CTeAnf", C::PlanarTemporal, kTempStart}, {"CTeAnfS", C::PlanarTemporal, kTempStart},
      {"CTeEnd", C::PlanarTemporal, kTempEnd}, {"CTeEndS", C::PlanarTemporal, kTempEnd},
      {"CHoAnf", C::AltitudeRange, kAltStart}, {"ChoEnd", C::AltitudeRange, kAltEnd},
      {"cDatLin", C::AzimuthDateLines, kAzDateLines},
      {"ComboStund", C::Interval, kBifilarInterval}, {"cSoStund", C::Interval, kBifilarInterval},
      {"coBiDist", C::Interval, kBifilarInterval},
      {"CStund", C::Interval, kHourInterval}, {"hCStund", C::Interval, kHourInterval},
      {"cAStund", C::Interval, kHourInterval}, {"CaCoStund", C::Interval, kHourInterval},
      {"CaCoStundb", C::Interval, kHourInterval}, {"cQStund", C::Interval, kHourInterval},
      {"cRInt", C::Interval, kHourInterval}, {"cSint", C::Interval, kHourInterval},
      {"cPint", C::Interval, kHourInterval},
      {"CEotStund", C::Interval, kEotInterval}, {"cEoTStundS", C::Interval, kEotInterval},
      {"cEotInt2", C::Interval, kEotInterval},
      {"cBaInt", C::Interval, kBabInterval}, {"cBaIntS", C::Interval, kBabInterval},
      {"cBaInt2", C::Interval, kBabInterval}, {"cBaInt3", C::Interval, kBabInterval},
      {"CBaInt4", C::Interval, kBabInterval},
      {"cItInt", C::Interval4, kItInterval}, {"cItIntS", C::Interval4, kItInterval},
      {"cItInt2", C::Interval4, kItInterval}, {"cItInt3", C::Interval4, kItInterval},
      {"CItInt4", C::Interval4, kItInterval},
      {"cTeInt", C::TemporalStep, kTempInterval}, {"cTeIntS", C::TemporalStep, kTempInterval},
      {"choInt", C::AltitudeStep, kAltInterval}, {"cHoIntS", C::AltitudeStep, kAltInterval},
      {"cQtStund", C::TemporalStep, kDialTempInterval}, {"cTeInt3", C::TemporalStep, kDialTempInterval},
      {"hctStund", C::TemporalStep, kDialTempInterval}, {"cRtInt", C::TemporalStep, kDialTempInterval},
      {"cAtStund", C::TemporalStep, kDialTempInterval},
      {"cMarkier", C::MarkDays, kMarkDays}, {"cMarkierS", C::MarkDays, kMarkDays},
      {"BabBox", C::DayPart, kRingBab}, {"ItBox", C::DayPart, kRingIt},
      {"cLinZl", C::LinesPerMonth, kLinesPerMonth}, {"cLinZl2", C::LinesPerMonth, kLinesPerMonth},
      {"cLinZlS", C::LinesPerMonth, kLinesPerMonth}, {"cLinZlH", C::LinesPerMonth, kLinesPerMonth},
  };
  return choosers;
}

const ChooserInfo* FindChooser(std::string_view name) {
  for (const ChooserInfo& c : Choosers())
    if (name == c.Name) return &c;
  return nullptr;
}

namespace {

int* IntField(DialSettings& s, int group) {
  switch (group) {
    case kMainStart: return &s.MainTimeStart;
    case kMainEnd: return &s.MainTimeEnd;
    case kEotStart: return &s.EotTimeStart;
    case kEotEnd: return &s.EotTimeEnd;
    case kDialStart: return &s.DialTimeStart;
    case kDialEnd: return &s.DialTimeEnd;
    case kDialTempStart: return &s.DialTemporalStart;
    case kDialTempEnd: return &s.DialTemporalEnd;
    case kBabStart: return &s.BabylonianStart;
    case kBabEnd: return &s.BabylonianEnd;
    case kItStart: return &s.ItalianStart;
    case kItEnd: return &s.ItalianEnd;
    case kTempStart: return &s.TemporalStart;
    case kTempEnd: return &s.TemporalEnd;
    case kBabInterval: return &s.BabylonianInterval;
    case kItInterval: return &s.ItalianInterval;
    case kTempInterval: return &s.TemporalInterval;
    case kAltInterval: return &s.AltitudeInterval;
    case kDialTempInterval: return &s.DialTemporalInterval;
    case kMarkDays: return &s.AnalemmaMarkDays;
    case kRingBab: return &s.RingBabylonianPart;
    case kRingIt: return &s.RingItalianPart;
    default: return nullptr;
  }
}

char* CharField(DialSettings& s, int group) {
  switch (group) {
    case kBifilarInterval: return &s.BifilarHourInterval;
    case kHourInterval: return &s.HourInterval;
    case kEotInterval: return &s.EotHourInterval;
    case kLinesPerMonth: return &s.DateLineMode;
    default: return nullptr;
  }
}

}  // namespace

void ApplyChooser(DialSettings& s, std::string_view name, int index) {
  const ChooserInfo* c = FindChooser(name);
  if (!c || index < 0) return;
  const int count = static_cast<int>(ChooserItems(c->List, s).size());
  if (index >= count) return;
  if (c->Group == kAltStart) s.AltitudeLineStart = 10 * index + 10;
  else if (c->Group == kAltEnd) s.AltitudeLineEnd = 10 * index + 10;
  else if (c->Group == kAzDateLines) s.AzimuthDateLinesPerMonth = index + 1;
  else if (c->Group == kEotInterval) s.EotHourInterval = index == 4 ? '6' : static_cast<char>('0' + index);
  else if (char* ch = CharField(s, c->Group)) *ch = static_cast<char>('0' + index);
  else if (int* i = IntField(s, c->Group)) *i = index;
}

int ChooserIndex(const DialSettings& s, std::string_view name) {
  const ChooserInfo* c = FindChooser(name);
  if (!c) return -1;
  DialSettings& m = const_cast<DialSettings&>(s);  // read only: the field pointers are not written
  int index = -1;
  if (c->Group == kAltStart) index = (s.AltitudeLineStart - 10) / 10;
  else if (c->Group == kAltEnd) index = (s.AltitudeLineEnd - 10) / 10;
  else if (c->Group == kAzDateLines) index = s.AzimuthDateLinesPerMonth - 1;
  else if (c->Group == kEotInterval) index = s.EotHourInterval == '6' ? 4 : s.EotHourInterval - '0';
  else if (char* ch = CharField(m, c->Group)) index = *ch - '0';
  else if (int* i = IntField(m, c->Group)) index = *i;
  const int count = static_cast<int>(ChooserItems(c->List, s).size());
  return index >= 0 && index < count ? index : -1;
}

}  // namespace skiagraf
