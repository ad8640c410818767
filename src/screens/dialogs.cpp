#include "screens/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace rvgui {

std::optional<QString> Dialogs::next_answer() {
  if (answers_.empty()) return std::nullopt;
  QString a = answers_.front();
  answers_.pop_front();
  return a;
}

void Dialogs::info(const QString& text, const QString& heading) {
  shown_.push_back({Kind::info, heading, text});
  if (scripted_) return;
  QMessageBox box(QMessageBox::Information, dialog_title, heading.isEmpty() ? text : heading, QMessageBox::Ok,
                  parent_);
  box.setObjectName(QStringLiteral("messageBox"));
  if (!heading.isEmpty()) box.setInformativeText(text);
  box.exec();
}

bool Dialogs::ask(const QString& text, const QString& heading) {
  shown_.push_back({Kind::question, heading, text});
  if (scripted_) return next_answer().value_or(QStringLiteral("No")) == QStringLiteral("Yes");
  QMessageBox box(QMessageBox::Question, dialog_title, heading.isEmpty() ? text : heading,
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setObjectName(QStringLiteral("questionBox"));
  if (!heading.isEmpty()) box.setInformativeText(text);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> Dialogs::prompt(const QString& text, const QString& default_answer) {
  shown_.push_back({Kind::prompt, {}, text});
  QString answer;
  if (scripted_) {
    answer = next_answer().value_or(QString());
  } else {
    QInputDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("promptDialog"));
    dialog.setWindowTitle(dialog_title);
    dialog.setLabelText(text);
    dialog.setTextValue(default_answer);
    dialog.setMinimumWidth(480);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    answer = dialog.textValue();
  }
  if (answer.trimmed().isEmpty()) return std::nullopt;
  return answer;
}

std::vector<QString> Dialogs::texts() const {
  std::vector<QString> out;
  for (const auto& s : shown_) out.push_back(s.text);
  return out;
}

int Dialogs::count(const QString& text) const {
  int n = 0;
  for (const auto& s : shown_) n += s.text == text ? 1 : 0;
  return n;
}

}  // namespace rvgui
