#include "shows/suggest.h"

// How a suggested card is put together. Every pick is one of the items the booking machine offers
// at that step; the suggester only chooses among them, and books no one who does not wrestle.
//  - The number of matches: the largest offered count the free wrestlers fill at two a match, a
//    bookable feud counting as one match whatever its size.
//  - Running feuds come first: a singles feud as Singles / Women's Match / Intergender Match between
//    its two workers, a tag feud as Tag Team / Women's Tag Team / Intergender Tag Team with its
//    pairs on either side, as long as every feud worker is free and wrestles and the other slots
//    can still be filled.
//  - Titles go on a rota (suggest_picks.cpp): the titles owed are taken from the front of it, each
//    on the feud match of its holder when it fits there, else in a match of its own against the
//    best contenders. No title is put at stake twice.
//  - The shape of the card: the match holding the most popular free wrestler is the main event
//    (the last slot), else the defence of the primary title, else a match of the most popular
//    workers offered. The other planned matches take the slots just below it, the strongest
//    highest; the open slots are then filled from the top of the card down, each with one of the
//    best few workers left, so the card builds from the opener to the main event. Dangerous
//    stipulations only in the back half.
//  - Open matches are mostly Singles, Women's Match and Tag Team, now and then a Triple Threat,
//    a 6 Man Tag, a 4 Way Dance, ...; a type is only taken when the free wrestlers left after it
//    still fill the remaining slots at two a match. A battle royal is rare, never the main event,
//    and only takes the wrestlers the remaining slots can spare.
//  - Stipulations one time in four; winners and win type are "Auto" nine times in ten, except that
//    a main title stays with its holders when no challenger is a big enough name to be given it
//    (the fans and the press would punish the change). Team names are the proposed ones.
//  - A slot that cannot be filled with its type is cleared and tried as Singles, Women's Match,
//    Intergender Match, then every other offered type; when nothing fits it is left empty.
#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>

#include "shows/battleroyal.h"
#include "shows/suggest_picks.h"
#include "shows/suggest_steps.h"
#include "titles/titles.h"

namespace rv {

namespace {

using namespace suggest_step;
using suggest_pick::Plan;
using suggest_pick::wrestles;

constexpr std::string_view womens_match = "Women's Match";
constexpr std::string_view womens_tag = "Women's Tag Team";
constexpr std::string_view intergender_match = "Intergender Match";
constexpr std::string_view intergender_tag = "Intergender Tag Team";
constexpr std::string_view female = "Female";
constexpr std::string_view male = "Male";

constexpr std::size_t workers_per_match = 2;  // the fewest any match type takes
constexpr int battle_royal_chance = 80;  // per slot: about one card in ten
constexpr int battle_royal_fewest = 6;
constexpr int battle_royal_most = 12;

struct Weighted {
  std::string_view type;
  int weight;
};
constexpr Weighted card_menu[] = {
    {match_type::singles, 40}, {womens_match, 20}, {match_type::tag_team, 18}, {"Triple Threat", 6},
    {"6 Man Tag", 4},          {womens_tag, 4},    {"4 Way Dance", 3},         {"Women's Triple Threat", 3},
    {match_type::handicap, 2}, {intergender_tag, 1}};
constexpr Weighted main_menu_men[] = {
    {match_type::singles, 60}, {match_type::tag_team, 15}, {"Triple Threat", 10}, {"4 Way Dance", 4}, {"6 Man Tag", 4}};
constexpr Weighted main_menu_women[] = {{womens_match, 60}, {"Women's Triple Threat", 10}, {womens_tag, 10}};
constexpr std::string_view fallback_types[] = {match_type::singles, womens_match, intergender_match};

std::string base_name(const std::string& item) {
  return item.ends_with(champion_suffix) ? item.substr(0, item.size() - champion_suffix.size()) : item;
}

struct Pool {
  std::size_t men = 0, women = 0;
  std::size_t total() const { return men + women; }
};

class Suggester {
 public:
  Suggester(Booking& booking, const Store& store, Rng& rng, suggest_pick::CardMemory memory)
      : b_(booking), store_(store), rng_(rng), memory_(std::move(memory)) {}
  SuggestResult run();

