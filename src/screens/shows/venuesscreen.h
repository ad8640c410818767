#pragma once
// The venue list for today's show: choosing a venue and confirming it books the show and opens
// the card booking.
#include <optional>

#include "promotion/venues.h"
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;


class VenuesScreen : public Screen {
  Q_OBJECT

 public:
  VenuesScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Asks "Confirm Booking?" for the venue of this model row; Yes books it.
  void choose(int row);

 private:
  // "Book Venue" acts on the venue chosen in the list, and says so when none is.
  void update_book();

  QLabel* heading_;
  QLabel* note_;
  GridModel* model_;
  QTableView* grid_;
  QPushButton* book_;
  std::optional<rv::ShowFacts> show_;
};

}  // namespace rvgui
