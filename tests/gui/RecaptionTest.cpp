#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "GuiTestSupport.h"
#include "RadioGroup.h"
#include "Recaption.h"
#include "text/Texts.h"

namespace skiagraf::gui::test {
namespace {

class RecaptionTest : public GuiTest {
 protected:
  // A small window as the other task windows build theirs.
  void SetUp() override {
    GuiTest::SetUp();
    window_ = std::make_unique<QWidget>();
    label_ = new QLabel("fixed", window_.get());
    SetTag(label_, 804);
    untagged_ = new QPushButton("Built caption", window_.get());
    button_ = new QPushButton(window_.get());
    SetTag(button_, 7);
    combo_ = new QComboBox(window_.get());
    combo_->setProperty("comboTag", QString("<"));
    combo_->addItems({"a", "b", "c"});
    combo_->setCurrentIndex(2);
    group_ = new RadioGroup("rgTest", window_.get());
    SetTag(group_, 516);
    group_->SetItems({"x", "y", "z"});
    group_->SetItemIndex(1);
    phraseBox_ = new QGroupBox(window_.get());
    SetTag(phraseBox_, 203);
    tabs_ = new QTabWidget(window_.get());
    SetTag(tabs_, 620);
    for (int i = 0; i < 3; ++i) tabs_->addTab(new QWidget, "page");
  }

  std::unique_ptr<QWidget> window_;
  QLabel* label_;
  QPushButton* untagged_;
  QPushButton* button_;
  QComboBox* combo_;
  RadioGroup* group_;
  QGroupBox* phraseBox_;
  QTabWidget* tabs_;
};

TEST_F(RecaptionTest, EveryKindOfComponentTakesItsTextsInBothLanguages) {
  for (Language language : {Language::English, Language::German}) {
    SetCurrentLanguage(language);
    RecaptionWindow(window_.get());
    EXPECT_EQ(label_->text().toStdString(), CatalogueText(804, language));
    EXPECT_EQ(button_->text().toStdString(), CatalogueText(7, language));
    EXPECT_EQ(untagged_->text(), "Built caption") << "tag 0 keeps its caption";
    EXPECT_EQ(phraseBox_->title().toStdString(), Phrase(203, language)) << "group boxes 202..204 show phrases";
    EXPECT_EQ(group_->title().toStdString(), CatalogueText(516, language));
    ASSERT_EQ(group_->Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(group_->Items()[i].toStdString(), Phrase(19 + i, language));
    ASSERT_EQ(combo_->count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(combo_->itemText(i).toStdString(), CatalogueText(46 + i, language));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(tabs_->tabText(i).toStdString(), Title(31 + i, language));
    EXPECT_EQ(group_->ItemIndex(), 1) << "radio selection kept";
    EXPECT_EQ(combo_->currentIndex(), 2) << "combo selection kept";
  }
}

TEST_F(RecaptionTest, RadioItemsOfSpecialTags) {
  struct Case {
    int tag;
    std::vector<std::string> items;
    std::string caption;
  };
  const Case cases[] = {
      {812, {Phrase(34), Phrase(35), Phrase(36)}, CatalogueText(812)},
      {50, {Phrase(34), Phrase(35), Phrase(36)}, CatalogueText(812)},
      {57, {CatalogueText(340), CatalogueText(341), CatalogueText(342)}, CatalogueText(339)},
      {552, {CatalogueText(498), CatalogueText(499)}, CatalogueText(553)},
      {497, {CatalogueText(497), CatalogueText(498), CatalogueText(499)}, CatalogueText(497)},
  };
  for (const Case& c : cases) {
    QStringList items;
    QString caption;
    ASSERT_TRUE(RadioItemsForTag(c.tag, items, caption)) << c.tag;
    ASSERT_EQ(items.size(), static_cast<qsizetype>(c.items.size())) << c.tag;
    for (size_t i = 0; i < c.items.size(); ++i) EXPECT_EQ(items[static_cast<qsizetype>(i)].toStdString(), c.items[i]);
    EXPECT_EQ(caption.toStdString(), c.caption) << c.tag;
  }
  QStringList items;
  QString caption;
  EXPECT_FALSE(RadioItemsForTag(804, items, caption)) << "an ordinary tag has no item list";
}

TEST_F(RecaptionTest, ComboWithPrefixedItems) {
  QStringList items;
  ASSERT_TRUE(ComboItemsForTag('A', items));
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0].toStdString(), CatalogueText(494) + " " + CatalogueText(513));
  EXPECT_FALSE(ComboItemsForTag('Z', items));
}

TEST_F(RecaptionTest, RadioGroupKeepsSelectionWhenItsItemCountChanges) {
  group_->SetItemIndex(2);
  group_->SetItems({"one", "two", "three", "four"});
  EXPECT_EQ(group_->Count(), 4);
  EXPECT_EQ(group_->ItemIndex(), 2);
  group_->SetItems({"one", "two"});
  EXPECT_EQ(group_->ItemIndex(), 1) << "the last item that still exists";
}

}  // namespace
}  // namespace skiagraf::gui::test
