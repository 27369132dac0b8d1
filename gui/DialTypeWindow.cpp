#include "DialTypeWindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "GalleryPanel.h"
#include "MainWindow.h"
#include "Pictures.h"
#include "RadioGroup.h"
#include "model/InputRules.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

constexpr int kWindowTag = 399;

QString Lines(const std::string& text) {
  QString q = ToQ(text);
  q.replace("\n\r", "\n");
  return q;
}

}  // namespace

int DialTypePicture(const DialSettings& s) {
  if (s.UmbrellaMode) return s.DialTypeCode == 'i' ? 3002 : 3001;
  switch (s.DialTypeCode) {
    case 'z': return s.CylinderKind == 0 ? 3005 : s.CylinderKind == 1 ? 3014 : s.CylinderKind == 2 ? 3013 : 0;
    case 'a':
      if (s.AzimuthCircleKind == 0) return 3003;
      if (s.AzimuthCircleKind == 1 && s.AltitudeCircleSpacing == 1) return 3009;
      if (s.AzimuthCircleKind == 1 && s.AltitudeCircleSpacing == 2) return 3015;
      return 0;
    case 'q': return s.AltitudeDialKind == 0 ? 3004 : s.AltitudeDialKind == 1 ? 3010 : s.AltitudeDialKind == 2 ? 3011 : 0;
    case 'h': return 1105;
    case 'v': return 1106;
    case 'r': return 3017;
    case 'k': return 3006;
    case 'c': return 3016;
    case 'm': return 3008;
    default: return 0;  // the Sawyer dial has no photograph among the pictures
  }
}

QSize DialTypePictureSize(const DialSettings& s) {
  if (!s.UmbrellaMode && s.DialTypeCode == 'z' && s.CylinderKind == 0) return {56, 82};
  if (!s.UmbrellaMode && s.DialTypeCode == 'z' && s.CylinderKind == 1) return {68, 82};
  return {82, 82};
}

DialTypeWindow::DialTypeWindow(MainWindow* frame, QWidget* parent)
    : InputTaskWindow("F4", DialTypeHelpTopic(std::max(0, DialTypeItemOf(Settings()))), 2, frame, parent),
      form_(this) {
  SetTag(this, kWindowTag);
  DialSettings& s = Settings();
  // A type that only expert mode offers gives way to the horizontal dial.
  if (!s.ExpertMode && (s.DialTypeCode == 'c' || s.DialTypeCode == 'm')) s.DialTypeCode = 'h';
  items_ = DialTypeListItems(s.ExpertMode);
  BuildWidgets();
  FillDialTypeFields(form_, s);
  ShowSettings();
  RecaptionWindow(this);
  connect(qApp, &QApplication::focusChanged, this, &DialTypeWindow::FocusChanged);
}

