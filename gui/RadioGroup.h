#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QBoxLayout;

namespace skiagraf::gui {

// A titled group of radio buttons with one selected item, addressed by index.
// The buttons are named <group>_<index> so that tests can find them.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit RadioGroup(const QString& objectName, QWidget* parent = nullptr);

  // Replaces the item texts. When the number of items stays the same the buttons
  // are only renamed, so the selection is kept; otherwise the selected index is
  // carried over as far as it still exists.
  void SetItems(const QStringList& items);
  QStringList Items() const;
  int ItemIndex() const;
  void SetItemIndex(int index);  // does not emit itemClicked
  int Count() const;
  // Lays the items out side by side instead of one below the other.
  void SetHorizontal(bool horizontal);

 signals:
  void itemClicked(int index);

 private:
  QButtonGroup* group_;
  QBoxLayout* layout_;
};

}  // namespace skiagraf::gui
