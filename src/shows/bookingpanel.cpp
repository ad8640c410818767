#include "shows/bookingpanel.h"

#include "talent/contract.h"
#include "titles/titles.h"

namespace rv {

std::vector<PanelWorker> booking_panel(const Store& store, const std::vector<BookableWorker>& roster) {
  std::vector<PanelWorker> out;
  out.reserve(roster.size());
  const auto player = store.player_index();
  for (const BookableWorker& b : roster) {
    PanelWorker p;
    p.name = b.name;
    p.gender = b.gender;
    p.draw = b.pop;
    p.role = std::string(role_name(b.role));
    p.on_card = b.on_card;
    if (const auto row = store.find_worker(b.name)) {
      const WorkerView w = store.worker(*row);
      p.ability = w.ent();
      p.hardcore = w.hardcore();
      p.charisma = w.charisma();
      p.morale = w.morale();
      p.condition = w.cond();
      p.disposition = w.faceheel();
    }
    for (std::size_t slot = 0; player && slot < prom::title_slots && !p.champion; ++slot)
      p.champion = holds_title(store, *player, slot, b.name);
    out.push_back(std::move(p));
  }
  return out;
}

}  // namespace rv
