#include "screens/shell/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>
#include <limits>

namespace rvgui {

template <class T>
std::optional<T> Dialogs::scripted_answer(const QString& question, bool* cancelled) {
  if (!answers_.empty()) {
    const Answer a = answers_.front();
    if (cancelled && std::holds_alternative<Cancel>(a)) {
      answers_.pop_front();
      *cancelled = true;
      return std::nullopt;
    }
    if (const T* value = std::get_if<T>(&a)) {
      answers_.pop_front();
      return *value;
    }
  }
  const QString why = answers_.empty() ? QStringLiteral("no answer queued for: ")
                                       : QStringLiteral("the queued answer is of another kind for: ");
  if (!answers_.empty()) answers_.pop_front();  // used up, so that the answers after it keep their places
  if (unanswered_) unanswered_(why + question);
  return std::nullopt;
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
  if (scripted_) return scripted_answer<bool>(text, nullptr).value_or(false);
  QMessageBox box(QMessageBox::Question, dialog_title, heading.isEmpty() ? text : heading,
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setObjectName(QStringLiteral("questionBox"));
  if (!heading.isEmpty()) box.setInformativeText(text);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> Dialogs::prompt(const QString& text, const QString& default_answer, bool empty_is_answer) {
  shown_.push_back({Kind::prompt, {}, text});
  std::optional<QString> answer;
  if (scripted_) {
    bool cancelled = false;
    answer = scripted_answer<QString>(text, &cancelled);
  } else {
    QInputDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("promptDialog"));
    dialog.setWindowTitle(dialog_title);
    dialog.setLabelText(text);
    dialog.setTextValue(default_answer);
    dialog.setMinimumWidth(480);
    if (dialog.exec() == QDialog::Accepted) answer = dialog.textValue();
  }
  if (!answer || (!empty_is_answer && answer->trimmed().isEmpty())) return std::nullopt;
  return answer;
}

std::optional<int> Dialogs::choose(const QString& text, const QStringList& options, int current) {
  shown_.push_back({Kind::choice, {}, text});
  if (options.isEmpty()) return std::nullopt;
  if (scripted_) {
    bool cancelled = false;
    const auto choice = scripted_answer<Choice>(text, &cancelled);
    if (!choice) return std::nullopt;
    if (choice->index < 0 || choice->index >= options.size()) {
      if (unanswered_) unanswered_(QStringLiteral("the queued choice is not in the list for: ") + text);
      return std::nullopt;
    }
    return choice->index;
  }
  QInputDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("choiceDialog"));
  dialog.setWindowTitle(dialog_title);
  dialog.setLabelText(text);
  dialog.setComboBoxItems(options);
  dialog.setComboBoxEditable(false);
  dialog.setTextValue(options.value(std::clamp<int>(current, 0, static_cast<int>(options.size()) - 1)));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const auto index = options.indexOf(dialog.textValue());
  return index < 0 ? std::nullopt : std::optional<int>(static_cast<int>(index));
}

std::optional<long long> Dialogs::whole_number(const QString& text, long long value, long long low, long long high) {
  shown_.push_back({Kind::number, {}, text});
  if (low > high) return std::nullopt;
  if (scripted_) {
    bool cancelled = false;
    const auto n = scripted_answer<long long>(text, &cancelled);
    if (!n) return std::nullopt;
    if (*n < low || *n > high) {
      if (unanswered_) unanswered_(QStringLiteral("the queued number is out of range for: ") + text);
      return std::nullopt;
    }
    return n;
  }
  // The spin box of the input dialog holds an int: the range is kept within it.
  const auto clamp_int = [](long long n) {
    return static_cast<int>(std::clamp<long long>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  };
  QInputDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("numberDialog"));
  dialog.setWindowTitle(dialog_title);
  dialog.setLabelText(text);
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setIntRange(clamp_int(low), clamp_int(high));
  dialog.setIntValue(clamp_int(std::clamp(value, low, high)));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return static_cast<long long>(dialog.intValue());
}

std::vector<QString> Dialogs::texts() const {
  std::vector<QString> out;
  for (const auto& s : shown_) out.push_back(s.text);
  return out;
}

int Dialogs::count(const QString& text) const {
  return static_cast<int>(std::count_if(shown_.begin(), shown_.end(), [&](const Shown& s) { return s.text == text; }));
}

}  // namespace rvgui
