#pragma once
// A worker from outside the roster, as the player's scouts see him: his figures, his contract,
// career and status, with "Approach To Sign" and "Approach To Book".
#include <array>
#include <optional>

#include "screens/shell/screen.h"

class QProgressBar;

namespace rvgui {

class OutsideProfileScreen : public Screen {
  Q_OBJECT

 public:
  OutsideProfileScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  void approach_to_sign();
  void approach_to_book();

 private:
  static constexpr int figure_count = 6;
  static constexpr int fact_count = 10;
  std::optional<std::size_t> row() const;

  QLabel* heading_;
  std::array<QProgressBar*, figure_count> figures_{};
  std::array<QLabel*, fact_count> facts_{};
  QPushButton* sign_;
  QPushButton* book_;
  QPushButton* back_;
};

}  // namespace rvgui
