#pragma once
// The dialogs facade: every message box and prompt of the game goes through here, titled
// "Ringvale". In scripted mode (tests) nothing is shown on screen: answers come from a queue and
// everything asked or shown is recorded.
#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace rvgui {

inline const QString dialog_title = QStringLiteral("Ringvale");

class Dialogs {
 public:
  enum class Kind { info, question, prompt };
  struct Shown {
    Kind kind;
    QString heading;  // a short heading above the text ("Images Found!"), or empty
    QString text;
  };

  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;

  void set_parent(QWidget* parent) { parent_ = parent; }

  // An information message.
  void info(const QString& text, const QString& heading = {});
  // A Yes/No question; true for Yes.
  bool ask(const QString& text, const QString& heading = {});
  // A text prompt with a default answer; nothing when cancelled or answered with an empty text.
  std::optional<QString> prompt(const QString& text, const QString& default_answer = {});

  // Scripted mode for tests.
  void set_scripted(bool scripted) { scripted_ = scripted; }
  bool scripted() const { return scripted_; }
  void queue_yes_no(bool yes) { answers_.push_back(yes ? QStringLiteral("Yes") : QStringLiteral("No")); }
  // An empty text answers a prompt with cancel.
  void queue_text(const QString& text) { answers_.push_back(text); }
  std::size_t pending_answers() const { return answers_.size(); }
  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<QString> texts() const;
  // How many times this exact text was shown.
  int count(const QString& text) const;
  void clear_shown() { shown_.clear(); }

 private:
  std::optional<QString> next_answer();

  QWidget* parent_ = nullptr;
  bool scripted_ = false;
  std::deque<QString> answers_;
  std::vector<Shown> shown_;
};

}  // namespace rvgui
