#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QObject;
class QWidget;

namespace skiagraf::gui {

// Every captioned widget and menu action carries the number of its catalogue text
// in the dynamic property "tag". A tag of 0 (or none) keeps the caption the window
// was built with. Combo boxes with a list of their own carry the property
// "comboTag" (one character); radio groups may carry "captionTag" for a caption
// that is not their own tag.
void SetTag(QObject* object, int tag);
int TagOf(const QObject* object);

// Windows that show texts which the generic walk cannot know (titles that depend
// on a mode, lists built from results, legends) implement this; the walk calls it
// after it has re-captioned the window's widgets.
class Recaptionable {
 public:
  virtual ~Recaptionable() = default;
  virtual void RecaptionOwn() = 0;
};

// Re-captions one window and everything inside it in the current language,
// keeping every radio and combo selection.
void RecaptionWindow(QWidget* window);

// Re-captions every window of the application.
void RecaptionAll();

// The items a radio group with a special tag shows, and its caption; false when
// the tag is not one of them.
bool RadioItemsForTag(int tag, QStringList& items, QString& caption);

// The items of a combo box with a special list character; false for others.
bool ComboItemsForTag(char tag, QStringList& items);

QString ToQ(const std::string& text);
QStringList ToQ(const std::vector<std::string>& texts);

}  // namespace skiagraf::gui
