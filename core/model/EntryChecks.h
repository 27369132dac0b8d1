#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace skiagraf {

// The entry checks every input window uses. A window hands its text fields to them
// through EntryField, so the same rules run behind the Qt windows and in tests.

class EntryField {
 public:
  virtual ~EntryField() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void Focus() = 0;  // puts the keyboard focus into the field
};

// A field without a widget: the text and how often it was focused.
class TextEntry : public EntryField {
 public:
  TextEntry() = default;
  explicit TextEntry(std::string text) : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  void Focus() override { ++focusCount_; }
  int FocusCount() const { return focusCount_; }

 private:
  std::string text_;
  int focusCount_ = 0;
};

// The fields of a window by component name.
class EntryForm {
 public:
  virtual ~EntryForm() = default;
  // nullptr when the window has no such field.
  virtual EntryField* Find(std::string_view name) = 0;
  // The field of that name; a missing name is a programming error and yields a
  // scratch field, so a check can never write through a null pointer.
  EntryField& Field(std::string_view name);

 private:
  TextEntry scratch_;
};

// A form of TextEntry fields, created on first use.
class TextEntryForm : public EntryForm {
 public:
  EntryField* Find(std::string_view name) override;
  TextEntry& operator[](std::string_view name);

 private:
  std::map<std::string, TextEntry, std::less<>> fields_;
};

// The text a real entry converts: "," becomes ".", every character other than "+",
// "-", "." and the digits is dropped.
std::string CleanRealText(std::string_view text);
// The cleaned text as a number; nothing when it is no number.
std::optional<double> ParseRealText(std::string_view text);
// The text (blanks around it allowed) as an integer; nothing otherwise.
std::optional<long> ParseIntText(std::string_view text);

// The message name of a field: its label caption without "&" and ":".
std::string EntryName(std::string_view caption);

// Real number within [min, max]. A text that is no number shows "Das ist keine
// reelle Zahl." and refills the field with the stored value; a value outside the
// range shows the range message. In both cases the field is focused, `fault` is
// set and the target keeps its previous value. Returns true when the value was
// stored.
bool CheckRealRange(EntryField& field, std::string_view name, double& target, double max, double min,
                    bool& fault);

// Real number without range. An empty field shows the stored value again and is no
// fault; a text that is no number is cleared, focused and is a fault.
bool CheckReal(EntryField& field, double& target, bool& fault);

// Integer within [min, max]. An empty field shows the stored value again and is no
// fault; anything else that is no integer in the range shows the range message
// with OK and Cancel, focuses the field and is a fault whatever the answer.
bool CheckIntRange(EntryField& field, long min, long max, std::string_view name, int& target, bool& fault);

// As CheckIntRange, but asks "Nochmals eingeben?": Yes is a fault and focuses the
// field, No clears the fault and leaves the target unchanged.
bool CheckIntRangeRetry(EntryField& field, long min, long max, std::string_view name, int& target,
                        bool& fault);

// The range texts the checks show.
std::string RealRangeText(std::string_view name, std::string_view cleaned, double min, double max);
std::string IntRangeText(std::string_view name, std::string_view text, long min, long max);

}  // namespace skiagraf
