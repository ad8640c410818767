#include "feuds/feuds.h"

#include <algorithm>

#include "state/date.h"
#include "state/ledger.h"
#include "state/ranges.h"

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
    const Num duration = step_within(f.num(feud::duration), 1, range::days);
    f.set_num(feud::duration, duration);
    if (duration < feud_days_before_cooling) continue;
    const Num cooling = std::max<Num>(f.num(feud::cooling) - 1, feud_min_cooling);
    f.set_num(feud::cooling, cooling);
    if (f.at(feud::state) == feud::cold) {
      set_feud_heat(s, f, feud_heading(s, k), std::max<Num>(f.num(feud::heat) - cold_feud_heat_loss, 1), "Feud gone cold");
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

FeudPage feud_page(const Store& store, int page) {
  page = std::clamp(page, 1, feud_pages);
  FeudPage out;
  out.heading = "- Page " + std::to_string(page) + " of " + std::to_string(feud_pages) + " -";
  for (std::size_t i = 0; i < feud::slots_per_page; ++i) {
    FeudRow& row = out.rows[i];
    row.slot = static_cast<std::size_t>(page - 1) * feud::slots_per_page + i;
    row.running = feud_running(store, row.slot);
    if (!row.running) {
      row.text = std::string(free_feud_slot_text);
      continue;
    }
    const auto f = feud_slot(store, row.slot);
    row.text = feud_heading(store, row.slot);
    row.heat = within(f.num(feud::heat), range::percent);
    const bool hot = f.at(feud::state) == feud::hot;
    row.colour = !hot ? HeatColour::dark_blue : row.heat >= 100 ? HeatColour::red : HeatColour::orange;
  }
  return out;
}

std::string feud_details_text(const Store& store, std::size_t k) {
  if (k >= md::feud_slots || !feud_running(store, k)) return {};
  const auto f = feud_slot(store, k);
  const Num days = f.num(feud::duration);
  std::string text = feud_heading(store, k) + " Feud\n\n";
  text += "Feud Started: " + f.at(feud::start_date) + "\n\n";
  text += days == 1 ? std::string("Duration: 1 Day") : "Duration: " + to_text(days) + " Days";
  text += "\n\nFeud Heat: " + to_text(within(f.num(feud::heat), range::percent)) + "%\n\n";
  text += "Do you want to end this feud?";
  return text;
}

}  // namespace rv
