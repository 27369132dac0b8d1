#pragma once

#include <QLineEdit>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "model/EntryChecks.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace skiagraf::gui {

class RadioGroup;

// The shared entry checks work on EntryField; this binds them to a line edit.
class LineEditField : public EntryField {
 public:
  explicit LineEditField(QLineEdit* edit) : edit_(edit) {}
  std::string Text() const override { return edit_->text().toStdString(); }
  void SetText(const std::string& text) override { edit_->setText(QString::fromStdString(text)); }
  void Focus() override { edit_->setFocus(Qt::OtherFocusReason); }

 private:
  QLineEdit* edit_;
};

// The line edits of a window, found by object name, for the input rules.
class WidgetEntryForm : public EntryForm {
 public:
  explicit WidgetEntryForm(QWidget* root) : root_(root) {}
  EntryField* Find(std::string_view name) override;

 private:
  QWidget* root_;
  std::map<std::string, std::unique_ptr<LineEditField>, std::less<>> fields_;
};

// What a key filter lets through besides backspace and the editing keys.
enum class KeyFilterKind {
  Digits,   // degrees, minutes, seconds, years
  Decimal,  // digits, '-' and '.'; a typed ',' becomes '.'
};
void InstallKeyFilter(QLineEdit* edit, KeyFilterKind kind);

QLineEdit* MakeEdit(QWidget* parent, const char* name, int width = 80);
// A label with a catalogue caption (tag) and, if given, the edit it names.
QLabel* MakeLabel(QWidget* parent, const char* name, int tag, QWidget* buddy = nullptr);
QCheckBox* MakeCheck(QWidget* parent, const char* name, int tag);

// Items and caption of a radio group from the text stores; re-applied whenever the
// window is re-captioned (RecaptionInputTexts). `extraEmpty` adds empty items at
// the end (the date-line groups have an empty fifth item).
enum class TextSource { Catalogue, Phrase };
void SetRadioTexts(RadioGroup* group, TextSource source, int first, int count, int captionTag,
                   int extraEmpty = 0);
// A radio group whose items are catalogue texts with no regular numbering.
void SetRadioCatalogueItems(RadioGroup* group, const std::vector<int>& tags, int captionTag);

// A chooser of the parameter window; its list comes from the chooser table.
QComboBox* MakeChooser(QWidget* parent, const char* name);

// Sizes the frame of a task window in the main window: maximised unless the record
// asks for normal windows, otherwise as large as it wants but never beyond the
// visible area.
void FitTaskFrame(QWidget* task);

// Re-captions the radio groups and choosers made above inside `window`, keeping
// their selections.
void RecaptionInputTexts(QWidget* window);

}  // namespace skiagraf::gui
