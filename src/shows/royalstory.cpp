#include "shows/royalstory.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "state/layout.h"

namespace rv {

namespace {

constexpr std::size_t none = static_cast<std::size_t>(-1);
constexpr int event_sides = 28;  // the event of a grand melee step: 1-15 none, 16-21 one, 22-27 two, 28 three
constexpr Num full_step_stay = 3;

std::optional<std::size_t> row_named(const std::vector<std::string>& entrants, const std::string& name) {
  for (std::size_t r = 0; r < entrants.size(); ++r)
    if (entrants[r] == name) return r;
  return std::nullopt;
}

std::size_t choose_winner(const std::vector<std::string>& entrants, const std::string& winner, Rng& rng) {
  if (entrants.empty()) return none;
  if (winner != match::automatic)
    if (const auto r = row_named(entrants, winner)) return *r;
  return static_cast<std::size_t>(rng.draw(static_cast<int>(entrants.size())) - 1);
}

// Drawing again until the runner-up differs from the winner is a draw among the others.
std::size_t choose_runner_up(const std::vector<std::string>& entrants, std::size_t winner_row,
                             const std::string& runner_up, Rng& rng) {
  if (winner_row == none) return none;
  const std::string& winner = entrants[winner_row];
  if (runner_up != match::automatic && runner_up != winner)
    if (const auto r = row_named(entrants, runner_up)) return *r;
  std::vector<std::size_t> others;
  for (std::size_t r = 0; r < entrants.size(); ++r)
    if (entrants[r] != winner) others.push_back(r);
  if (others.empty()) return none;
  return others[static_cast<std::size_t>(rng.draw(static_cast<int>(others.size())) - 1)];
}

int melee_event(Rng& rng) {
  const int r = rng.draw(event_sides);
  if (r <= 15) return 0;
  if (r <= 21) return 1;
  if (r <= 27) return 2;
  return 3;
}

class Teller {
 public:
  Teller(const std::vector<std::string>& entrants, std::size_t winner, std::size_t runner_up, Rng& rng)
      : names_(entrants), winner_(winner), runner_up_(runner_up), rng_(rng) {
    story_.tallies.resize(entrants.size());
  }

  BattleRoyalStory tell(bool grand_melee) {
    story_.grand_melee = grand_melee;
    if (winner_ != none) story_.winner = names_[winner_];
    if (runner_up_ != none) story_.runner_up = names_[runner_up_];
    if (grand_melee) tell_melee(); else tell_plain();
    finish();
    return std::move(story_);
  }

 private:
  bool contender(std::size_t row) const { return row == winner_ || row == runner_up_; }
  bool can_eliminate() const { return !eliminable_.empty() && ring_.size() > 1; }
  void line(std::string text, bool highlighted = false) { story_.details.push_back({std::move(text), highlighted}); }

  // A name from a list: position Int(Rnd x (count - 1)), so the last one only when it is alone.
  std::size_t draw_position(const std::vector<std::size_t>& list) {
    const double span = static_cast<double>(list.size() - 1);
    return std::min(static_cast<std::size_t>(rng_.uniform() * span), list.size() - 1);
  }

  void eliminate() {
    const std::size_t at = draw_position(eliminable_);
    const std::size_t loser = eliminable_[at];
    eliminable_.erase(eliminable_.begin() + static_cast<std::ptrdiff_t>(at));
    ring_.erase(std::find(ring_.begin(), ring_.end(), loser));
    const std::size_t by = ring_[draw_position(ring_)];
    story_.tallies[loser].eliminated = true;
    story_.tallies[by].eliminations = add_sat(story_.tallies[by].eliminations, 1);
    line(names_[loser] + " is eliminated by " + names_[by]);
  }

  void enter_next() {
    const std::size_t at = draw_position(waiting_);
    const std::size_t row = waiting_[at];
    waiting_.erase(waiting_.begin() + static_cast<std::ptrdiff_t>(at));
    ring_.push_back(row);
    if (!contender(row)) eliminable_.push_back(row);
    story_.tallies[row].entered = true;
    line(names_[row] + " enters as #" + std::to_string(next_number_++));
  }

