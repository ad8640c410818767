#pragma once
// The roster: the player's workers in a grid, through a view or sort of the choice list. A click
// opens a worker's profile; the roster can be split into two brands (or reunited) and printed.
#include "screens/shell/screen.h"

class QComboBox;
class QTableView;

namespace rvgui {

class GridModel;

class RosterScreen : public Screen {
  Q_OBJECT

 public:
  RosterScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Shows the grid for an entry of the choice list.
  void show_choice(const QString& choice);
  void toggle_split();
  void print_roster();
  void open_worker(int view_row);

 private:
  void fill_choices();
  void create_split();
  void end_split();

  QLabel* heading_;
  QLabel* count_;
  QComboBox* choice_;
  GridModel* model_;
  QTableView* grid_;
  QPushButton* split_;
  QPushButton* print_;
  QPushButton* back_;
};

}  // namespace rvgui
