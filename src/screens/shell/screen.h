#pragma once
// The base of every screen: the session it shows, the navigator that moves between screens, a
// background picture scaled to the screen, and Escape leading back to the screen this one was
// opened from.
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "screens/shell/navigator.h"

class QFrame;
class QLabel;
class QPushButton;

namespace rvgui {

struct Session;

// The pictures behind the screens: the title picture (front menu) and the one behind the rest.
struct Backgrounds {
  QPixmap title;
  QPixmap normal;
};

class Screen : public QWidget {
  Q_OBJECT

 public:
  Screen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void set_background(const QPixmap& picture);
  const QPixmap& background() const { return background_; }
  virtual void set_backgrounds(const Backgrounds& pictures) { set_background(pictures.normal); }
  // Called each time the screen is shown: it shows the session as it stands.
  virtual void enter() {}

 public slots:
  // The way back (Escape with nothing open, the back buttons): to the screen below on the stack.
  virtual void go_back() { navigator_.back(); }

 protected:
  // Closes whatever the screen has open (a list, a mode); false when there was nothing.
  virtual bool escape_inner() { return false; }
  // The button Return presses wherever the focus is (unless a focused button takes it): the step
  // the screen is for. Disabled, it shows its tooltip, which says why.
  void set_default_button(QPushButton* button);
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  Session& session_;
  Navigator& navigator_;

 private:
  QPixmap background_;
  QPixmap scaled_;
  QPushButton* default_button_ = nullptr;
};

// Shows the busy cursor while something that may take a moment runs (loading, saving, a day).
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Opens the save described by `sav_file` at its main screen; false, with the message shown and
// the front menu back, when it cannot be loaded.
bool open_saved_game(Session& session, Navigator& navigator, const std::string& sav_file);

class Dialogs;
// A text the game can store, asked until it can be written in Windows-1252 (an empty text is an
// answer, for the core to refuse); nothing on cancel.
std::optional<std::string> ask_game_text(Dialogs& dialogs, const QString& question, const QString& default_answer = {});
// One of the core's choices, by its text; nothing on cancel.
std::optional<std::string> ask_game_choice(Dialogs& dialogs, const QString& question,
                                           const std::vector<std::string>& choices);
// One of the core's choices, by its place in the list (two entries may read alike); nothing on cancel.
std::optional<std::size_t> ask_game_choice_at(Dialogs& dialogs, const QString& question,
                                              const std::vector<std::string>& choices);

// Widget helpers: every control gets an object name.
QPushButton* make_button(const QString& object_name, const QString& caption, QWidget* parent);
QLabel* make_label(const QString& object_name, const QString& text, QWidget* parent);
// A framed, darkened panel that groups controls over the background picture.
QFrame* make_panel(const QString& object_name, QWidget* parent);
// An empty label styled as a large value (a wage, a date, a balance).
QLabel* value_label(const QString& object_name, QWidget* parent, const QString& tip);
// A small label styled as the caption of a value.
QLabel* caption(const QString& object_name, const QString& text, QWidget* parent);
// Lets `control` act when `why_not` is empty, its tooltip then `tip` (or the one it had before);
// otherwise disables it with a tooltip saying why it cannot act now.
void set_usable(QWidget* control, const QString& why_not, const QString& tip = {});
// A soft dark shadow that keeps text readable over any background picture.
void add_shadow(QWidget* widget);

}  // namespace rvgui
