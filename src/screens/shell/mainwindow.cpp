#include "screens/shell/mainwindow.h"

#include <algorithm>
#include <iterator>

#include <QApplication>
#include <QCloseEvent>
#include <QStackedWidget>

#include "screens/shell/registry.h"
#include "screens/shell/screen.h"
#include "screens/widgets/cp1252.h"
#include "state/pictures.h"
#include "state/startup.h"

namespace rvgui {

MainWindow::MainWindow(const rv::Home& home, Dialogs& dialogs, const rv::Clock& clock, std::uint64_t seed,
                       QWidget* parent)
    : QMainWindow(parent), session_(home, dialogs, clock, seed) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Ringvale"));
  setMinimumSize(1024, 768);
  dialogs.set_parent(this);
  stack_ = new QStackedWidget(this);
  stack_->setObjectName(QStringLiteral("screens"));
  setCentralWidget(stack_);
  for (const auto& entry : screen_registry()) {
    Screen* s = entry.make(session_, *this);
    stack_->addWidget(s);
    screens_[entry.name] = s;
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::load_backgrounds() {
  auto load = [this](std::string_view file) {
    return QPixmap(QString::fromStdString((session_.home.images() / std::string(file)).string()));
  };
  const Backgrounds pictures{load(rv::front_menu_background), load(rv::screen_background)};
  for (auto& [name, s] : screens_) s->set_backgrounds(pictures);
}

void MainWindow::start(bool with_intro) {
  if (const auto message = rv::check_folders(session_.home)) {
    session_.dialogs.info(qs(*message), qs(rv::folders_created_title));
  }
  load_backgrounds();
  restart_at(with_intro ? screen_name::intro : screen_name::front_menu);
}

Screen* MainWindow::screen(const QString& name) const {
  const auto it = screens_.find(name);
  return it == screens_.end() ? nullptr : it->second;
}

Screen* MainWindow::current_screen() const { return qobject_cast<Screen*>(stack_->currentWidget()); }

QString MainWindow::current_name() const {
  for (const auto& [name, s] : screens_) {
    if (s == stack_->currentWidget()) return name;
  }
  return {};
}

void MainWindow::show_screen(const QString& name) {
  Screen* s = screen(name);
  if (!s) return;
  stack_->setCurrentWidget(s);
  s->enter();
  // The screen may already have put the focus on its first control.
  if (!s->isAncestorOf(QApplication::focusWidget())) s->setFocus();
}

void MainWindow::open(const QString& name) {
  if (!screen(name)) return;
  const QString here = current_name();
  if (!here.isEmpty() && here != name) back_stack_.push_back(here);
  show_screen(name);
}

void MainWindow::back() {
  if (back_stack_.empty()) return;
  const QString name = back_stack_.back();
  back_stack_.pop_back();
  show_screen(name);
}

void MainWindow::back_to(const QString& name) {
  const auto at = std::find(back_stack_.rbegin(), back_stack_.rend(), name);
  if (at == back_stack_.rend()) {
    back();
    return;
  }
  back_stack_.erase(std::prev(at.base()), back_stack_.end());
  show_screen(name);
}

void MainWindow::restart_at(const QString& name) {
  if (!screen(name)) return;
  back_stack_.clear();
  show_screen(name);
}

void MainWindow::end_program() {
  session_.game.reset();
  emit program_end_requested();
}

bool MainWindow::load_save(const QString& sav_file) {
  return open_saved_game(session_, *this, to_cp1252_lossy(sav_file));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (session_.game && !session_.dialogs.ask(QStringLiteral("Quit Ringvale? Anything you have not saved in this "
                                                             "game will be lost."))) {
    event->ignore();
    return;
  }
  emit program_end_requested();
  event->accept();
}

}  // namespace rvgui
