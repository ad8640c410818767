#pragma once
// The one main window: a stack of screens, one shown at a time, and the moves between them.
#include <QMainWindow>
#include <memory>

#include "screens/session.h"

class QStackedWidget;

namespace rvgui {

class IntroScreen;
class FrontMenu;
class PromotionChoiceScreen;
class MainScreen;
class InboxScreen;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(const rv::Home& home, Dialogs& dialogs, const rv::Clock& clock, std::uint64_t seed,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The folder checks, the backgrounds, then the intro (or straight to the front menu).
  void start(bool with_intro);
  // Loads the save described by `sav_file` and opens its main screen; false (with the message
  // shown) when it cannot be loaded.
  bool load_save(const QString& sav_file);

  Session& session() { return session_; }
  QWidget* current_screen() const;
  IntroScreen* intro() const { return intro_; }
  FrontMenu* front_menu() const { return menu_; }
  PromotionChoiceScreen* choice_screen() const { return choice_; }
  MainScreen* main_screen() const { return main_; }
  InboxScreen* inbox_screen() const { return inbox_; }

 public slots:
  void show_front_menu();
  void show_choice();
  void show_main();
  void show_inbox();

 signals:
  // Exit, a dismissal or closing one of the screens that end the program.
  void program_end_requested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void show_screen(QWidget* screen);
  void load_backgrounds();
  void end_game();
  void today_show();

  Session session_;
  QStackedWidget* stack_;
  IntroScreen* intro_;
  FrontMenu* menu_;
  PromotionChoiceScreen* choice_;
  MainScreen* main_;
  InboxScreen* inbox_;
};

}  // namespace rvgui
