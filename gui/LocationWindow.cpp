#include "LocationWindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "MainWindow.h"
#include "RadioGroup.h"
#include "model/DialSettings.h"
#include "text/Texts.h"

namespace skiagraf::gui {

namespace {

constexpr int kHelpContext = 300;
constexpr int kWindowTag = 300;

}  // namespace

bool& LocationWindow::DecimalInput() {
  static bool decimal = true;
  return decimal;
}

LocationWindow::LocationWindow(MainWindow* frame, QWidget* parent)
    : InputTaskWindow("Form6", kHelpContext, 1, frame, parent), form_(this) {
  SetTag(this, kWindowTag);
  BuildWidgets();
  // Opening: the fields from the record, the remembered input mode, and the closing
  // validation once without closing.
  FillLocationFields(form_, Settings());
  ShowHemispheres();
  rgInput_->SetItemIndex(DecimalInput() ? 0 : 1);
  ShowInputMode();
  Validate();
  RecaptionWindow(this);
}

void LocationWindow::BuildWidgets() {
  rgInput_ = new RadioGroup("RGinput", this);
  SetRadioTexts(rgInput_, TextSource::Catalogue, 309, 2, 324);
  connect(rgInput_, &RadioGroup::itemClicked, this, &LocationWindow::RGinputClick);

  auto* site = new QWidget(this);
  site->setObjectName("PanelLage");
  auto* grid = new QGridLayout(site);
  grid->setHorizontalSpacing(8);
  grid->addWidget(MakeLabel(site, "LabelDezimal", 317), 0, 1, Qt::AlignCenter);
  grid->addWidget(MakeLabel(site, "LabelGrad", 317), 0, 3, Qt::AlignCenter);
  grid->addWidget(MakeLabel(site, "LabelMin", 318), 0, 4, Qt::AlignCenter);
  grid->addWidget(MakeLabel(site, "LabelSek", 319), 0, 5, Qt::AlignCenter);

  struct Row {
    const char* label;
    int tag;
    const char* decimal;
    const char* dms[3];
    const char* hemisphere;
    int firstItem;
    const char* note;
    int noteTag;
  };
  const Row rows[3] = {
      {"Label1", 301, "Edit11", {"Edit1", "Edit2", "Edit8"}, "RG1", 311, "Label5", 323},
      {"Label2", 302, "Edit13", {"Edit3", "Edit4", "Edit9"}, "RG2", 313, "Label6", 322},
      {"Label3", 303, "Edit15", {"Edit6", "Edit7", "Edit10"}, "RG3", 315, "Label7", 322},
  };
  RadioGroup** groups[3] = {&rg1_, &rg2_, &rg3_};
  for (int r = 0; r < 3; ++r) {
    const Row& row = rows[r];
    QLineEdit* decimal = MakeEdit(site, row.decimal, 110);
    InstallKeyFilter(decimal, KeyFilterKind::Decimal);
    decimalEdits_ << decimal;
    grid->addWidget(MakeLabel(site, row.label, row.tag, decimal), r + 1, 0);
    grid->addWidget(decimal, r + 1, 1);
    for (int k = 0; k < 3; ++k) {
      QLineEdit* e = MakeEdit(site, row.dms[k], k == 0 ? 50 : 40);
      InstallKeyFilter(e, KeyFilterKind::Digits);
      dmsEdits_ << e;
      grid->addWidget(e, r + 1, 3 + k);
    }
    auto* group = new RadioGroup(row.hemisphere, site);
    SetRadioTexts(group, TextSource::Catalogue, row.firstItem, 2, 0);
    group->setFlat(true);
    group->SetHorizontal(true);
    *groups[r] = group;
    connect(group, &RadioGroup::itemClicked, this, [this] { validated_ = false; });
    grid->addWidget(group, r + 1, 6);
    grid->addWidget(MakeLabel(site, row.note, row.noteTag), r + 1, 7);
  }
  grid->setColumnMinimumWidth(2, 24);
  grid->setColumnStretch(8, 1);

  year_ = MakeEdit(site, "Edit5", 60);
  InstallKeyFilter(year_, KeyFilterKind::Digits);
  grid->addWidget(MakeLabel(site, "Label4", 305, year_), 4, 0);
  grid->addWidget(year_, 4, 1);

  QLabel* years = MakeLabel(this, "Label8", 320);
  QLabel* empty = MakeLabel(this, "Label9", 321);

  MakeStepButtons("Button1", 7);
  connect(close_, &QPushButton::clicked, this, &LocationWindow::CloseOrNext);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rgInput_, 0, Qt::AlignLeft);
  layout->addWidget(site);
  layout->addWidget(years);
  layout->addWidget(empty);
  layout->addStretch();
  layout->addLayout(buttons);

