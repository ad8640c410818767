#pragma once
// "Booking Wrestlers for Certain Dates": a worker from outside the roster booked for one show
// date, his fee and flight, the dates he can be booked for, and the player's other bookings.
#include <optional>

#include "screens/shell/screen.h"

class QFrame;
class QListWidget;

namespace rvgui {

class IndyBookingScreen : public Screen {
  Q_OBJECT

 public:
  IndyBookingScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  void confirm();
  void toggle_other_bookings();

 protected:
  bool escape_inner() override;

 private:
  std::optional<std::size_t> row() const;
  void fill();
  void fill_other_bookings();
  void set_others_shown(bool shown);

  QLabel* heading_;
  QLabel* question_;
  QLabel* fee_;
  QLabel* flight_;
  QLabel* balance_;
  QListWidget* dates_;
  QFrame* others_panel_;
  QListWidget* others_;
  QPushButton* confirm_;
  QPushButton* cancel_;
  QPushButton* others_button_;
};

}  // namespace rvgui
