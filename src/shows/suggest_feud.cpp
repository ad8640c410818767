#include "shows/suggest_feud.h"

#include <algorithm>

#include "feuds/feuds.h"
#include "feuds/feudstart.h"
#include "shows/suggest_steps.h"
#include "state/date.h"
#include "state/numbers.h"

namespace rv {
namespace {

// A worker to build a feud around: fit, wrestling, and not in a contract's last two months (the
// two expiry months are worked out once).
struct FeudReady {
  explicit FeudReady(const Store& s) : store(s), ending(ending_this_month(s)), next(ending_months_ahead(s, 1)) {}
  bool operator()(const WorkerView& w) const {
    return w.retire() != retire::retired && w.retire() != retire::retiring && w.ringstyle() != non_worker &&
           leading_int(w.injury()) == 0 && w.expires() != ending && w.expires() != next;
  }
  bool operator()(const std::string& name) const {
    const auto row = store.find_worker(name);
    return row && (*this)(store.worker(*row));
  }
  const Store& store;
  std::string ending, next;
};

std::optional<FeudProposal> division_pair(const Store& s, std::string_view gender, const std::vector<std::string>& rested) {
  std::vector<std::size_t> rows, fresh;
  const auto offered = feud_candidates(s, gender);
  const FeudReady ready(s);
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (!suggest_step::contains(offered, w.name()) || !ready(w)) continue;
    rows.push_back(r);
    if (!suggest_step::contains(rested, w.name())) fresh.push_back(r);
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
  if (face && heel) return FeudProposal{std::string(gender), s.worker(*face).name(), s.worker(*heel).name()};
  return FeudProposal{std::string(gender), s.worker(rows[0]).name(), s.worker(rows[1]).name()};
}

}  // namespace

bool hot_feud_on_offer(const Store& s) {
  const FeudReady fit(s);
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_running(s, k)) continue;
    const RecordView f = feud_slot(s, k);
    if (f.at(feud::state) != feud::hot) continue;
    const bool tag = f.at(feud::type) == feud::tag_team;
    bool ready = true;
    for (std::size_t line = feud::worker1; line <= (tag ? feud::worker4 : feud::worker2); ++line)
      ready = ready && fit(f.at(line));
    if (ready) return true;
  }
  return false;
}

std::optional<FeudProposal> propose_feud(const Store& s, const std::vector<std::string>& rested) {
  if (!first_free_feud_slot(s)) return std::nullopt;
  if (auto men = division_pair(s, genders::male, rested)) return men;
  return division_pair(s, genders::female, rested);
}

Result<std::size_t> start_proposed_feud(Store& s, const FeudProposal& p) {
  auto start = FeudStart::begin(s);
  if (!start) return Failure{start.error()};
  for (const std::string& choice : {std::string(feud::singles), p.gender, p.first, p.second})
    if (auto step = start->choose(s, choice); !step) return Failure{step.error()};
  if (!start->finished()) return Failure{std::string(too_few_feud_workers_text)};
  return start->slot();
}

std::string feud_proposal_question(const FeudProposal& p) {
  return "No feud on our cards is worth watching. Start a feud between " + p.first + " and " + p.second + "?";
}

}  // namespace rv
