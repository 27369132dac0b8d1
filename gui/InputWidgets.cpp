#include "InputWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

#include "RadioGroup.h"
#include "Recaption.h"
#include "model/DialSettings.h"
#include "model/InputRules.h"
#include "text/Texts.h"

namespace skiagraf::gui {

EntryField* WidgetEntryForm::Find(std::string_view name) {
  auto it = fields_.find(name);
  if (it != fields_.end()) return it->second.get();
  auto* edit = root_->findChild<QLineEdit*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!edit) return nullptr;
  auto field = std::make_unique<LineEditField>(edit);
  EntryField* result = field.get();
  fields_.emplace(std::string(name), std::move(field));
  return result;
}

namespace {

class KeyFilter : public QObject {
 public:
  KeyFilter(KeyFilterKind kind, QObject* parent) : QObject(parent), kind_(kind) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Editing and navigation keys (and every short-cut) pass; only typed
    // characters are filtered.
    if (text.isEmpty() || !text[0].isPrint() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    const QChar c = text[0];
    if (c.isDigit()) return false;
    if (kind_ == KeyFilterKind::Decimal) {
      if (c == '-' || c == '.') return false;
      if (c == ',') {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->insert(".");
        return true;
      }
    }
    return true;  // dropped
  }

 private:
  KeyFilterKind kind_;
};

}  // namespace

void InstallKeyFilter(QLineEdit* edit, KeyFilterKind kind) { edit->installEventFilter(new KeyFilter(kind, edit)); }

QLineEdit* MakeEdit(QWidget* parent, const char* name, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setFixedWidth(width);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int tag, QWidget* buddy) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  SetTag(label, tag);
  label->setText(ToQ(CatalogueText(tag)));
  if (buddy) label->setBuddy(buddy);
  return label;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, int tag) {
  auto* box = new QCheckBox(parent);
  box->setObjectName(name);
  SetTag(box, tag);
  box->setText(ToQ(CatalogueText(tag)));
  return box;
}

void SetRadioTexts(RadioGroup* group, TextSource source, int first, int count, int captionTag, int extraEmpty) {
  group->setProperty("itemSource", source == TextSource::Phrase ? "p" : "c");
  group->setProperty("itemFirst", first);
  group->setProperty("itemCount", count);
  group->setProperty("itemExtra", extraEmpty);
  group->setProperty("itemCaption", captionTag);
  RecaptionInputTexts(group);
}

void SetRadioCatalogueItems(RadioGroup* group, const std::vector<int>& tags, int captionTag) {
  QVariantList list;
  for (int t : tags) list << t;
  group->setProperty("itemTags", list);
  group->setProperty("itemCaption", captionTag);
  RecaptionInputTexts(group);
}

QComboBox* MakeChooser(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setProperty("chooser", QString(name));
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  RecaptionInputTexts(combo);
  return combo;
}

namespace {

void RecaptionRadio(RadioGroup* group) {
  QStringList items;
  const QVariant tags = group->property("itemTags");
  if (tags.isValid()) {
    for (const QVariant& t : tags.toList()) items << ToQ(CatalogueText(t.toInt()));
  } else if (group->property("itemSource").isValid()) {
    const int first = group->property("itemFirst").toInt();
    const int count = group->property("itemCount").toInt();
    items = group->property("itemSource").toString() == "p" ? ToQ(PhraseList(first, first + count - 1))
                                                            : ToQ(CatalogueList(first, count));
    for (int i = 0; i < group->property("itemExtra").toInt(); ++i) items << QString();
  } else {
    return;
  }
  group->SetItems(items);
  const int caption = group->property("itemCaption").toInt();
  group->setTitle(caption > 0 ? ToQ(CatalogueText(caption)) : QString());
}

void RecaptionChooser(QComboBox* combo) {
  const ChooserInfo* info = FindChooser(combo->property("chooser").toString().toStdString());
  if (!info) return;
  const QStringList items = ToQ(ChooserItems(info->List, Settings()));
  const bool blocked = combo->blockSignals(true);
  const int index = combo->currentIndex();
  combo->clear();
  combo->addItems(items);
  combo->setCurrentIndex(std::min<int>(index, static_cast<int>(items.size()) - 1));
  combo->blockSignals(blocked);
}

void RecaptionOne(QWidget* w) {
  if (auto* group = qobject_cast<RadioGroup*>(w)) RecaptionRadio(group);
  else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->property("chooser").isValid())
    RecaptionChooser(combo);
}

}  // namespace

void FitTaskFrame(QWidget* task) {
  auto* frame = qobject_cast<QMdiSubWindow*>(task->parentWidget());
  if (!frame) return;
  if (!Settings().NormalWindows) {
    frame->showMaximized();
    return;
  }
  QMdiArea* area = frame->mdiArea();
  if (!area) return;
  const QSize room = area->viewport()->size();
  const QSize wanted = frame->sizeHint().boundedTo(room);
  if (frame->width() < wanted.width() || frame->height() < wanted.height() || frame->width() > room.width() ||
      frame->height() > room.height())
    frame->resize(wanted);
  QPoint at = frame->pos();
  at.setX(std::clamp(at.x(), 0, std::max(0, room.width() - frame->width())));
  at.setY(std::clamp(at.y(), 0, std::max(0, room.height() - frame->height())));
  frame->move(at);
}

void RecaptionInputTexts(QWidget* window) {
  RecaptionOne(window);
  for (QWidget* w : window->findChildren<QWidget*>()) RecaptionOne(w);
}

}  // namespace skiagraf::gui
