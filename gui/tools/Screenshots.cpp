// Shows the main window, the palette panel, the gallery and the sun-position window
// in one language at one screen size and writes a PNG of each, for looking at the
// layout by eye. It also lists every control that the keyboard cannot reach and
// every visible control that lies outside its window or overlaps a sibling.
//   xvfb-run -a -s "-screen 0 1024x768x24" skiagraf-screenshots OUTDIR de 1024 768
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#include "AboutPanel.h"
#include "GalleryPanel.h"
#include "MainWindow.h"
#include "PalettePanel.h"
#include "QtUserInterface.h"
#include "SunPositionWindow.h"
#include "base/UserInterface.h"
#include "model/DialSettings.h"
#include "text/Language.h"

using namespace skiagraf;
using namespace skiagraf::gui;

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Interactive(QWidget* w) {
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSlider*>(w) ||
         qobject_cast<QComboBox*>(w) || qobject_cast<QTableWidget*>(w) || qobject_cast<QListWidget*>(w);
}

// Problems of the visible controls inside `root`: no keyboard focus, cut off by the
// window, or overlapping another visible control of the same parent.
void Audit(const char* what, QWidget* root) {
  const QRect inside = root->rect();
  QList<QWidget*> controls;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root) || !(Interactive(w) || qobject_cast<QLabel*>(w))) continue;
    if (w->parentWidget() && qobject_cast<QAbstractButton*>(w->parentWidget())) continue;
    controls << w;
    const QRect r(w->mapTo(root, QPoint(0, 0)), w->size());
    if (!inside.contains(r)) std::printf("%s: %s cut off (%d,%d %dx%d)\n", what, qPrintable(w->objectName()), r.x(), r.y(), r.width(), r.height());
    if (Interactive(w) && !(w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
      std::printf("%s: %s (%s) not reachable by Tab\n", what, qPrintable(w->objectName()), w->metaObject()->className());
    if (auto* label = qobject_cast<QLabel*>(w); label && label->text().isEmpty() && label->pixmap().isNull() &&
                                                 !w->objectName().isEmpty() && !w->objectName().startsWith("l") &&
                                                 !w->objectName().startsWith("Gallery"))
      std::printf("%s: %s has no caption\n", what, qPrintable(w->objectName()));
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->text().isEmpty() && button->icon().isNull() &&
                                                          !w->objectName().startsWith("ColorSwatch"))
      std::printf("%s: %s has no caption\n", what, qPrintable(w->objectName()));
  }
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j) {
      QWidget* a = controls[i];
      QWidget* b = controls[j];
      if (a->parentWidget() != b->parentWidget()) continue;
      if (a->geometry().intersects(b->geometry()))
        std::printf("%s: %s overlaps %s\n", what, qPrintable(a->objectName()), qPrintable(b->objectName()));
    }
}

void Shot(QWidget* w, const QString& file) {
  Settle();
  w->grab().save(file);
  std::printf("wrote %s\n", qPrintable(file));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: skiagraf-screenshots OUTDIR de|en WIDTH HEIGHT\n");
    return 2;
  }
  const QString out = argv[1];
  const bool english = QString(argv[2]) == "en";
  const int width = QString(argv[3]).toInt();
  const int height = QString(argv[4]).toInt();
  QDir().mkpath(out);
  const QString tag = QString("%1-%2x%3").arg(argv[2]).arg(width).arg(height);

  InitDialSettings(Settings());
  ScriptedUserInterface ui;  // no dialogs pop up while the pictures are taken
  ScopedUserInterface installed(ui);
  MainWindowOptions options;
  options.programDirectory = QCoreApplication::applicationDirPath();
  options.settingsFile = out + "/skiag.ini";
  MainWindow window(options);
  window.setGeometry(0, 0, width, height);
  window.showMaximized();
  Settle();
  window.Sprache(english ? Language::English : Language::German);
  Settle();
  Shot(&window, out + "/main-" + tag + ".png");
  Audit("main", &window);

  window.Action("Farbpalette")->trigger();
  Shot(&window, out + "/palette-" + tag + ".png");
  Audit("palette", window.Palette());
  window.Palette()->hide();

  window.Gallery()->ShowCentred();
  window.Gallery()->ShowPicture(3014);
  Shot(&window, out + "/gallery-" + tag + ".png");
  Audit("gallery", window.Gallery());
  window.Gallery()->StopAndHide();

  window.Action("About")->trigger();
  Shot(&window, out + "/about-" + tag + ".png");
  Audit("about", window.About());
  window.About()->hide();

  for (int mode : {1, 2, 4, 8}) {
    auto* sun = static_cast<SunPositionWindow*>(window.OpenSunWindow(mode));
    if (mode == 4) {
      auto* azimuth = sun->findChild<QLineEdit*>("p3Azi");
      azimuth->setText("45");
    }
    Settle();
    sun->Button3Click();
    Shot(&window, out + QString("/sun%1-").arg(mode) + tag + ".png");
    Audit(qPrintable(QString("sun%1").arg(mode)), sun);
  }
  for (const auto& shown : ui.shown) std::printf("message: %s\n", shown.text.c_str());
  return 0;
}
