#include "draw/SvgSurface.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace skiagraf {

namespace {

std::string Num(double v) {
  if (!std::isfinite(v)) v = 0;
  // to_chars writes the decimal point whatever the locale (snprintf would write a
  // comma under a German one).
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  std::string s(buf, ec == std::errc() ? end : buf);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::string Color(Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

size_t CharacterCount(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

std::string Dash(LineStyle style, double width) {
  const double w = std::max(1.0, width);
  switch (style) {
    case LineStyle::Dash: return Num(6 * w) + "," + Num(3 * w);
    case LineStyle::Dot: return Num(w) + "," + Num(2 * w);
    case LineStyle::DashDot: return Num(6 * w) + "," + Num(2 * w) + "," + Num(w) + "," + Num(2 * w);
    case LineStyle::DashDotDot:
      return Num(6 * w) + "," + Num(2 * w) + "," + Num(w) + "," + Num(2 * w) + "," + Num(w) + "," + Num(2 * w);
    case LineStyle::Solid: break;
  }
  return "";
}

// The ascent of a face in font heights: the baseline lies this far below the top of
// the text cell. The values are those of the metric-compatible faces that stand in
// for Arial, Times New Roman and Courier New on a Linux desktop.
double AscentOf(const std::string& face) {
  if (face == "Arial") return 0.905;
  if (face == "Times New Roman" || face == "MS Serif") return 0.891;
  if (face == "Courier" || face == "Courier New") return 0.833;
  return 0.9;
}

// The face followed by a generic family, for readers that do not have it.
std::string FontFamilies(const std::string& face) {
  if (face == "Times New Roman" || face == "MS Serif") return face + ", serif";
  if (face == "Courier" || face == "Courier New") return face + ", monospace";
  return face + ", sans-serif";
}

}  // namespace

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Control characters are not allowed in XML 1.0 documents.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') out += ' ';
        else out += c;
    }
  }
  return out;
}

SvgSurface::SvgSurface(double width, double height) : width_(width), height_(height) {}

void SvgSurface::SetPen(const PenSpec& pen) {
  if (!(pen == pen_)) Flush();
  pen_ = pen;
}

std::string SvgSurface::StrokeAttributes() const {
  const double w = pen_.width <= 1 ? 1 : pen_.width;
  std::string a = "stroke=\"" + Color(pen_.color) + "\" stroke-width=\"" + Num(w) + "\"";
  const std::string dash = Dash(pen_.style, w);
  if (!dash.empty()) a += " stroke-dasharray=\"" + dash + "\"";
  if (pen_.palettePen > 0) a += " data-pen=\"" + std::to_string(pen_.palettePen) + "\"";
  return a;
}

std::string SvgSurface::FillAttribute() const {
  return brush_.solid ? "fill=\"" + Color(brush_.color) + "\"" : "fill=\"none\"";
}

void SvgSurface::Flush() {
  if (path_.find('L') != std::string::npos)
    body_ << "<path d=\"" << path_ << "\" fill=\"none\" " << StrokeAttributes() << "/>\n";
  path_.clear();
}

void SvgSurface::MoveTo(PointD p) {
  position_ = p;
  if (path_.find('L') == std::string::npos) path_.clear();
  if (!path_.empty()) path_ += ' ';
  path_ += "M" + Num(p.x) + " " + Num(p.y);
}

void SvgSurface::LineTo(PointD p) {
  if (path_.empty()) path_ = "M" + Num(position_.x) + " " + Num(position_.y);
  path_ += " L" + Num(p.x) + " " + Num(p.y);
  position_ = p;
}

void SvgSurface::Polyline(const std::vector<PointD>& points) {
  if (points.empty()) return;
  MoveTo(points.front());
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i]);
}

void SvgSurface::Rectangle(PointD a, PointD b) {
  Flush();
  body_ << "<rect x=\"" << Num(std::min(a.x, b.x)) << "\" y=\"" << Num(std::min(a.y, b.y)) << "\" width=\""
        << Num(std::fabs(b.x - a.x)) << "\" height=\"" << Num(std::fabs(b.y - a.y)) << "\" " << FillAttribute() << " "
        << StrokeAttributes() << "/>\n";
}

