#pragma once
// Booking today's card: the number of matches, the slot buttons, the step caption, the list of
// what the step offers, the card as booked so far and the roster panel. The screen only shows the
// booking machine and hands it the player's clicks.
#include <QString>
#include <vector>

#include "screens/shell/screen.h"

class QBoxLayout;
class QHBoxLayout;
class QVBoxLayout;
class QTableView;

namespace rvgui {

class GridModel;

class BookingScreen : public Screen {
  Q_OBJECT

 public:
  BookingScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;
  // From this width up the Choose and Card lists stand side by side; below it they stack.
  static constexpr int wide_window = 1400;
  static constexpr int narrow_lists_width = 300;

 public slots:
  void choose_count(int index);  // 0 to 3: the four count buttons
  void open_slot(int slot);      // 1 to 10
  void pick(int model_row);      // a click on the booking list
  void clear_match();
  void clear_show();
  void confirm();
  // Fills every empty slot with the game's own suggestion; the player may change any of it.
  void suggest_card();

 private:
  void offer_a_feud();
  QVBoxLayout* make_footer();
  void arrange_panels();
  void resizeEvent(QResizeEvent* event) override;
  void ensure_booking();
  void ask_team_names();
  void refresh();

  QLabel* heading_;
  QLabel* caption_;
  std::vector<QPushButton*> counts_;
  std::vector<QPushButton*> slots_;
  GridModel* choices_model_;
  QTableView* choices_;
  GridModel* card_model_;
  QTableView* card_;
  GridModel* roster_model_;
  QTableView* roster_;
  QHBoxLayout* panels_;
  QBoxLayout* lists_;
  QPushButton* confirm_;
  QPushButton* clear_match_;
  QPushButton* clear_show_;
};

}  // namespace rvgui
