#pragma once
// Setting up the battle royal of the card being booked: the entrants (all the men, every worker
// who wrestles, or one by one between the two lists), then the winner and the runner-up when the
// player wants to name them. The rules are the setup's; the screen shows it and hands it clicks.
#include <optional>
#include <vector>

#include "screens/shell/screen.h"
#include "shows/battleroyal.h"

class QTableView;

namespace rvgui {

class GridModel;

class BattleRoyalScreen : public Screen {
  Q_OBJECT

 public:
  BattleRoyalScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

  // What the clicks on the entrant list do at the moment.
  enum class Mode { choosing, picking_winner, picking_runner_up };
  Mode mode() const { return mode_; }

 public slots:
  void enter_all();
  void enter_all_workers();
  void choose_manually();
  // A row of the available or the entered list (model rows): moved to the other list while
  // choosing by hand, or named winner / runner-up while those are picked.
  void take_available(int model_row);
  void take_entered(int model_row);
  void confirm();
  void cancel();
  // Leaving the screen gives the battle royal up, as Cancel does: the card cannot stay half set.
  void go_back() override { cancel(); }

 protected:
  bool escape_inner() override;

 private:
  void name_pick(const QString& name);
  void ask_runner_up();
  void finish();
  void refresh();

  QLabel* heading_;
  QLabel* note_;
  QLabel* count_;
  QPushButton* enter_all_;
  QPushButton* enter_all_workers_;
  QPushButton* manual_button_;
  GridModel* available_model_;
  QTableView* available_;
  GridModel* entered_model_;
  QTableView* entered_;
  QPushButton* confirm_;
  QPushButton* cancel_;
  std::optional<rv::BattleRoyalSetup> setup_;
  std::vector<rv::BookableWorker> pool_;  // for the figures shown beside each name
  bool manual_ = false;
  Mode mode_ = Mode::choosing;
};

// For a picture of the screen straight from a save: a booking of the next show waiting for the
// entrants of a battle royal, made when the session has none. False without a game.
bool prepare_battle_royal(Session& session);

}  // namespace rvgui