void DialTypeWindow::BuildWidgets() {
  rg1_ = new RadioGroup("RG1", this);
  std::vector<int> tags;
  for (int item : items_) tags.push_back(183 + item);
  SetRadioCatalogueItems(rg1_, tags, 401);
  connect(rg1_, &RadioGroup::itemClicked, this, &DialTypeWindow::RG1Click);

  rgSchirm_ = new RadioGroup("rgSchirm", this);
  SetRadioTexts(rgSchirm_, TextSource::Catalogue, 409, 3, 412);
  connect(rgSchirm_, &RadioGroup::itemClicked, this, [this](int item) {
    static const char kLetters[3] = {'h', 'i', 'v'};
    if (item < 0 || item > 2) return;
    Settings().DialTypeCode = kLetters[item];
    Settings().UmbrellaOrientation = kLetters[item];
    FillDialTypeFields(form_, Settings());
    ShowSettings();
  });
  rgAltitude_ = new RadioGroup("rgAltitude", this);
  SetRadioTexts(rgAltitude_, TextSource::Catalogue, 350, 3, 353);
  connect(rgAltitude_, &RadioGroup::itemClicked, this, [this](int item) {
    Settings().AltitudeDialKind = item;
    UpdateHabermelGnomon(Settings());
    ShowSettings();
  });
  rgZyl_ = new RadioGroup("rgZyl", this);
  SetRadioTexts(rgZyl_, TextSource::Catalogue, 340, 3, 339);
  connect(rgZyl_, &RadioGroup::itemClicked, this, [this](int item) {
    Settings().CylinderKind = item;
    FillDialTypeFields(form_, Settings());
    ShowSettings();
  });
  rgAzMain_ = new RadioGroup("rgAzMain", this);
  SetRadioTexts(rgAzMain_, TextSource::Catalogue, 357, 2, 359);
  connect(rgAzMain_, &RadioGroup::itemClicked, this, [this](int item) {
    if (Settings().DialTypeCode != 'a') return;
    Settings().AzimuthCircleKind = item == 0 ? 0 : 1;
    ShowSettings();
  });

  picture_ = new QPushButton(this);
  picture_->setObjectName("btPicture");
  picture_->setFlat(true);
  picture_->setFixedSize(90, 90);
  picture_->setIconSize(QSize(82, 82));
  connect(picture_, &QPushButton::clicked, this, &DialTypeWindow::PictureClick);
  QLabel* pictureNote = MakeLabel(this, "Label11", 413);
  pictureNote->setWordWrap(true);

  auto* fields = new QWidget(this);
  fields->setObjectName("PanelFelder");
  auto* grid = new QGridLayout(fields);
  auto row = [&](int r, QLabel*& label, const char* labelName, int tag, QLineEdit*& edit, const char* name) {
    edit = MakeEdit(fields, name, 80);
    label = MakeLabel(fields, labelName, tag, edit);
    grid->addWidget(label, r, 0);
    grid->addWidget(edit, r, 1);
  };
  row(0, label1_, "Label1", 402, edit1_, "Edit1");
  degrees1_ = MakeLabel(fields, "Label14", 414);
  grid->addWidget(degrees1_, 0, 2);
  labelNote1_ = MakeLabel(fields, "Label12", 403);
  grid->addWidget(labelNote1_, 0, 3);
  row(1, label2_, "Label2", 404, edit2_, "Edit2");
  degrees2_ = MakeLabel(fields, "Label15", 414);
  grid->addWidget(degrees2_, 1, 2);
  row(2, label3_, "Label3", 405, edit3_, "Edit3");
  row(3, labelZylang_, "Label4", 571, edZylang_, "EdZylang");
  row(4, labelZylRad_, "Label5", 345, edZylRad_, "EdZylRad");
  row(5, labelDurch_, "Label6", 406, rDurch_, "rDurchEdit");
  row(6, labelHaber_, "Label7", 406, edHaber_, "edHaber");
  grid->setColumnStretch(4, 1);

  label9_ = MakeLabel(this, "Label9", 407);
  QLabel* label10 = MakeLabel(this, "Label10", 408);
  label13_ = new QLabel(this);
  label13_->setObjectName("Label13");

  MakeStepButtons("Button1", 7);
  connect(close_, &QPushButton::clicked, this, &DialTypeWindow::Button1Click);

  auto* right = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(picture_, 0, Qt::AlignTop);
  top->addWidget(pictureNote, 1, Qt::AlignVCenter);
  right->addLayout(top);
  for (RadioGroup* g : {rgSchirm_, rgAltitude_, rgZyl_, rgAzMain_}) right->addWidget(g);
  right->addWidget(fields);
  right->addWidget(label9_);
  right->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addWidget(rg1_, 0, Qt::AlignTop);
  columns->addLayout(right, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(label10);
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(label13_);
  layout->addLayout(buttons);

  for (QLineEdit* e : {edit1_, edit2_, edit3_, edZylang_, edZylRad_, rDurch_, edHaber_}) e->installEventFilter(this);
}

void DialTypeWindow::ShowSettings() {
  const DialSettings& s = Settings();
  const int item = DialTypeItemOf(s);
  const auto at = std::find(items_.begin(), items_.end(), item);
  rg1_->SetItemIndex(at == items_.end() ? -1 : static_cast<int>(at - items_.begin()));
  const DialTypeView v = DialTypeViewOf(s);
  rgSchirm_->setVisible(v.Umbrella);
  rgSchirm_->SetItemIndex(s.DialTypeCode == 'i' ? 1 : s.DialTypeCode == 'v' ? 2 : 0);
  rgAltitude_->setVisible(v.Altitude);
  rgAltitude_->SetItemIndex(s.AltitudeDialKind);
  rgZyl_->setVisible(v.Cylinder);
  rgZyl_->SetItemIndex(s.CylinderKind);
  rgAzMain_->setVisible(v.Azimuth);
  rgAzMain_->SetItemIndex(s.AzimuthCircleKind == 0 ? 0 : 1);

  const std::pair<bool, std::vector<QWidget*>> shown[] = {
      {v.WallDeclination, {label1_, edit1_, degrees1_, labelNote1_}}, {v.Inclination, {label2_, edit2_, degrees2_}},
      {v.Gnomon, {label3_, edit3_}},         {v.CylinderLength, {labelZylang_, edZylang_}},
      {v.CylinderRadius, {labelZylRad_, edZylRad_}}, {v.RingDiameter, {labelDurch_, rDurch_}},
      {v.HabermelDiameter, {labelHaber_, edHaber_}}};
  for (const auto& [visible, widgets] : shown)
    for (QWidget* w : widgets) w->setVisible(visible);
  SetTag(label1_, v.DeclinationCaption);
  label1_->setText(ToQ(CatalogueText(v.DeclinationCaption)));
  SetTag(labelZylang_, v.CylinderLengthCaption);
  labelZylang_->setText(ToQ(CatalogueText(v.CylinderLengthCaption)));
  label9_->setVisible(v.EmptyFieldNote);

  const int picture = DialTypePicture(s);
  const QSize size = DialTypePictureSize(s);
  if (picture != 0) {
    picture_->setIcon(QIcon(QPixmap::fromImage(
        PictureImage(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
    picture_->setIconSize(size);
    picture_->setToolTip(PictureCaption(picture));
  } else {
    picture_->setIcon(QIcon());
    picture_->setToolTip(QString());
  }
  picture_->setProperty("picture", picture);
  picture_->setEnabled(picture != 0);
}

void DialTypeWindow::RG1Click(int listIndex) {
  if (listIndex < 0 || listIndex >= static_cast<int>(items_.size())) return;
  const int item = items_[static_cast<size_t>(listIndex)];
  DialSettings& s = Settings();
  SelectDialTypeItem(s, item);
  if (item != kHamDialItem) SetHelpContext(DialTypeHelpTopic(item));
  FillDialTypeFields(form_, s);
  ShowSettings();
}

// The window cannot be left with entries that fail its validation: when the focus
// goes to another window, the validation runs and, if it fails, the focus comes back
// with a beep. Message boxes and menus are no other window.
void DialTypeWindow::FocusChanged(QWidget* old, QWidget* now) {
  if (focusCheck_ || Leaving() || !old || !now || !isVisible() || !isAncestorOf(old) || isAncestorOf(now)) return;
  if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
  focusCheck_ = true;
  if (!Validate()) old->setFocus(Qt::OtherFocusReason);
  focusCheck_ = false;
}

void DialTypeWindow::PictureClick() {
  const int picture = picture_->property("picture").toInt();
  if (picture == 0 || !frame_) return;
  frame_->Gallery()->ShowCentred();
  frame_->Gallery()->ShowPicture(picture);
}

bool DialTypeWindow::Validate() {
  const bool ok = ValidateDialType(form_, Settings());
  if (!ok) QApplication::beep();
  return ok;
}

void DialTypeWindow::Button1Click() {
  if (frame_ && frame_->Gallery()->isVisible()) {
    frame_->Gallery()->StopAndHide();  // the close button first hides the large picture
    return;
  }
  CloseOrNext();
}

bool DialTypeWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && event->type() == QEvent::FocusOut && !leaving_) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && edit->isVisible()) {
      leaving_ = true;
      DialTypeFieldExit(form_, edit->objectName().toStdString(), Settings());
      leaving_ = false;
    }
  }
  if (edit && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return TaskWindow::eventFilter(watched, event);
}

void DialTypeWindow::RecaptionOwn() {
  RecaptionInputTexts(this);
  ShowSettings();
  label13_->setText(Lines(ExpertModeLine(Settings().ExpertMode)));
  RecaptionStep();
}

}  // namespace skiagraf::gui