  // Tab order: the decimal column, then each row's degrees, minutes, seconds, the year
  // and the buttons.
  QWidget* previous = rgInput_;
  for (QLineEdit* e : decimalEdits_) {
    setTabOrder(previous, e);
    previous = e;
  }
  for (QLineEdit* e : dmsEdits_) {
    setTabOrder(previous, e);
    previous = e;
  }
  for (QWidget* w : {static_cast<QWidget*>(year_), static_cast<QWidget*>(cancel_), static_cast<QWidget*>(close_)}) {
    setTabOrder(previous, w);
    previous = w;
  }
  for (QLineEdit* e : decimalEdits_ + dmsEdits_ + QList<QLineEdit*>{year_}) {
    e->installEventFilter(this);
    // Any change of an entry needs the validation again before the window closes.
    connect(e, &QLineEdit::textChanged, this, [this] { validated_ = false; });
  }
}

void LocationWindow::ShowHemispheres() {
  const Hemispheres h = HemispheresOf(Settings());
  rg1_->SetItemIndex(h.South ? 1 : 0);
  rg2_->SetItemIndex(h.East ? 0 : 1);
  rg3_->SetItemIndex(h.ZoneEast ? 0 : 1);
}

Hemispheres LocationWindow::ChosenHemispheres() const {
  return Hemispheres{rg1_->ItemIndex() == 1, rg2_->ItemIndex() == 0, rg3_->ItemIndex() == 0};
}

void LocationWindow::ShowInputMode() {
  const bool decimal = DecimalInput();
  for (QLineEdit* e : decimalEdits_) e->setEnabled(decimal);
  for (QLineEdit* e : dmsEdits_) e->setEnabled(!decimal);
  for (RadioGroup* g : {rg1_, rg2_, rg3_}) g->setEnabled(!decimal);
}

void LocationWindow::RGinputClick(int item) {
  // The values of the presentation left are taken over first, so the other one
  // shows them.
  const bool wasDecimal = DecimalInput();
  if (wasDecimal == (item == 0)) return;
  if (!ValidateLocation(form_, wasDecimal, ChosenHemispheres(), Settings())) {
    rgInput_->SetItemIndex(wasDecimal ? 0 : 1);
    return;
  }
  DecimalInput() = item == 0;
  FillLocationFields(form_, Settings());
  ShowHemispheres();
  ShowInputMode();
}

bool LocationWindow::Validate() {
  validated_ = ValidateLocation(form_, DecimalInput(), ChosenHemispheres(), Settings());
  if (validated_) ShowHemispheres();
  return validated_;
}

bool LocationWindow::LeaveField(QLineEdit* edit) {
  if (leaving_ || !edit->isEnabled()) return true;
  leaving_ = true;
  const std::string name = edit->objectName().toStdString();
  bool ok = LocationFieldExit(form_, name, Settings());
  // A decimal entry refills its degree row, hemisphere included.
  if (ok && decimalEdits_.contains(edit)) ShowHemispheres();
  // After a degree, minute or second the whole presentation is taken over, as when
  // the window closes (it stays open).
  if (ok && dmsEdits_.contains(edit)) ok = Validate();
  leaving_ = false;
  return ok;
}

bool LocationWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return TaskWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusOut: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      // A message box or menu taking the focus is no leaving of the field.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) LeaveField(edit);
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (decimalEdits_.contains(edit)) year_->setFocus(Qt::TabFocusReason);
        else close_->setFocus(Qt::TabFocusReason);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return TaskWindow::eventFilter(watched, event);
}

void LocationWindow::RecaptionOwn() {
  RecaptionInputTexts(this);
  RecaptionStep();
}

}  // namespace skiagraf::gui
