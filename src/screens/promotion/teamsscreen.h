#pragma once
// "Tag Teams & Stables": the promotion's tag teams or stables in a list, the members of the
// selected one in a grid, and the buttons that create a team, add and remove members and break
// a team up. A new team is only the screen's until its first member joins.
#include <optional>
#include <string>
#include <vector>

#include "promotion/teams.h"
#include "screens/shell/screen.h"

class QComboBox;
class QListWidget;
class QTableView;

namespace rvgui {

class GridModel;

class TeamsScreen : public Screen {
  Q_OBJECT

 public:
  TeamsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;
  rv::TeamKind kind() const;
  // The team whose members the grid shows; nothing while none is selected.
  const std::optional<std::string>& shown_team() const { return shown_; }

 public slots:
  // A click on the list: "Create New" (row 0) asks for a new team, any other row shows a team.
  void pick_row(int row);
  void create_team();
  void add_member();
  void remove_member();
  void delete_team();

 private:
  // Lists the teams again and selects `select` when it is still there.
  void fill(const std::optional<std::string>& select);
  void fill_members();
  std::optional<std::size_t> player() const;
  std::optional<std::size_t> selected_member() const;

  std::vector<std::string> listed_;     // the teams of the list, row 1 onwards
  std::optional<std::string> pending_;  // a new team without members yet
  std::optional<std::string> shown_;
  QComboBox* kind_;
  QListWidget* list_;
  QLabel* members_caption_;
  GridModel* model_;
  QTableView* members_;
  QPushButton* add_;
  QPushButton* remove_;
  QPushButton* delete_;
  QPushButton* back_;
};

}  // namespace rvgui
