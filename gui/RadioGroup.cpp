#include "RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace skiagraf::gui {

RadioGroup::RadioGroup(const QString& objectName, QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
  setObjectName(objectName);
  layout_->setContentsMargins(6, 4, 6, 4);
  layout_->setSpacing(2);
  connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::SetItems(const QStringList& items) {
  const QList<QAbstractButton*> buttons = group_->buttons();
  if (buttons.size() == items.size()) {
    for (int i = 0; i < items.size(); ++i) group_->button(i)->setText(items[i]);
    return;
  }
  const int selected = ItemIndex();
  for (QAbstractButton* b : buttons) {
    group_->removeButton(b);
    delete b;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(objectName() + "_" + QString::number(i));
    group_->addButton(b, i);
    layout_->addWidget(b);
  }
  if (selected >= 0) SetItemIndex(std::min<int>(selected, static_cast<int>(items.size()) - 1));
}

QStringList RadioGroup::Items() const {
  QStringList out;
  for (int i = 0; i < Count(); ++i) out << group_->button(i)->text();
  return out;
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* b = group_->button(index)) b->setChecked(true);
}

void RadioGroup::SetHorizontal(bool horizontal) {
  layout_->setDirection(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

int RadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

}  // namespace skiagraf::gui
