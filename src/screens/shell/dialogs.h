#pragma once
// The dialogs facade: every message box and prompt of the game goes through here, titled
// "Ringvale", and every answer comes back typed. In scripted mode (tests, screenshots) nothing is
// shown on screen: answers come from a queue and everything asked or shown is recorded. A
// question whose queued answer is missing or of the wrong kind is reported to the unanswered
// handler (tests fail there) and gets the cautious answer: No, or cancel.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

class QWidget;

namespace rvgui {

inline const QString dialog_title = QStringLiteral("Ringvale");

class Dialogs {
 public:
  enum class Kind { info, question, prompt, choice, number };
  struct Shown {
    Kind kind;
    QString heading;  // a short heading above the text ("Images Found!"), or empty
    QString text;
  };
  // A queued answer: Yes/No, a text, a cancel, an index in a list of choices, a whole number.
  struct Cancel {};
  struct Choice {
    int index;
  };
  using Answer = std::variant<bool, QString, Cancel, Choice, long long>;

  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;

  void set_parent(QWidget* parent) { parent_ = parent; }

  // An information message.
  void info(const QString& text, const QString& heading = {});
  // A Yes/No question; true for Yes.
  bool ask(const QString& text, const QString& heading = {});
  // A text prompt with a default answer; nothing when cancelled or (unless `empty_is_answer`)
  // answered with an empty text.
  std::optional<QString> prompt(const QString& text, const QString& default_answer = {}, bool empty_is_answer = false);
  // One of `options` (its index), starting at `current`; nothing when cancelled.
  std::optional<int> choose(const QString& text, const QStringList& options, int current = 0);
  // A whole number from `low` to `high`, starting at `value`; nothing when cancelled.
  std::optional<long long> whole_number(const QString& text, long long value, long long low, long long high);

  // Scripted mode.
  void set_scripted(bool scripted) { scripted_ = scripted; }
  bool scripted() const { return scripted_; }
  void queue_yes() { answers_.emplace_back(true); }
  void queue_no() { answers_.emplace_back(false); }
  void queue_text(const QString& text) { answers_.emplace_back(text); }
  void queue_cancel() { answers_.emplace_back(Cancel{}); }
  void queue_choice(int index) { answers_.emplace_back(Choice{index}); }
  void queue_number(long long n) { answers_.emplace_back(n); }
  std::size_t pending_answers() const { return answers_.size(); }
  // Called with the question when a scripted question has no answer of its kind queued.
  void set_unanswered_handler(std::function<void(const QString&)> handler) { unanswered_ = std::move(handler); }

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<QString> texts() const;
  // How many times this exact text was shown.
  int count(const QString& text) const;
  void clear_shown() { shown_.clear(); }

 private:
  // The next queued answer when it holds a T; otherwise the handler hears of it.
  template <class T>
  std::optional<T> scripted_answer(const QString& question, bool* cancelled);

  QWidget* parent_ = nullptr;
  bool scripted_ = false;
  std::deque<Answer> answers_;
  std::vector<Shown> shown_;
  std::function<void(const QString&)> unanswered_;
};

}  // namespace rvgui
