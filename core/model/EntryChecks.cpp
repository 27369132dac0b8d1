#include "model/EntryChecks.h"

#include <charconv>
#include <cmath>

#include "base/NumberFormat.h"
#include "base/UserInterface.h"
#include "text/Language.h"
#include "text/Texts.h"

namespace skiagraf {

EntryField& EntryForm::Field(std::string_view name) {
  if (EntryField* f = Find(name)) return *f;
  return scratch_;
}

EntryField* TextEntryForm::Find(std::string_view name) { return &(*this)[name]; }

TextEntry& TextEntryForm::operator[](std::string_view name) {
  auto it = fields_.find(name);
  if (it == fields_.end()) it = fields_.emplace(std::string(name), TextEntry{}).first;
  return it->second;
}

std::string CleanRealText(std::string_view text) {
  std::string cleaned;
  for (char c : text) {
    if (c == ',') c = '.';
    if (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9')) cleaned += c;
  }
  return cleaned;
}

std::optional<double> ParseRealText(std::string_view text) {
  std::string cleaned = CleanRealText(text);
  if (!cleaned.empty() && cleaned.front() == '+') cleaned.erase(cleaned.begin());
  if (cleaned.empty()) return std::nullopt;
  double value = 0.0;
  const char* end = cleaned.data() + cleaned.size();
  auto [ptr, ec] = std::from_chars(cleaned.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<long> ParseIntText(std::string_view text) {
  const size_t a = text.find_first_not_of(' ');
  if (a == std::string_view::npos) return std::nullopt;
  const size_t b = text.find_last_not_of(' ');
  std::string_view t = text.substr(a, b - a + 1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty()) return std::nullopt;
  long value = 0;
  const char* end = t.data() + t.size();
  auto [ptr, ec] = std::from_chars(t.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string EntryName(std::string_view caption) { return CaptionToTitle(caption); }

namespace {

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::string RetryQuestion() {
  return CurrentLanguage() == Language::English ? "     Enter again?" : "     Nochmals eingeben?";
}

void Refuse(EntryField& field, bool& fault) {
  fault = true;
  field.Focus();
}

}  // namespace

std::string RealRangeText(std::string_view name, std::string_view cleaned, double min, double max) {
  return std::string(name) + "=" + std::string(cleaned) + "\r\n" + Message(13) + " [" + FormatReal(min, 8, 2) +
         ", ...," + FormatReal(max, 7, 1) + "] !";
}

std::string IntRangeText(std::string_view name, std::string_view text, long min, long max) {
  return std::string(name) + "=" + std::string(text) + Message(13) + " [" + std::to_string(min) + ".." +
         std::to_string(max) + "] !";
}

bool CheckRealRange(EntryField& field, std::string_view name, double& target, double max, double min,
                    bool& fault) {
  const std::string cleaned = CleanRealText(field.Text());
  const std::optional<double> value = ParseRealText(cleaned);
  if (!value) {
    // The stored value is left as it was: a text that is no number never reaches
    // the settings.
    Ui().ShowMessage(Caption(CaptionKind::Problem), Message(4), MessageIcon::Warning);
    field.SetText(FormatReal(target, 8, 2));
    Refuse(field, fault);
    return false;
  }
  if (*value > max || *value < min) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), RealRangeText(name, cleaned, min, max), MessageIcon::Warning);
    Refuse(field, fault);
    return false;
  }
  target = *value;
  return true;
}

bool CheckReal(EntryField& field, double& target, bool& fault) {
  const std::string text = field.Text();
  if (IsBlank(text)) {
    field.SetText(FormatReal(target, 7, 2));
    return true;
  }
  const std::optional<double> value = ParseRealText(text);
  if (!value) {
    Ui().ShowMessage(Caption(CaptionKind::Problem), Message(4), MessageIcon::Warning);
    field.SetText("");
    Refuse(field, fault);
    return false;
  }
  target = *value;
  return true;
}

namespace {

// Shared part of the two integer checks: 1 stored, 0 empty (restored), -1 refused.
int ReadInt(EntryField& field, long min, long max, int& target) {
  const std::string text = field.Text();
  if (IsBlank(text)) {
    field.SetText(std::to_string(target));
    return 0;
  }
  const std::optional<long> value = ParseIntText(text);
  if (!value || *value < min || *value > max) return -1;
  target = static_cast<int>(*value);
  return 1;
}

}  // namespace

bool CheckIntRange(EntryField& field, long min, long max, std::string_view name, int& target, bool& fault) {
  const std::string text = field.Text();
  const int read = ReadInt(field, min, max, target);
  if (read >= 0) return true;
  Ui().Ask(Caption(CaptionKind::Problem), IntRangeText(name, text, min, max), QuestionButtons::OkCancel,
           MessageIcon::Warning);
  Refuse(field, fault);
  return false;
}

bool CheckIntRangeRetry(EntryField& field, long min, long max, std::string_view name, int& target,
                        bool& fault) {
  const std::string text = field.Text();
  const int read = ReadInt(field, min, max, target);
  if (read >= 0) return true;
  const Answer answer = Ui().Ask(Caption(CaptionKind::Problem),
                                 IntRangeText(name, text, min, max) + "\n\r" + RetryQuestion(),
                                 QuestionButtons::YesNo, MessageIcon::Question);
  if (answer == Answer::Yes) {
    Refuse(field, fault);
  } else {
    fault = false;
  }
  return false;
}

}  // namespace skiagraf
