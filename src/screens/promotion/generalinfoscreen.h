#pragma once
// "General Info": the player's promotion at a glance. Clicking a brand's name renames it; a
// power figure or talk show row fills or empties that slot, a question at a time. From here the
// promotion's records and the rankings of every promotion are opened.
#include <cstddef>
#include <vector>

#include "promotion/info.h"
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class GeneralInfoScreen : public Screen {
  Q_OBJECT

 public:
  GeneralInfoScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Acts on row `row` of the list as the core describes it (nothing for a plain row).
  void open_row(int row);

 private:
  void fill();
  void change_brand(std::size_t brand);
  void change_power_figure(std::size_t slot);
  void change_talk_show(std::size_t slot);
  // Shows the refusal of a change, if any.
  void report(const rv::Status& status);

  std::vector<rv::InfoRow> rows_;
  GridModel* model_;
  QTableView* grid_;
  QPushButton* records_;
  QPushButton* rankings_;
  QPushButton* back_;
};

}  // namespace rvgui
