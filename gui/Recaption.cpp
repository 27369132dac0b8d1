#include "Recaption.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVariant>

#include "RadioGroup.h"
#include "text/Texts.h"

namespace skiagraf::gui {

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

QStringList ToQ(const std::vector<std::string>& texts) {
  QStringList out;
  for (const std::string& t : texts) out << ToQ(t);
  return out;
}

void SetTag(QObject* object, int tag) { object->setProperty("tag", tag); }

int TagOf(const QObject* object) {
  const QVariant v = object->property("tag");
  return v.isValid() ? v.toInt() : 0;
}

static QStringList Catalogue(int first, int count) { return ToQ(CatalogueList(first, count)); }
static QStringList Phrases(int first, int last) { return ToQ(PhraseList(first, last)); }

bool RadioItemsForTag(int tag, QStringList& items, QString& caption) {
  caption = ToQ(CatalogueText(tag));
  switch (tag) {
    case 50: items = Phrases(34, 36); caption = ToQ(CatalogueText(812)); return true;
    case 51: items = Phrases(0, 1); return true;
    case 52: items = Phrases(2, 3); return true;
    case 53: items = Catalogue(183, 14); return true;
    case 54: items = Phrases(114, 116); return true;  // the fourth item stays as built
    case 55: items = Phrases(109, 110); return true;
    case 56: items = Phrases(199, 200); return true;
    case 57: items = Catalogue(340, 3); caption = ToQ(CatalogueText(339)); return true;
    case 58: items = Catalogue(160, 3); caption = ToQ(CatalogueText(163)); return true;
    case 59: items = Catalogue(148, 2); return true;
    case 107: items = Phrases(39, 41); return true;
    case 357: items = Catalogue(357, 2); return true;
    case 400: items = Catalogue(328, 3); return true;
    case 401: items = Catalogue(328, 3); caption = ToQ(CatalogueText(331)); return true;
    case 497: items = Catalogue(497, 3); return true;
    case 502: items = Catalogue(524, 4); return true;
    case 516: items = Phrases(19, 21); return true;
    case 536: items = Catalogue(513, 2); return true;
    case 537: items = Catalogue(513, 2); caption = ToQ(CatalogueText(512)); return true;
    case 552: items = Catalogue(498, 2); caption = ToQ(CatalogueText(553)); return true;
    case 553: items = Phrases(16, 18); return true;
    case 554: items = Phrases(207, 208); return true;
    case 555: items = Phrases(4, 5); caption = ToQ(CatalogueText(553)); return true;
    case 562: items = Phrases(205, 206); return true;
    case 566: items = Catalogue(151, 2); return true;
    case 567: items = Catalogue(151, 3); return true;
    case 573: items = Catalogue(355, 2); caption = ToQ(CatalogueText(501)); return true;
    case 574: items = Phrases(29, 30); return true;
    case 576: items = Catalogue(210, 3); return true;
    case 583: items = Phrases(220, 221); return true;
    case 600: items = Catalogue(630, 4); return true;
    case 603:
    case 604: items = Phrases(22, 24); return true;
    case 605: items = Catalogue(350, 3); caption = ToQ(CatalogueText(353)); return true;
    case 712: items = Phrases(212, 212); return true;
    case 713: items = Phrases(111, 113); return true;
    case 730: items = Phrases(229, 231); return true;
    case 812: items = Phrases(34, 36); return true;
    default: return false;
  }
}

bool ComboItemsForTag(char tag, QStringList& items) {
  switch (tag) {
    case '8':
    case '9': items = Catalogue(56, 3); return true;
    case ':': items = Catalogue(591, 3); return true;
    case ';': items = Catalogue(73, 7); return true;
    case '<': items = Catalogue(46, 3); return true;
    case 'A': {
      const QString prefix = ToQ(CatalogueText(494)) + " ";
      items.clear();
      for (const QString& s : Catalogue(513, 2)) items << prefix + s;
      return true;
    }
    case 'V': items = Catalogue(86, 2); return true;
    default: return false;
  }
}

// Replaces the items of a combo box and keeps the selected index.
static void ReplaceComboItems(QComboBox* combo, const QStringList& items) {
  const int selected = combo->currentIndex();
  const bool blocked = combo->blockSignals(true);
  if (combo->count() == items.size()) {
    for (int i = 0; i < items.size(); ++i) combo->setItemText(i, items[i]);
  } else {
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(std::min<int>(selected, static_cast<int>(items.size()) - 1));
  }
  combo->blockSignals(blocked);
}

static void RecaptionWidget(QWidget* w) {
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    const QString tag = combo->property("comboTag").toString();
    QStringList items;
    if (tag.size() == 1 && ComboItemsForTag(tag[0].toLatin1(), items)) ReplaceComboItems(combo, items);
    return;
  }
  const int tag = TagOf(w);
  if (tag == 0) return;
  if (auto* group = qobject_cast<RadioGroup*>(w)) {
    QStringList items;
    QString caption;
    if (RadioItemsForTag(tag, items, caption)) group->SetItems(items);
    const int captionTag = w->property("captionTag").toInt();
    if (captionTag > 0) caption = ToQ(CatalogueText(captionTag));
    group->setTitle(caption);
    return;
  }
  if (auto* box = qobject_cast<QGroupBox*>(w)) {
    box->setTitle(ToQ(tag >= 202 && tag <= 204 ? Phrase(tag) : CatalogueText(tag)));
    return;
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    if (tag == 620)
      for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, ToQ(Title(31 + i)));
    return;
  }
  if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
    QStringList lines;
    if (tag == 608) lines = Phrases(61, 62);
    else if (tag == 609) lines = Phrases(52, 58);
    else return;  // memos with lines of their own re-caption themselves
    memo->setPlainText(lines.join('\n'));
    return;
  }
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    if (tag == 56) {
      const int row = list->currentRow();
      list->clear();
      list->addItems(Catalogue(56, 3));
      list->setCurrentRow(row);
    }
    return;
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(ToQ(CatalogueText(tag)));
    return;
  }
  if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(ToQ(CatalogueText(tag)));
    return;
  }
  if (w->isWindow() || w->property("taskWindow").toBool()) {
    w->setWindowTitle(ToQ(CaptionToTitle(CatalogueText(tag))));
  }
}

void RecaptionWindow(QWidget* window) {
  RecaptionWidget(window);
  for (QWidget* w : window->findChildren<QWidget*>()) RecaptionWidget(w);
  // Popup and window menus: their tagged actions take catalogue texts.
  for (QAction* a : window->findChildren<QAction*>()) {
    const int tag = TagOf(a);
    if (tag != 0) a->setText(ToQ(CatalogueText(tag)));
  }
  if (auto* own = dynamic_cast<Recaptionable*>(window)) own->RecaptionOwn();
  for (QWidget* w : window->findChildren<QWidget*>())
    if (auto* own = dynamic_cast<Recaptionable*>(w)) own->RecaptionOwn();
}

void RecaptionAll() {
  for (QWidget* w : QApplication::topLevelWidgets()) RecaptionWindow(w);
}

}  // namespace skiagraf::gui
