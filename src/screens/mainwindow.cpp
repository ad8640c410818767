#include "screens/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStackedWidget>

#include "cycle/showday.h"
#include "screens/cp1252.h"
#include "screens/frontmenu.h"
#include "screens/inboxscreen.h"
#include "screens/introscreen.h"
#include "screens/mainscreen.h"
#include "screens/promotionchoicescreen.h"
#include "state/pictures.h"
#include "state/saves.h"
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
  intro_ = new IntroScreen(stack_);
  menu_ = new FrontMenu(session_, stack_);
  choice_ = new PromotionChoiceScreen(session_, stack_);
  main_ = new MainScreen(session_, stack_);
  inbox_ = new InboxScreen(session_, stack_);
  for (QWidget* w : std::initializer_list<QWidget*>{intro_, menu_, choice_, main_, inbox_}) stack_->addWidget(w);

  connect(intro_, &IntroScreen::finished, this, &MainWindow::show_front_menu);
  connect(menu_, &FrontMenu::choice_ready, this, &MainWindow::show_choice);
  connect(menu_, &FrontMenu::game_ready, this, &MainWindow::show_main);
  connect(menu_, &FrontMenu::exit_requested, this, &MainWindow::program_end_requested);
  connect(choice_, &PromotionChoiceScreen::game_ready, this, &MainWindow::show_main);
  connect(choice_, &PromotionChoiceScreen::back_requested, this, [this] {
    session_.pending.reset();
    show_front_menu();
  });
  connect(main_, &MainScreen::inbox_requested, this, &MainWindow::show_inbox);
  connect(main_, &MainScreen::back_requested, main_, &MainScreen::quit_to_menu);
  connect(main_, &MainScreen::menu_requested, this, [this] {
    session_.game.reset();
    show_front_menu();
  });
  connect(main_, &MainScreen::game_ended, this, &MainWindow::end_game);
  connect(main_, &MainScreen::show_requested, this, &MainWindow::today_show);
  connect(inbox_, &InboxScreen::back_requested, this, &MainWindow::show_main);
}

MainWindow::~MainWindow() = default;

void MainWindow::load_backgrounds() {
  auto load = [this](std::string_view file) {
    return QPixmap(QString::fromStdString((session_.home.images() / std::string(file)).string()));
  };
  const QPixmap title = load(rv::front_menu_background);
  const QPixmap normal = load(rv::screen_background);
  intro_->set_background(normal);
  menu_->set_backgrounds(title, normal);
  for (Screen* s : std::initializer_list<Screen*>{choice_, main_, inbox_}) s->set_background(normal);
}

void MainWindow::start(bool with_intro) {
  if (const auto message = rv::check_folders(session_.home)) {
    session_.dialogs.info(qs(*message), qs(rv::folders_created_title));
  }
  load_backgrounds();
  if (with_intro) {
    show_screen(intro_);
    intro_->start();
  } else {
    show_front_menu();
  }
}

QWidget* MainWindow::current_screen() const { return stack_->currentWidget(); }

void MainWindow::show_screen(QWidget* screen) {
  stack_->setCurrentWidget(screen);
  // The screen may already have put the focus on its first control.
  if (!screen->isAncestorOf(QApplication::focusWidget())) screen->setFocus();
}

void MainWindow::show_front_menu() {
  menu_->show_menu();
  show_screen(menu_);
  menu_->show_menu();  // gives the first entry the focus
}

void MainWindow::show_choice() {
  choice_->load();
  show_screen(choice_);
}

void MainWindow::show_main() {
  main_->refresh();
  show_screen(main_);
}

void MainWindow::show_inbox() {
  inbox_->show_inbox();
  show_screen(inbox_);
}

bool MainWindow::load_save(const QString& sav_file) {
  const std::string sav = to_cp1252_lossy(sav_file);
  const auto info = rv::read_save_info(session_.home, sav);
  auto store = info ? rv::load_game(session_.home, sav) : rv::Result<rv::Store>(rv::Failure{info.error()});
  if (!store) {
    session_.dialogs.info(qs(store.error()));
    show_front_menu();
    return false;
  }
  session_.start_game(std::move(*store), info->folder);
  show_main();
  return true;
}

void MainWindow::today_show() {
  // Until the venue and show booking screens exist, the day ends without the show so that the
  // game can go on.
  if (!session_.game) return;
  session_.dialogs.info(QStringLiteral("Today's show could go ahead, but the venue and booking screens are not part "
                                       "of this version of Ringvale yet, so the day ends without it."));
  rv::end_show_day(session_.game->store);
  main_->refresh();
}

void MainWindow::end_game() {
  session_.game.reset();
  emit program_end_requested();
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
