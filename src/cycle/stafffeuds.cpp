// The booking staff's feuds: before a show they book, a feud gone cold is ended, and when no hot
// feud can be on the card they start one through the same steps as the feuds screen.
#include <algorithm>
#include <optional>
#include <vector>

#include "cycle/assistant.h"
#include "cycle/contracts.h"
#include "feuds/feuds.h"
#include "feuds/feudstart.h"
#include "state/inbox.h"
#include "state/numbers.h"

namespace rv {
namespace {

// A worker the staff would build a feud around: fit, wrestling, and not in a contract's last two
// months.
bool feud_ready(const Store& s, const WorkerView& w) {
  return w.retire() != retire::retired && w.retire() != retire::retiring && w.ringstyle() != non_worker &&
         leading_int(w.injury()) == 0 && w.expires() != ending_this_month(s) && w.expires() != ending_months_ahead(s, 1);
}

bool ready_by_name(const Store& s, const std::string& name) {
  for (std::size_t r = 0; r < s.worker_count(); ++r)
    if (s.worker(r).name() == name) return feud_ready(s, s.worker(r));
  return false;
}

// A hot feud whose workers can all wrestle tonight.
bool hot_feud_on_offer(const Store& s) {
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_running(s, k)) continue;
    const RecordView f = feud_slot(s, k);
    if (f.at(feud::state) != feud::hot) continue;
    const bool tag = f.at(feud::type) == feud::tag_team;
    bool ready = true;
    for (std::size_t line = feud::worker1; line <= (tag ? feud::worker4 : feud::worker2); ++line)
      ready = ready && ready_by_name(s, f.at(line));
    if (ready) return true;
  }
  return false;
}

struct FeudPair {
  std::string gender;
  std::string first, second;
};

bool has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The most popular face against the most popular heel of the division, else its two most popular
// workers, leaving out those whose feud has just ended while two others are left; nothing when the
// division has fewer than two.
std::optional<FeudPair> division_pair(const Store& s, std::string_view gender, const std::vector<std::string>& rested) {
  std::vector<std::size_t> rows, fresh;
  const auto offered = feud_candidates(s, gender);
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (!has(offered, w.name()) || !feud_ready(s, w)) continue;
    rows.push_back(r);
    if (!has(rested, w.name())) fresh.push_back(r);
  }
  if (fresh.size() >= 2) rows = fresh;
  if (rows.size() < 2) return std::nullopt;
  std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) { return s.worker(a).pop() > s.worker(b).pop(); });
  auto top = [&](std::string_view side) -> std::optional<std::size_t> {
    for (std::size_t r : rows)
      if (s.worker(r).faceheel() == side) return r;
    return std::nullopt;
  };
  const auto face = top(alignment::face), heel = top(alignment::heel);
  if (face && heel) return FeudPair{std::string(gender), s.worker(*face).name(), s.worker(*heel).name()};
  return FeudPair{std::string(gender), s.worker(rows[0]).name(), s.worker(rows[1]).name()};
}

}  // namespace

std::vector<std::string> staff_keep_feud(Store& s) {
  std::vector<std::string> lines, rested;
  const std::string sender(booker_name);
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_running(s, k) || feud_slot(s, k).at(feud::state) == feud::hot) continue;
    const std::string heading = feud_heading(s, k);
    for (std::size_t line = feud::worker1; line <= feud::worker4; ++line) rested.push_back(feud_slot(s, k).at(line));
    end_feud(s, k);
    post_info(s, sender, "Feud Ended", "The feud " + heading + " had gone cold, so I ended it.");
    lines.push_back("Feud ended: " + heading);
  }
  if (hot_feud_on_offer(s)) return lines;
  auto pair = division_pair(s, genders::male, rested);
  if (!pair) pair = division_pair(s, genders::female, rested);
  if (!pair) return lines;
  auto start = FeudStart::begin(s);
  if (!start) return lines;
  for (const std::string& choice : {std::string(feud::singles), pair->gender, pair->first, pair->second})
    if (!start->choose(s, choice)) return lines;
  if (!start->finished()) return lines;
  const std::size_t k = start->slot();
  const std::string heading = feud_heading(s, k);
  post_info(s, sender, "Feud Started",
            "No feud on our cards was worth watching, so I started one: " + heading + ", at " +
                feud_slot(s, k).at(feud::heat) + "% heat.");
  lines.push_back("Feud started: " + heading);
  return lines;
}

}  // namespace rv