  void add_stay(Num amount) {
    for (auto& t : story_.tallies)
      if (t.entered && !t.eliminated) t.stay = add_sat(t.stay, amount);
  }

  void tell_plain() {
    for (std::size_t r = 0; r < names_.size(); ++r) {
      ring_.push_back(r);
      if (!contender(r)) eliminable_.push_back(r);
    }
    while (can_eliminate()) eliminate();  // each pass takes one from the eliminable list
  }

  void tell_melee() {
    for (std::size_t r = 0; r < names_.size(); ++r) waiting_.push_back(r);
    for (int i = 0; i < 2 && !waiting_.empty(); ++i) enter_next();
    // Each step either takes one from the waiting list or, once it is empty, one from the
    // eliminable list.
    while (!waiting_.empty() || can_eliminate()) melee_step();
  }

  void melee_step() {
    int e = melee_event(rng_);
    const auto most = static_cast<int>(eliminable_.size()) - 1;
    if (most < e) e = most;
    if (waiting_.empty()) e = 1;
    if (e != 0 && can_eliminate()) {
      for (int i = 0; i < e && can_eliminate(); ++i) {
        eliminate();
        add_stay(1);
      }
    }
    add_stay(full_step_stay - e);
    if (waiting_.empty()) return;
    enter_next();
    if (waiting_.empty()) line("All participants have now entered", true);
  }

  void finish() {
    const std::string style = story_.grand_melee ? "Grand Melee" : "Battle Royal";
    if (runner_up_ != none) {
      line(story_.runner_up + " is eliminated by " + story_.winner);
      auto& w = story_.tallies[winner_];
      w.eliminations = add_sat(w.eliminations, 1);
      if (story_.grand_melee) {
        story_.tallies[runner_up_].stay = add_sat(story_.tallies[runner_up_].stay, 1);
        w.stay = add_sat(w.stay, 2);
      }
      story_.result = story_.winner + " won the " + style + " after last eliminating " + story_.runner_up + ".";
    }
    if (winner_ == none) return;
    line("");
    line(story_.winner + " wins the " + style);
    statistics();
  }

  // The first row in row order with the best figure names a statistic.
  template <class Better>
  std::size_t first_best(Better better) const {
    std::size_t best = 0;
    for (std::size_t r = 1; r < story_.tallies.size(); ++r)
      if (better(story_.tallies[r], story_.tallies[best])) best = r;
    return best;
  }

  void statistic(const std::string& heading, std::string value) {
    line("");
    line(heading, true);
    line(std::move(value));
  }

  void statistics() {
    if (story_.grand_melee) {
      statistic("Longest Stay", names_[first_best([](const auto& a, const auto& b) { return a.stay > b.stay; })]);
      statistic("Shortest Stay", names_[first_best([](const auto& a, const auto& b) { return a.stay < b.stay; })]);
    }
    const std::size_t most = first_best([](const auto& a, const auto& b) { return a.eliminations > b.eliminations; });
    statistic("Most Eliminations", names_[most] + " (" + std::to_string(story_.tallies[most].eliminations) + ")");
  }

  const std::vector<std::string>& names_;
  std::size_t winner_, runner_up_;
  Rng& rng_;
  BattleRoyalStory story_;
  std::vector<std::size_t> waiting_, ring_, eliminable_;  // entrant rows, in the order added
  int next_number_ = 1;
};

}  // namespace

std::string BattleRoyalStory::window_title() const {
  return grand_melee ? "Grand Melee Details" : "Battle Royal Details";
}

std::string BattleRoyalStory::heading() const {
  return grand_melee ? "Grand Melee Match Details" : "Battle Royal Match Details";
}

BattleRoyalStory createbattleroyal(const std::vector<std::string>& entrants, const std::string& winner,
                                   const std::string& runner_up, bool grand_melee, Rng& rng) {
  const std::size_t w = choose_winner(entrants, winner, rng);
  const std::size_t r = choose_runner_up(entrants, w, runner_up, rng);
  return Teller(entrants, w, r, rng).tell(grand_melee);
}

}  // namespace rv
