#pragma once
// The booking screen's worker panel: every bookable worker with the figures a match's rating
// reads, where the worker stands on the card and with the fans, and whether the worker holds one
// of the player's titles.
#include <string>
#include <vector>

#include "shows/booking.h"

namespace rv {

struct PanelWorker {
  std::string name, gender;
  Num draw = 0, ability = 0, hardcore = 0, charisma = 0, morale = 0;
  Num condition = 0;       // 0 for an injured worker
  std::string role;        // "Upper Card Worker"
  std::string disposition;  // "Face" or "Heel"
  bool champion = false;
  bool on_card = false;
};

std::vector<PanelWorker> booking_panel(const Store& store, const std::vector<BookableWorker>& roster);

}  // namespace rv