 private:
  Pool free_pool() const;
  std::vector<Plan> feud_plans(const std::vector<std::size_t>& empty);
  std::optional<Plan> feud_plan(std::size_t k, std::vector<std::string>& taken) const {
    return suggest_pick::feud_plan(store_, b_, k, taken);
  }
  bool room_for(const std::vector<Plan>& plans, const Plan& extra, std::size_t empty) const;
  void add_title_plans(std::vector<Plan>& plans, const std::vector<std::size_t>& empty);
  void order_plans(std::vector<Plan>& plans, const std::vector<std::size_t>& empty);
  bool fill(const Plan& plan, std::size_t slots_after);
  bool attempt(const Plan& plan, const std::string& type);
  std::string pick_type(const Plan& plan, std::size_t slots_after);
  bool battle_royal(const Plan& plan, std::size_t slots_after);
  bool choose_participants(const Plan& plan);
  std::string participant(const std::vector<std::string>& offered, const Plan& plan, std::size_t pick);
  std::optional<BookableWorker> top_free() const;
  // The back half of the card, where the dangerous stipulations belong.
  bool late(std::size_t slot) const { return slot > 1 && 2 * slot > static_cast<std::size_t>(std::max(b_.match_count(), 0)); }
  void abandon();

  Booking& b_;
  const Store& store_;
  Rng& rng_;
  suggest_pick::CardMemory memory_;
  SuggestResult result_;
  std::vector<std::string> picked_;  // the current match's participants so far
};

// The wrestlers not yet on the card, by the gender the booking picks them by.
Pool free_wrestlers(const Booking& b) {
  Pool p;
  for (const auto& w : b.roster()) {
    if (w.on_card || !wrestles(w)) continue;
    if (w.gender == female) ++p.women;
    else if (w.gender == male) ++p.men;
  }
  return p;
}

Pool Suggester::free_pool() const { return free_wrestlers(b_); }

int count_for(const std::vector<int>& offered, std::size_t fillable) {
  int best = 0;
  for (int c : offered)
    if (c > 0 && static_cast<std::size_t>(c) <= fillable) best = std::max(best, c);
  if (best == 0 && !offered.empty()) best = *std::min_element(offered.begin(), offered.end());
  return best;
}

}  // namespace

int suggested_match_count(const Booking& booking) {
  return count_for(booking.count_choices(), free_wrestlers(booking).total() / workers_per_match);
}

namespace {

SuggestResult Suggester::run() {
  if (b_.step() == BookingStep::count) {
    // A feud match counts as one match whatever its size, so a tag feud does not crowd out the card.
    std::vector<std::string> taken;
    std::size_t feuds = 0;
    for (std::size_t k = 0; k < md::feud_slots; ++k)
      if (feud_plan(k, taken)) ++feuds;
    const std::size_t free = free_pool().total();
    const int count = count_for(b_.count_choices(), feuds + (free - std::min(free, taken.size())) / workers_per_match);
    if (!b_.choose_count(count)) {
      result_.notes.push_back("The number of matches could not be chosen.");
      return result_;
    }
    result_.notes.push_back(std::to_string(count) + " matches on the card.");
  } else if (b_.step() != BookingStep::choose_match) {
    b_.clear_match();  // a match left half booked is booked afresh
  }
  std::vector<std::size_t> empty;
  for (std::size_t k = 1; b_.slot_usable(k); ++k)
    if (!b_.slot_booked(k)) empty.push_back(k);
  std::vector<Plan> plans = feud_plans(empty);
  add_title_plans(plans, empty);
  order_plans(plans, empty);
  for (std::size_t i = 0; i < plans.size(); ++i) {
    if (!fill(plans[i], plans.size() - i - 1))
      result_.notes.push_back("Match " + std::to_string(plans[i].slot) + " could not be filled with the workers left.");
  }
  result_.complete = b_.can_confirm();
  if (!result_.complete) result_.notes.push_back("The card is not complete.");
  return result_;
}

// Whether one more planned match leaves the free wrestlers enough to fill the other empty slots.
bool Suggester::room_for(const std::vector<Plan>& plans, const Plan& extra, std::size_t empty) const {
  if (plans.size() >= empty) return false;
  const std::size_t free = free_pool().total();
  const std::size_t others = empty - plans.size() - 1;
  std::size_t used = 0;
  for (const auto& p : plans)
    for (const auto& side : p.sides) used += side.size();
  for (const auto& side : extra.sides) used += side.size();
  return free >= used && free - used >= others * workers_per_match;
}

// The feuds that can be booked, as long as the slots left over can still be filled.
std::vector<Plan> Suggester::feud_plans(const std::vector<std::size_t>& empty) {
  std::vector<Plan> plans;
  std::vector<std::string> taken;
  for (std::size_t k = 0; k < md::feud_slots && plans.size() < empty.size(); ++k) {
    std::vector<std::string> held = taken;
    auto plan = feud_plan(k, held);
    if (!plan || !room_for(plans, *plan, empty.size())) continue;  // no room: a smaller feud may fit
    taken = std::move(held);
    plans.push_back(std::move(*plan));
  }
  return plans;
}

// The titles owed, from the front of the rota: on the feud match of a holder when it fits there,
// else a title match of its own. A title already at stake on the card is not booked again.
void Suggester::add_title_plans(std::vector<Plan>& plans, const std::vector<std::size_t>& empty) {
  std::size_t owed = suggest_pick::titles_owed(b_.match_count(), b_.setting().big_show);
  std::vector<std::string> taken;
  for (const auto& p : plans)
    for (const auto& side : p.sides) taken.insert(taken.end(), side.begin(), side.end());
  for (const std::size_t k : memory_.title_rota) {
    if (owed == 0) break;
    const std::string name = store_.promotion(*store_.player_index()).title(k).name();
    bool on_card = false;
    for (std::size_t slot = 1; b_.slot_usable(slot); ++slot) on_card = on_card || b_.line(slot, match::title) == name;
    if (on_card) continue;
    auto feud = std::find_if(plans.begin(), plans.end(), [&](const Plan& p) {
      return p.title.empty() && suggest_pick::title_fits_plan(store_, k, p);
    });
    if (feud != plans.end()) {
      feud->title = name;
      feud->title_slot = k;
      // The holders' side first, where a title match has them.
      std::stable_partition(feud->sides.begin(), feud->sides.end(), [&](const std::vector<std::string>& side) {
        return !side.empty() && holds_title(store_, *store_.player_index(), k, side.front());
      });
      --owed;
      continue;
    }
    std::vector<std::string> held = taken;
    auto plan = suggest_pick::title_plan(store_, b_, memory_, k, held);
    if (!plan || !room_for(plans, *plan, empty.size())) continue;
    taken = std::move(held);
    plans.push_back(std::move(*plan));
    --owed;
  }
}

std::optional<BookableWorker> Suggester::top_free() const {
  std::optional<BookableWorker> top;
  for (const auto& w : b_.roster())
    if (!w.on_card && wrestles(w) && (!top || w.pop > top->pop)) top = w;
  return top;
}

// Gives each planned match a slot: the main event to the one holding the most popular free
// wrestler, else to the primary title's defence; the others, strongest first, to the highest
// slots below it. The open main event follows, then the other empty slots from the top down.
void Suggester::order_plans(std::vector<Plan>& plans, const std::vector<std::size_t>& empty) {
  const auto last = static_cast<std::size_t>(std::max(b_.match_count(), 0));
  const bool main_open = !empty.empty() && empty.back() == last;
  const auto top = top_free();
  const auto& roster = b_.roster();
  auto strength = [&](const Plan& p) {
    Num best = 0;
    for (const auto& side : p.sides)
      for (const auto& w : roster)
        if (contains(side, w.name)) best = std::max(best, w.pop);
    return best;
  };
  std::stable_sort(plans.begin(), plans.end(), [&](const Plan& a, const Plan& c) { return strength(a) > strength(c); });
  auto has_top = [&](const Plan& p) {
    return top && std::any_of(p.sides.begin(), p.sides.end(), [&](const auto& side) { return contains(side, top->name); });
  };
  auto primary = [](const Plan& p) { return !p.title.empty() && p.title_slot == 0; };
  auto headline = std::find_if(plans.begin(), plans.end(), has_top);
  if (headline == plans.end()) headline = std::find_if(plans.begin(), plans.end(), primary);
  if (main_open && headline != plans.end()) {
    headline->main_event = true;
    std::rotate(plans.begin(), headline, headline + 1);
  }
  std::vector<std::size_t> rest(empty.rbegin(), empty.rend());  // highest first
  if (main_open) rest.erase(rest.begin());
  std::vector<Plan> out;
  std::size_t next = 0;
  for (auto& p : plans) {
    if (!p.main_event && next == rest.size()) continue;  // no slot left for this match
    p.slot = p.main_event ? last : rest[next++];
    out.push_back(std::move(p));
  }
  if (main_open && (out.empty() || !out.front().main_event)) out.push_back({last, "", {}, true, "", 0});
  for (std::size_t i = next; i < rest.size(); ++i) out.push_back({rest[i], "", {}, false, "", 0});
  plans = std::move(out);
}

// Leaves the slot being booked empty again.
void Suggester::abandon() {
  const std::size_t slot = b_.current_slot();
  if (slot != 0 && !b_.slot_booked(slot)) b_.clear_match();
  picked_.clear();
}

bool Suggester::fill(const Plan& plan, std::size_t slots_after) {
  const std::string where = "Match " + std::to_string(plan.slot);
  if (!plan.sides.empty()) {
    if (attempt(plan, plan.type)) {
      std::string heading;
      for (const auto& side : plan.sides) {
        if (!heading.empty()) heading += " vs ";
        for (std::size_t i = 0; i < side.size(); ++i) heading += (i > 0 ? " & " : "") + side[i];
      }
      const bool title = b_.line(plan.slot, match::title) == plan.title && !plan.title.empty();
      result_.notes.push_back(where + ": " + (title ? "the " + plan.title + ", " : "the feud ") + heading + ".");
      return true;
    }
    result_.notes.push_back(where + ": the match could not be booked as planned.");
  }
  Plan open = plan;
  open.sides.clear();
  open.title.clear();
  if (!plan.main_event && battle_royal(open, slots_after)) return true;
  std::vector<std::string> tried;
  auto try_type = [&](const std::string& type) {
    if (type.empty() || type == match_type::battle_royal || contains(tried, type)) return false;
    tried.push_back(type);
    return attempt(open, type);
  };
  if (try_type(pick_type(open, slots_after))) return true;
  for (auto t : fallback_types)
    if (try_type(std::string(t))) return true;
  std::vector<std::string> offered;
  if (b_.open_slot(plan.slot)) offered = b_.choices();
  abandon();
  for (const auto& t : offered)
    if (try_type(t)) return true;
  abandon();
  return false;
}

bool Suggester::attempt(const Plan& plan, const std::string& type) {
  picked_.clear();
  if (!b_.open_slot(plan.slot) || b_.step() != BookingStep::match_type || !b_.choose(type)) {
    abandon();
    return false;
  }
  choose_title(b_, plan.title);
  if (b_.step() == BookingStep::stipulation) {
    std::vector<BookableWorker> planned;
    for (const auto& w : b_.roster())
      for (const auto& side : plan.sides)
        if (contains(side, w.name)) planned.push_back(w);
    choose_stipulation(b_, store_, rng_, type, late(plan.slot), planned);
  }
  if (b_.step() != BookingStep::participants || !choose_participants(plan) || !name_teams(b_)) {
    abandon();
    return false;
  }
  choose_result(b_, rng_, !plan.sides.empty(), suggest_pick::holders_keep_title(store_, plan));
  if (!b_.slot_booked(plan.slot)) {
    abandon();
    return false;
  }
  return true;
}

std::string Suggester::pick_type(const Plan& plan, std::size_t slots_after) {
  if (!b_.open_slot(plan.slot)) return "";
  const auto offered = b_.choices();
  const Pool pool = free_pool();
  std::vector<Weighted> menu(std::begin(card_menu), std::end(card_menu));
  if (plan.main_event) {
    const auto top = top_free();
    if (top && top->gender == female) menu.assign(std::begin(main_menu_women), std::end(main_menu_women));
    else menu.assign(std::begin(main_menu_men), std::end(main_menu_men));
  }
  std::vector<Weighted> fit;
  int total = 0;
  for (const auto& m : menu) {
    const auto* t = find_match_type(m.type);
    if (!t || t->genders.empty() || !contains(offered, m.type)) continue;
    const auto women = static_cast<std::size_t>(std::count(t->genders.begin(), t->genders.end(), 'F'));
    const std::size_t men = t->genders.size() - women;
    if (men > pool.men || women > pool.women) continue;
    if (pool.total() - t->genders.size() < slots_after * workers_per_match) continue;
    fit.push_back(m);
    total += m.weight;
  }
  int roll = rng_.draw(total);
  for (const auto& m : fit) {
    if (roll <= m.weight) return std::string(m.type);
    roll -= m.weight;
  }
  return "";
}

// Now and then a battle royal of the wrestlers the remaining slots can spare.
bool Suggester::battle_royal(const Plan& plan, std::size_t slots_after) {
  if (!rng_.one_in(battle_royal_chance)) return false;
  const std::size_t free = free_pool().total();
  const std::size_t needed = slots_after * workers_per_match;
  if (free < needed + battle_royal_fewest) return false;
  const int most = static_cast<int>(std::min<std::size_t>(free - needed, battle_royal_most));
  const auto entrants = static_cast<std::size_t>(rng_.between(battle_royal_fewest, most));
  if (!b_.open_slot(plan.slot) || !b_.choose(match_type::battle_royal)) {
    abandon();
    return false;
  }
  take(b_, none_text);  // no title: its holder would only be one entrant among many
  if (b_.step() == BookingStep::stipulation) choose_stipulation(b_, store_, rng_, std::string(match_type::battle_royal), late(plan.slot));
  if (!b_.awaiting_battle_royal()) {
    abandon();
    return false;
  }
  BattleRoyalSetup setup(b_.battle_royal_pool());
  std::vector<std::string> candidates;
  for (const auto& w : b_.battle_royal_pool())
    if (wrestles(w)) candidates.push_back(w.name);
  while (setup.entered().size() < entrants && !candidates.empty()) {
    const std::size_t i = random_index(rng_, candidates.size());
    setup.enter(candidates[i]);
    candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(i));
  }
  if (setup.confirm_problem() || !b_.book_battle_royal(setup.entry())) {
    abandon();
    return false;
  }
  result_.notes.push_back("Match " + std::to_string(plan.slot) + ": a battle royal of " +
                          std::to_string(setup.entered().size()) + ".");
  return true;
}

bool Suggester::choose_participants(const Plan& plan) {
  for (std::size_t pick = 0; pick < Booking::max_participants && b_.step() == BookingStep::participants; ++pick) {
    const auto offered = b_.choices();
    if (offered.empty()) return false;
    const std::string item = participant(offered, plan, pick);
    if (!b_.choose(item)) return false;
    picked_.push_back(b_.line(plan.slot, match::first_worker + pick));  // the worker booked, not the list text
  }
  return b_.step() != BookingStep::participants;
}

// The item to pick: the planned worker of a feud or title match (nothing when not offered), else
// the open match's pick.
std::string Suggester::participant(const std::vector<std::string>& offered, const Plan& plan, std::size_t pick) {
  if (plan.sides.empty()) return suggest_pick::open_participant(offered, {b_, store_, memory_, plan, picked_, pick}, rng_);
  const auto* t = find_match_type(b_.line(plan.slot, match::type));
  const std::size_t side = pick / (t ? std::max<std::size_t>(t->side_size, 1) : 1);
  if (side < plan.sides.size())
    for (const auto& item : offered)
      if (contains(plan.sides[side], base_name(item))) return item;
  return "";
}

}  // namespace

SuggestResult suggest_card(Booking& booking, const Store& store, Rng& rng) {
  return Suggester(booking, store, rng, suggest_pick::card_memory(store)).run();
}

SuggestResult suggest_card(Booking& booking, const Store& store, Rng& rng, const suggest_pick::CardMemory& memory) {
  return Suggester(booking, store, rng, memory).run();
}

}  // namespace rv
