#pragma once
// A worker's profile: every attribute, his figures as bars, and the changes the player makes
// here (role, a planned turn, valet, brand), with "Edit Info" and "Contract" one step away.
#include <array>
#include <optional>

#include "screens/shell/screen.h"

class QProgressBar;

namespace rvgui {

class ProfileScreen : public Screen {
  Q_OBJECT

 public:
  ProfileScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;
  // Back to the roster, or straight back to show booking when the roster was opened from it.
  void go_back() override;

 public slots:
  void change_role();
  void turn();
  void choose_valet();
  void choose_brand();

 private:
  static constexpr int figure_count = 7;
  static constexpr int fact_count = 10;
  std::optional<std::size_t> row() const;
  void fill();

  QLabel* heading_;
  QLabel* subheading_;
  std::array<QLabel*, figure_count> figure_captions_{};
  std::array<QProgressBar*, figure_count> figures_{};
  std::array<QLabel*, fact_count> fact_captions_{};
  std::array<QLabel*, fact_count> facts_{};
  QLabel* description_;
  QLabel* finisher_;
  QLabel* record_;  // his matches, wins, losses and title reigns from the show archive
  QPushButton* role_;
  QPushButton* turn_;
  QPushButton* valet_;
  QPushButton* brand_;
  QPushButton* edit_;
  QPushButton* contract_;
  QPushButton* back_;
};

}  // namespace rvgui
