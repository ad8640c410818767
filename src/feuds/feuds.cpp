#include "feuds/feuds.h"

#include <algorithm>

#include "state/date.h"

namespace rv {

Record feud_slot(Store& store, std::size_t k) { return Record(store.maindata, md::feuds_first + k * md::feud_size); }
RecordView feud_slot(const Store& store, std::size_t k) {
  return RecordView(store.maindata, md::feuds_first + k * md::feud_size);
}

bool feud_running(const Store& store, std::size_t k) { return !feud_slot(store, k).at(feud::type).empty(); }

std::string feud_heading(const Store& store, std::size_t k) {
  const auto f = feud_slot(store, k);
  if (f.at(feud::type) == "Tag Team") return f.at(feud::pair1) + " vs " + f.at(feud::pair2);
  return f.at(feud::worker1) + " vs " + f.at(feud::worker2);
}

bool feud_involves(const Store& store, std::size_t k, const std::string& worker) {
  if (!feud_running(store, k) || worker.empty()) return false;
  const auto f = feud_slot(store, k);
  for (std::size_t line : {feud::worker1, feud::worker2, feud::worker3, feud::worker4}) {
    if (f.at(line) == worker) return true;
  }
  return false;
}

namespace {

// Makes the feud the "Longest Feud" when it ran longer than the record.
void update_longest_feud(Store& store, std::size_t k) {
  const auto f = feud_slot(store, k);
  if (f.num(feud::duration) > store.md_num(md::record_longest_feud_days)) {
    store.set_md(md::record_longest_feud, feud_heading(store, k));
    store.set_md_num(md::record_longest_feud_days, f.num(feud::duration));
  }
}

}  // namespace

void feud_upkeep(Game& game) {
  Store& s = game.store;
  const std::string weekday(current_date(s).weekday_name());
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_running(s, k)) continue;
    const auto f = feud_slot(s, k);
    const Num duration = f.num(feud::duration) + 1;
    f.set_num(feud::duration, duration);
    if (duration < feud_days_before_cooling) continue;
    const Num cooling = std::max<Num>(f.num(feud::cooling) - 1, feud_min_cooling);
    f.set_num(feud::cooling, cooling);
    if (f.at(feud::state) == feud::cold) {
      f.set_num(feud::heat, std::max<Num>(f.num(feud::heat) - cold_feud_heat_loss, 1));
    } else if (weekday == "Tuesday" || weekday == "Friday") {
      if (game.rng.one_in(static_cast<int>(cooling))) {
        f.set(feud::state, std::string(feud::cold));
        update_longest_feud(s, k);
      }
    }
  }
}

void end_feud(Store& store, std::size_t k) {
  if (k >= md::feud_slots) return;
  if (feud_slot(store, k).at(feud::state) == feud::hot) update_longest_feud(store, k);
  for (std::size_t i = 0; i < md::feud_size; ++i) store.set_md(md::feuds_first + k * md::feud_size + i, "");
}

int end_feuds_of(Store& store, const std::string& worker) {
  int ended = 0;
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_involves(store, k, worker)) continue;
    end_feud(store, k);
    ++ended;
  }
  return ended;
}

}  // namespace rv
