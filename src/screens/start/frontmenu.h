#pragma once
// The front menu: New Game, Load Game, Play Scenario, Credits and Exit, with the load list and
// the scenario list sharing one action button ("Load" or "Play") and "Cancel".
#include <QPixmap>

#include "screens/shell/screen.h"

class QListWidget;
class QFrame;
class QSpacerItem;
class QLayout;

namespace rvgui {

class FrontMenu : public Screen {
  Q_OBJECT

 public:
  enum class Mode { menu, load, scenarios };

  FrontMenu(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void set_backgrounds(const Backgrounds& pictures) override;
  void enter() override { show_menu(); }
  Mode mode() const { return mode_; }

 public slots:
  void show_menu();
  void new_game();
  void show_load_list();
  void show_scenarios();
  void show_credits();
  void act();  // the action button: "Load" or "Play"

 protected:
  bool escape_inner() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* build_menu_panel();
  void build_list_panel();
  QLayout* build_footer();
  void select_scenario();
  void select_save();
  // Asks for the player's name until it can be stored; nothing when cancelled.
  std::optional<QString> ask_player_name();
  void start_world(const QString& scenario);
  void move_scenario_pictures(const std::string& scenario);
  void layout_top_space(bool menu);

  Mode mode_ = Mode::menu;
  QPixmap title_bg_, normal_bg_;
  QLabel* title_;
  QLabel* tagline_;
  QSpacerItem* top_space_;
  QFrame* menu_panel_;
  QFrame* list_panel_;
  QLabel* list_title_;
  QListWidget* save_list_;
  QListWidget* scenario_list_;
  QLabel* info_;
  QPushButton* action_;
  QPushButton* cancel_;
  QPushButton* new_game_;
};

}  // namespace rvgui
