#pragma once
// A running program over the small hand-made world, with scripted dialogs, a fixed clock and a
// fixed seed, for the screen tests.
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "screens/cycle/inboxscreen.h"
#include "screens/cycle/mainscreen.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/mainwindow.h"
#include "screens/start/frontmenu.h"
#include "screens/start/promotionchoicescreen.h"
#include "state/clock.h"
#include "state/home.h"
#include "support/world.h"

namespace rvscreens {

class Fixture {
 public:
  Fixture();
  ~Fixture();

  rvgui::MainWindow& window() { return *window_; }
  rvgui::Dialogs& dialogs() { return dialogs_; }
  const rv::Home& home() const { return home_; }
  rv::Game* game() { return window_->session().game.get(); }

  rvgui::FrontMenu* front_menu() { return window_->screen_as<rvgui::FrontMenu>(rvgui::screen_name::front_menu); }
  rvgui::PromotionChoiceScreen* choice_screen() {
    return window_->screen_as<rvgui::PromotionChoiceScreen>(rvgui::screen_name::choice);
  }
  rvgui::MainScreen* main_screen() { return window_->screen_as<rvgui::MainScreen>(rvgui::screen_name::main); }
  rvgui::InboxScreen* inbox_screen() { return window_->screen_as<rvgui::InboxScreen>(rvgui::screen_name::inbox); }

  // Starts the window at the front menu.
  void start();

  template <class T = QWidget>
  T* find(const QString& name) {
    auto* w = window_->findChild<T*>(name);
    if (!w) qWarning("no widget named %s", qPrintable(name));
    return w;
  }
  // Clicks a button by object name; false when it is missing, hidden or disabled.
  bool click(const QString& name);
  QString text_of(const QString& name);

  // New Game as "Player 1", the promotion of choice button `button` (1 to 11), Start.
  bool new_game(int button = 1);
  // start() then new_game(): the usual way into a test of a running game.
  bool start_new_game(int button = 1) {
    start();
    return new_game(button);
  }
  // From a new game's main screen: plays on to the first show day, books the first venue and
  // opens the card; false when any step fails.
  bool to_first_booking();

 private:
  rvtest::TempDir dir_;
  rv::Home home_;
  rvgui::Dialogs dialogs_;
  rv::FixedClock clock_;
  std::unique_ptr<rvgui::MainWindow> window_;
};

// A grid's texts as shown: one cell, one column top to bottom, the first row whose cell in
// `column` reads `text` (-1 for none); and a mouse click on a row.
QString cell(QTableView* grid, int row, int column);
QStringList column_texts(QTableView* grid, int column = 0);
int row_of(QTableView* grid, const QString& text, int column = 0);
void click_row(QTableView* grid, int row, int column = 0);

// A picture file of the given size in the home's Images folder.
void write_picture(const rv::Home& home, const QString& file, int w = 64, int h = 48);

}  // namespace rvscreens
