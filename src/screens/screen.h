#pragma once
// The base of every screen: a background picture scaled to the screen, and Escape leading back
// to the screen this one was opened from.
#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;

namespace rvgui {

class Screen : public QWidget {
  Q_OBJECT

 public:
  explicit Screen(QWidget* parent = nullptr);
  void set_background(const QPixmap& picture);
  const QPixmap& background() const { return background_; }

 signals:
  // Escape was pressed and this screen has nothing of its own to close.
  void back_requested();

 protected:
  // Closes whatever the screen has open (a list, a mode); false when there was nothing.
  virtual bool escape_inner() { return false; }
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
  QPixmap scaled_;
};

// Shows the busy cursor while something that may take a moment runs (loading, saving, a day).
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Widget helpers: every control gets an object name.
QPushButton* make_button(const QString& object_name, const QString& caption, QWidget* parent);
QLabel* make_label(const QString& object_name, const QString& text, QWidget* parent);
// A small label styled as the caption of a value.
QLabel* caption(const QString& object_name, const QString& text, QWidget* parent);
// A soft dark shadow that keeps text readable over any background picture.
void add_shadow(QWidget* widget);

}  // namespace rvgui