void SvgSurface::Ellipse(PointD a, PointD b) {
  Flush();
  body_ << "<ellipse cx=\"" << Num((a.x + b.x) / 2) << "\" cy=\"" << Num((a.y + b.y) / 2) << "\" rx=\""
        << Num(std::fabs(b.x - a.x) / 2) << "\" ry=\"" << Num(std::fabs(b.y - a.y) / 2) << "\" " << FillAttribute()
        << " " << StrokeAttributes() << "/>\n";
}

void SvgSurface::Arc(PointD a, PointD b, PointD start, PointD end) {
  Flush();
  const double cx = (a.x + b.x) / 2, cy = (a.y + b.y) / 2;
  const double rx = std::fabs(b.x - a.x) / 2, ry = std::fabs(b.y - a.y) / 2;
  if (rx <= 0 || ry <= 0) return;
  // Angles on the screen, counter-clockwise as seen (y grows downwards).
  const double a0 = std::atan2(-(start.y - cy) / ry, (start.x - cx) / rx);
  double a1 = std::atan2(-(end.y - cy) / ry, (end.x - cx) / rx);
  if (a1 <= a0) a1 += 2 * M_PI;
  const double sweep = a1 - a0;
  const PointD p0{cx + rx * std::cos(a0), cy - ry * std::sin(a0)};
  const PointD p1{cx + rx * std::cos(a1), cy - ry * std::sin(a1)};
  body_ << "<path d=\"M" << Num(p0.x) << " " << Num(p0.y) << " A" << Num(rx) << " " << Num(ry) << " 0 "
        << (sweep > M_PI ? 1 : 0) << " 0 " << Num(p1.x) << " " << Num(p1.y) << "\" fill=\"none\" "
        << StrokeAttributes() << "/>\n";
}

void SvgSurface::FloodFill(PointD seed, Rgb border) {
  Flush();
  body_ << "<!-- flood fill at " << Num(seed.x) << "," << Num(seed.y) << " up to " << Color(border) << " with "
        << Color(brush_.color) << " -->\n";
}

void SvgSurface::TextOut(PointD anchor, const std::string& utf8) {
  Flush();
  // The anchor is the top-left corner of the text cell. SVG places text by its
  // baseline (readers differ in honouring other alignments), so the baseline is put
  // one ascent below the anchor, and a rotation turns the text about the anchor.
  const double baseline = anchor.y + AscentOf(font_.face) * font_.height;
  body_ << "<text x=\"" << Num(anchor.x) << "\" y=\"" << Num(baseline) << "\" font-family=\""
        << XmlEscaped(FontFamilies(font_.face)) << "\" font-size=\"" << Num(font_.height) << "\" fill=\""
        << Color(font_.color) << "\"";
  if (font_.bold) body_ << " font-weight=\"bold\"";
  if (font_.italic) body_ << " font-style=\"italic\"";
  if (font_.angle != 0)
    body_ << " transform=\"rotate(" << Num(-font_.angle) << " " << Num(anchor.x) << " " << Num(anchor.y) << ")\"";
  body_ << " xml:space=\"preserve\">" << XmlEscaped(utf8) << "</text>\n";
}

double SvgSurface::TextWidth(const std::string& utf8) {
  return 0.55 * font_.height * static_cast<double>(CharacterCount(utf8));
}

double SvgSurface::TextHeight(const std::string&) { return font_.height; }

std::string SvgSurface::Document() {
  Flush();
  std::ostringstream doc;
  doc << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Num(width_) << "\" height=\"" << Num(height_)
      << "\" viewBox=\"0 0 " << Num(width_) << " " << Num(height_) << "\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
      << body_.str() << "</svg>\n";
  return doc.str();
}

}  // namespace skiagraf
