#include "screens/shell/screen.h"

#include <QFrame>

#include <QAbstractItemView>
#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <QPushButton>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"

namespace rvgui {

Screen::Screen(Session& session, Navigator& navigator, QWidget* parent)
    : QWidget(parent), session_(session), navigator_(navigator) {
  setAttribute(Qt::WA_StyledBackground, false);
}

void Screen::set_background(const QPixmap& picture) {
  background_ = picture;
  scaled_ = QPixmap();
  update();
}

void Screen::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (!escape_inner()) go_back();
    event->accept();
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // A list takes Return for its own row (it opens or picks it); anywhere else Return is the default.
  const bool list = qobject_cast<QAbstractItemView*>(focusWidget()) != nullptr;
  if (enter && !list && default_button_ && default_button_->isVisible()) {
    if (default_button_->isEnabled()) {
      default_button_->click();
    } else if (!default_button_->toolTip().isEmpty()) {
      QToolTip::showText(default_button_->mapToGlobal(default_button_->rect().center()), default_button_->toolTip(),
                         default_button_);
    }
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Screen::set_default_button(QPushButton* button) {
  default_button_ = button;
  button->setDefault(true);
}

void Screen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x1b, 0x1f, 0x2e));
    g.setColorAt(1, QColor(0x07, 0x08, 0x0d));
    painter.fillRect(rect(), g);
    return;
  }
  // Scaled to cover the whole screen, cropped in the middle; cached per size.
  if (scaled_.size() != size()) {
    const QPixmap cover = background_.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    scaled_ = cover.copy((cover.width() - width()) / 2, (cover.height() - height()) / 2, width(), height());
  }
  painter.drawPixmap(0, 0, scaled_);
}

bool open_saved_game(Session& session, Navigator& navigator, const std::string& sav_file) {
  std::optional<std::string> problem;
  {
    const BusyCursor busy;
    problem = session.load_save(sav_file);
  }
  if (problem) {
    session.dialogs.info(qs(*problem));
    navigator.restart_at(screen_name::front_menu);
    return false;
  }
  navigator.restart_at(screen_name::main);
  return true;
}

std::optional<std::string> ask_game_text(Dialogs& dialogs, const QString& question, const QString& default_answer) {
  for (;;) {
    const auto answer = dialogs.prompt(question, default_answer, true);
    if (!answer) return std::nullopt;
    if (auto bytes = to_cp1252(answer->trimmed())) return bytes;
    dialogs.info(not_cp1252_message(*answer));
  }
}

std::optional<std::size_t> ask_game_choice_at(Dialogs& dialogs, const QString& question,
                                              const std::vector<std::string>& choices) {
  QStringList options;
  for (const auto& c : choices) options << qs(c);
  const auto index = dialogs.choose(question, options);
  if (!index || *index < 0 || static_cast<std::size_t>(*index) >= choices.size()) return std::nullopt;
  return static_cast<std::size_t>(*index);
}

std::optional<std::string> ask_game_choice(Dialogs& dialogs, const QString& question,
                                           const std::vector<std::string>& choices) {
  const auto index = ask_game_choice_at(dialogs, question, choices);
  if (!index) return std::nullopt;
  return choices[*index];
}

QPushButton* make_button(const QString& object_name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(object_name);
  b->setCursor(Qt::PointingHandCursor);
  b->setAutoDefault(true);  // Return presses the focused button, as Space does
  return b;
}

void set_usable(QWidget* control, const QString& why_not, const QString& tip) {
  // A control's own tooltip is kept aside while the reason it cannot act is shown instead.
  static constexpr const char* own_tip = "rvOwnTip";
  if (!tip.isEmpty()) control->setProperty(own_tip, tip);
  else if (!control->property(own_tip).isValid()) control->setProperty(own_tip, control->toolTip());
  control->setEnabled(why_not.isEmpty());
  control->setToolTip(why_not.isEmpty() ? control->property(own_tip).toString() : why_not);
}

QLabel* make_label(const QString& object_name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(object_name);
  return l;
}

QLabel* value_label(const QString& object_name, QWidget* parent, const QString& tip) {
  auto* l = make_label(object_name, QString(), parent);
  l->setProperty("role", "value");
  l->setToolTip(tip);
  return l;
}

QFrame* make_panel(const QString& object_name, QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setObjectName(object_name);
  f->setProperty("role", "panel");
  return f;
}

QLabel* caption(const QString& object_name, const QString& text, QWidget* parent) {
  auto* l = make_label(object_name, text, parent);
  l->setProperty("role", "caption");
  return l;
}

}  // namespace rvgui

namespace rvgui {

void add_shadow(QWidget* widget) {
  auto* shadow = new QGraphicsDropShadowEffect(widget);
  shadow->setBlurRadius(18);
  shadow->setOffset(0, 2);
  shadow->setColor(QColor(0, 0, 0, 230));
  widget->setGraphicsEffect(shadow);
}

}  // namespace rvgui

namespace rvgui {

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace rvgui
