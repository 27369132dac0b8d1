#include "draw/RecordingSurface.h"

namespace skiagraf {

namespace {

// Characters, not bytes, of a UTF-8 text.
size_t CharacterCount(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

RecordingSurface::Op RecordingSurface::Make(Kind kind, std::vector<PointD> points) const {
  Op op{kind, std::move(points), pen_, brush_, font_, {}, {}};
  return op;
}

void RecordingSurface::MoveTo(PointD p) {
  position_ = p;
  ops_.push_back(Make(Kind::Move, {p}));
}

void RecordingSurface::LineTo(PointD p) {
  ops_.push_back(Make(Kind::Line, {position_, p}));
  position_ = p;
}

void RecordingSurface::Polyline(const std::vector<PointD>& points) {
  ops_.push_back(Make(Kind::Polyline, points));
  if (!points.empty()) position_ = points.back();
}

void RecordingSurface::Rectangle(PointD c1, PointD c2) { ops_.push_back(Make(Kind::Rectangle, {c1, c2})); }
void RecordingSurface::Ellipse(PointD c1, PointD c2) { ops_.push_back(Make(Kind::Ellipse, {c1, c2})); }

void RecordingSurface::Arc(PointD c1, PointD c2, PointD start, PointD end) {
  ops_.push_back(Make(Kind::Arc, {c1, c2, start, end}));
}

void RecordingSurface::FloodFill(PointD seed, Rgb border) {
  Op op = Make(Kind::FloodFill, {seed});
  op.border = border;
  ops_.push_back(op);
}

void RecordingSurface::TextOut(PointD anchor, const std::string& utf8) {
  Op op = Make(Kind::Text, {anchor});
  op.text = utf8;
  ops_.push_back(op);
}

double RecordingSurface::TextWidth(const std::string& utf8) {
  return 0.55 * font_.height * static_cast<double>(CharacterCount(utf8));
}

double RecordingSurface::TextHeight(const std::string&) { return font_.height; }

std::vector<const RecordingSurface::Op*> RecordingSurface::OpsOfKind(Kind kind) const {
  std::vector<const Op*> out;
  for (const auto& op : ops_)
    if (op.kind == kind) out.push_back(&op);
  return out;
}

std::vector<const RecordingSurface::Op*> RecordingSurface::LinesInColor(Rgb color) const {
  std::vector<const Op*> out;
  for (const auto& op : ops_)
    if (op.kind == Kind::Line && op.pen.color == color) out.push_back(&op);
  return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> out;
  for (const auto& op : ops_)
    if (op.kind == Kind::Text) out.push_back(op.text);
  return out;
}

bool RecordingSurface::HasText(const std::string& fragment) const {
  for (const auto& op : ops_)
    if (op.kind == Kind::Text && op.text.find(fragment) != std::string::npos) return true;
  return false;
}

}  // namespace skiagraf
