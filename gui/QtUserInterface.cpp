#include "QtUserInterface.h"

#include <QAbstractButton>
#include <utility>

#include "text/Texts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace skiagraf::gui {

QString DisplayText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\n\r", "\n");
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

QString QtFileFilter(const std::string& filter) {
  // The stored form alternates description and pattern: "Text (*.a)|*.a|All (*.*)|*.*".
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(';', ' ');
    out << parts[i].trimmed() + " (" + pattern + ")";
  }
  if (out.isEmpty() && !filter.empty()) out << QString::fromStdString(filter);
  return out.join(";;");
}

static QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

void QtUserInterface::ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), DisplayText(text), QMessageBox::Ok,
                  parent_);
  box.setObjectName("MessageBox");
  box.exec();
}

Answer QtUserInterface::Ask(const std::string& title, const std::string& text, QuestionButtons buttons,
                            MessageIcon icon) {
  QMessageBox::StandardButtons qtButtons;
  switch (buttons) {
    case QuestionButtons::YesNo: qtButtons = QMessageBox::Yes | QMessageBox::No; break;
    case QuestionButtons::YesNoCancel:
      qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
    case QuestionButtons::OkCancel: qtButtons = QMessageBox::Ok | QMessageBox::Cancel; break;
  }
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), DisplayText(text), qtButtons, parent_);
  box.setObjectName("QuestionBox");
  // The buttons speak the program's language, not the desktop's.
  const std::pair<QMessageBox::StandardButton, ShellText> captions[] = {
      {QMessageBox::Yes, ShellText::DialogYes}, {QMessageBox::No, ShellText::DialogNo},
      {QMessageBox::Cancel, ShellText::DialogCancel}};
  for (const auto& [button, text] : captions)
    if (QAbstractButton* b = box.button(button)) b->setText(QString::fromStdString(ShellCaption(text)));
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
  }
  // Closing the box with Escape or the window button is the cautious answer.
  return buttons == QuestionButtons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<std::string> QtUserInterface::InputText(const std::string& title, const std::string& prompt,
                                                      const std::string& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, QString::fromStdString(title), DisplayText(prompt),
                                             QLineEdit::Normal, QString::fromStdString(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const FileChoice& choice) {
  const QString name = QFileDialog::getOpenFileName(parent_, QString::fromStdString(choice.title),
                                                    QString::fromStdString(choice.initialName),
                                                    QtFileFilter(choice.filter));
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const FileChoice& choice) {
  QFileDialog dialog(parent_, QString::fromStdString(choice.title), QString::fromStdString(choice.initialName),
                     QtFileFilter(choice.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (!choice.defaultExtension.empty()) {
    QString ext = QString::fromStdString(choice.defaultExtension);
    if (ext.startsWith('.')) ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
  }
  // QFileDialog asks before overwriting an existing file in save mode.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace skiagraf::gui
