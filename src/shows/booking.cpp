#include "shows/booking.h"

#include <algorithm>

#include "promotion/teams.h"
#include "shows/battleroyal.h"
#include "state/date.h"
#include "state/naming.h"
#include "talent/indy.h"
#include "titles/titles.h"

namespace rv {

namespace {

constexpr std::string_view male = "Male";
constexpr std::string_view female = "Female";

BookableWorker bookable(const WorkerView& w) {
  return {w.name(), w.gender(),  w.ringstyle(), w.tagteam(), w.pop(), w.roles(), false, w.morale(), w.ent(), w.cond(),
          within(leading_int(w.retire()), range::percent)};
}
constexpr std::string_view title_tag = "Tag Team";
constexpr std::string_view title_singles = "Singles";
constexpr int counts_shown = 4;
constexpr int regular_first_count = 5;
constexpr int big_first_count = 7;
constexpr std::string_view retired = "R";

std::string slot_caption(std::size_t slot) { return "Match " + std::to_string(slot); }

bool shared_tag_team(const std::vector<BookableWorker>& members) {
  if (members.empty()) return false;
  const std::string& team = members.front().tagteam;
  if (!names_a_team(team)) return false;
  return std::all_of(members.begin(), members.end(), [&](const BookableWorker& w) { return w.tagteam == team; });
}

}  // namespace

const std::vector<MatchType>& match_types() {
  static const std::vector<MatchType> types = {
      {"Singles", 2, title_singles, male, "MM", 1},
      {"Tag Team", 4, title_tag, male, "MMMM", 2},
      {"Triple Threat", 3, title_singles, male, "MMM", 1},
      {"3 Way Dance", 3, title_singles, male, "MMM", 1},
      {"4 Way Dance", 4, title_singles, male, "MMMM", 1},
      {"6 Way Dance", 6, title_singles, male, "MMMMMM", 1},
      {"3 Way Tag Team", 6, title_tag, male, "MMMMMM", 2},
      {"4 Way Tag Team", 8, title_tag, male, "MMMMMMMM", 2},
      {"6 Man Tag", 6, "", "", "MMMMMM", 3},
      {"8 Man Tag", 8, "", "", "MMMMMMMM", 4},
      {"10 Man Tag", 10, "", "", "MMMMMMMMMM", 5},
      {match_type::handicap, 3, "", "", "MMM", 1},
      {"Women's Match", 2, title_singles, female, "FF", 1},
      {"Women's Tag Team", 4, title_tag, female, "FFFF", 2},
      {"Women's Triple Threat", 3, title_singles, female, "FFF", 1},
      {"Women's 3 Way Dance", 3, title_singles, female, "FFF", 1},
      {"Women's 6 Person Tag", 6, "", "", "FFFFFF", 3},
      {"Intergender Match", 2, title_singles, brand_all, "MF", 1},
      {"Intergender Tag Team", 4, title_tag, brand_all, "MFMF", 2},
      {"Intergender 6 Person Tag", 6, "", "", "MMFMMF", 3},
      {match_type::battle_royal, 0, title_singles, brand_all, "", 0},
  };
  return types;
}

const MatchType* find_match_type(std::string_view name) {
  for (const auto& t : match_types())
    if (t.name == name) return &t;
  return nullptr;
}

std::string proposed_team_name(const std::vector<BookableWorker>& members) {
  if (members.empty()) return "";
  if (shared_tag_team(members)) return members.front().tagteam;
  if (members.size() == 2) return members[0].name + " & " + members[1].name;
  if (members.size() == 3) return members[0].name + ", " + members[1].name + " and " + members[2].name;
  return members.front().name + "'s Team";
}

Booking::Booking(const Store& store, BookingSetting setting) : setting_(std::move(setting)) {
  card_.assign(rec::match * rec::match_slots, "");
  const auto player = store.player_index();
  if (!player) return;
  const std::string& initials = store.md(md::player_initials);
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    const auto w = store.worker(r);
    if (w.promotion() != initials || w.retire() == retired || leading_int(w.injury()) != 0) continue;
    if (setting_.brand != brand_all && w.brand() != setting_.brand && w.brand() != brand_all) continue;
    if (w.name().empty()) continue;
    workers_.push_back(bookable(w));
  }
  add_indy_workers(store);
  const auto prom = store.promotion(*player);
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = prom.title(k);
    if (!t.exists()) continue;
    TitleInfo info{t.name(), t.long_block() ? t.get(TitleField::kind) : std::string(title_singles),
                   t.get(TitleField::gender_limit), t.get(TitleField::brand), {}};
    for (const auto& w : workers_)
      if (holds_title(store, *player, k, w.name)) info.holders.push_back(w.name);
    titles_.push_back(std::move(info));
  }
  for (std::size_t i = 0; i < record_count(store.stipulations, rec::stipulation); ++i) {
    const RecordView s(store.stipulations, i * rec::stipulation);
    if (!s.at(stip::name).empty()) stipulations_.push_back({s.at(stip::match_type), s.at(stip::name)});
  }
}

// Workers from outside the roster booked for today work the show whatever its brand.
void Booking::add_indy_workers(const Store& store) {
  for (const auto& name : indy_workers_on(store, current_full_date(store))) {
    const auto row = store.find_worker(name);
    if (!row) continue;
    const auto w = store.worker(*row);
    if (w.retire() == retired || leading_int(w.injury()) != 0) continue;
    if (std::any_of(workers_.begin(), workers_.end(), [&](const BookableWorker& b) { return b.name == name; })) continue;
    workers_.push_back(bookable(w));
  }
}

std::string Booking::caption() const {
  switch (step_) {
    case BookingStep::count: return "How many matches will be on this show?";
    case BookingStep::choose_match: return "Choose Match To Book";
    case BookingStep::match_type: return slot_caption(slot_) + ": Choose Match Type";
    case BookingStep::title: return slot_caption(slot_) + ": Choose Title";
    case BookingStep::stipulation: return slot_caption(slot_) + ": Choose Stipulation";
    case BookingStep::participants: return slot_caption(slot_) + ": Choose Participants";
    case BookingStep::team_names: return slot_caption(slot_) + ": Choose Team Names";
    case BookingStep::winners: return slot_caption(slot_) + ": Choose Winner(s)";
    case BookingStep::win_type: return slot_caption(slot_) + ": Choose Win Type";
  }
  return "";
}

std::vector<int> Booking::count_choices() const {
  const int first = setting_.big_show ? big_first_count : regular_first_count;
  std::vector<int> out;
  for (int i = 0; i < counts_shown; ++i) out.push_back(first + i);
  return out;
}

bool Booking::choose_count(int count) {
  if (step_ != BookingStep::count) return false;
  const auto offered = count_choices();
  if (std::find(offered.begin(), offered.end(), count) == offered.end()) return false;
  count_ = count;
  step_ = BookingStep::choose_match;
  return true;
}

bool Booking::slot_usable(std::size_t slot) const {
  return step_ != BookingStep::count && slot >= 1 && slot <= static_cast<std::size_t>(count_);
}

bool Booking::slot_booked(std::size_t slot) const {
  return slot >= 1 && slot <= rec::match_slots && !line(slot, match::win_type).empty();
}

const std::string& Booking::line(std::size_t slot, std::size_t field) const {
  static const std::string none;
  if (slot < 1 || slot > rec::match_slots || field >= rec::match) return none;
  return line_at(card_, (slot - 1) * rec::match + field);
}

void Booking::set(std::size_t field, std::string value) { set_line(card_, base() + field, std::move(value)); }

bool Booking::open_slot(std::size_t slot) {
  if (!slot_usable(slot)) return false;
  if (slot_ != 0 && step_ != BookingStep::choose_match && !slot_booked(slot_)) empty_slot(slot_);
  slot_ = slot;
  team_ = 0;
  if (slot_booked(slot)) {
    step_ = BookingStep::choose_match;
    return true;
  }
  empty_slot(slot);
  set(match::slot, std::to_string(slot));
  step_ = BookingStep::match_type;
  return true;
}

const MatchType* Booking::current_type() const {
  return slot_ == 0 ? nullptr : find_match_type(line(slot_, match::type));
}

std::size_t Booking::picked() const {
  std::size_t n = 0;
  while (n < match::worker_lines && !line(slot_, match::first_worker + n).empty()) ++n;
  return n;
}

char Booking::next_gender() const {
  const auto* t = current_type();
  const std::size_t n = picked();
  return t && n < t->genders.size() ? t->genders[n] : 'M';
}

std::vector<std::string> Booking::title_choices() const {
  std::vector<std::string> out{std::string(none_text)};
  const auto* t = current_type();
  if (!t || t->title_kind.empty()) return out;
  for (const auto& title : titles_) {
    if (title.kind != t->title_kind) continue;
    if (title.gender != t->title_gender && title.gender != brand_all) continue;
    if (title.brand != setting_.brand && title.brand != brand_all) continue;
    out.push_back(title.name);
  }
  return out;
}

// The workers who may take the next participant line, as places in the roster panel.
std::vector<std::size_t> Booking::participant_pool() const {
  const std::string_view gender = next_gender() == 'F' ? female : male;
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < workers_.size(); ++i)
    if (!workers_[i].on_card && workers_[i].gender == gender) out.push_back(i);
  return out;
}

std::vector<std::string> Booking::participant_choices() const {
  const std::string& title = line(slot_, match::title);
  const TitleInfo* at_stake = nullptr;
  for (const auto& t : titles_)
    if (t.name == title) at_stake = &t;
  std::vector<std::string> out;
  for (const std::size_t i : participant_pool()) {
    const std::string& name = workers_[i].name;
    const bool champion = at_stake && std::find(at_stake->holders.begin(), at_stake->holders.end(), name) != at_stake->holders.end();
    out.push_back(champion ? name + std::string(champion_suffix) : name);
  }
  return out;
}

void Booking::pick_worker(std::size_t index) {
  workers_[index].on_card = true;
  set(match::first_worker + picked(), workers_[index].name);
  if (const auto* t = current_type(); t && picked() >= t->participants) finish_participants();
}

bool Booking::choose_worker(std::string_view name) {
  if (step_ != BookingStep::participants || awaiting_battle_royal()) return false;
  for (const std::size_t i : participant_pool()) {
    if (workers_[i].name != name) continue;
    pick_worker(i);
    return true;
  }
  return false;
}

std::vector<std::string> Booking::choices() const {
  switch (step_) {
    case BookingStep::match_type: {
      std::vector<std::string> out;
      bool royal_elsewhere = false;
      for (std::size_t k = 1; k <= rec::match_slots; ++k)
        if (k != slot_ && line(k, match::type) == match_type::battle_royal) royal_elsewhere = true;
      for (const auto& t : match_types()) {
        if (t.name == "3 Way Dance" || t.name == "Women's 3 Way Dance") continue;
        if (t.name == match_type::battle_royal && royal_elsewhere) continue;
        out.emplace_back(t.name);
      }
      return out;
    }
    case BookingStep::title: return title_choices();
    case BookingStep::stipulation: {
      std::vector<std::string> out{std::string(none_text)};
      for (const auto& s : stipulations_)
        if (s[0] == line(slot_, match::type)) out.push_back(s[1]);
      return out;
    }
    case BookingStep::participants: return awaiting_battle_royal() ? std::vector<std::string>{} : participant_choices();
    case BookingStep::winners: {
      std::vector<std::string> out{std::string(match::automatic)};
      for (auto& s : side_names(slot_)) out.push_back(std::move(s));
      return out;
    }
    case BookingStep::win_type:
      return {std::string(match::automatic), std::string(match::normal_win), std::string(match::dq_win)};
    default: return {};
  }
}

bool Booking::choose(std::string_view item) {
  const auto offered = choices();
  const auto at = std::find(offered.begin(), offered.end(), item);
  return at != offered.end() && choose_at(static_cast<std::size_t>(at - offered.begin()));
}

bool Booking::choose_at(std::size_t index) {
  const auto offered = choices();
  if (index >= offered.size()) return false;
  const std::string& item = offered[index];
  switch (step_) {
    case BookingStep::match_type: set(match::type, std::string(item)); step_ = BookingStep::title; break;
    case BookingStep::title: set(match::title, std::string(item)); step_ = BookingStep::stipulation; break;
    case BookingStep::stipulation: set(match::stipulation, std::string(item)); step_ = BookingStep::participants; break;
    case BookingStep::participants:  // the worker in that place of the list, whatever his name reads
      pick_worker(participant_pool()[index]);
      break;
    case BookingStep::winners: set(match::winners, std::string(item)); step_ = BookingStep::win_type; break;
    case BookingStep::win_type: set(match::win_type, std::string(item)); step_ = BookingStep::choose_match; break;
    default: return false;
  }
  return true;
}

void Booking::finish_participants() {
  team_ = 0;
  step_ = team_count() ? BookingStep::team_names : BookingStep::winners;
}

// The team sides of the current match, when it has any: a side of more than one member is a team.
std::optional<std::size_t> Booking::team_count() const {
  const auto s = sides(slot_);
  const auto n = static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](const auto& side) { return side.size() > 1; }));
  if (n == 0) return std::nullopt;
  return n;
}

std::vector<std::string> Booking::current_team_members() const {
  std::size_t team = 0;
  for (const auto& side : sides(slot_)) {
    if (side.size() < 2) continue;
    if (team++ == team_) return side;
  }
  return {};
}

std::string Booking::team_question() const { return "Please choose the name for Team " + std::to_string(team_asked()); }

std::string Booking::team_proposal() const {
  std::vector<BookableWorker> members;
  for (const auto& name : current_team_members())
    for (const auto& w : workers_)
      if (w.name == name) members.push_back(w);
  return proposed_team_name(members);
}

std::optional<std::string> Booking::team_name_problem(std::string_view name) const {
  if (step_ != BookingStep::team_names || team_ >= match::team_lines) return std::string("No team is being named.");
  std::vector<std::string> taken;  // the teams named before this one and every worker of the show
  for (std::size_t i = 0; i < team_; ++i) taken.push_back(line(slot_, match::first_team + i));
  for (const auto& w : workers_) taken.push_back(w.name);
  return name_problem(name, NameKind::match_team, taken);
}

bool Booking::name_team(std::string_view name) {
  if (team_name_problem(name)) return false;
  set(match::first_team + team_, std::string(name));
  ++team_;
  if (team_ >= team_count().value_or(0)) step_ = BookingStep::winners;
  return true;
}

bool Booking::step_back_a_pick() {
  if (step_ != BookingStep::participants && step_ != BookingStep::team_names) return false;
  const std::size_t n = picked();
  if (n == 0) return false;
  for (std::size_t i = 0; i < match::team_lines; ++i) set(match::first_team + i, "");
  team_ = 0;
  const std::string last = line(slot_, match::first_worker + n - 1);
  for (auto& w : workers_)
    if (w.name == last) w.on_card = false;
  set(match::first_worker + n - 1, "");
  step_ = BookingStep::participants;
  return true;
}

bool Booking::awaiting_battle_royal() const {
  return step_ == BookingStep::participants && line(slot_, match::type) == match_type::battle_royal;
}

std::vector<BookableWorker> Booking::battle_royal_pool() const {
  std::vector<BookableWorker> out;
  for (const auto& w : workers_)
    if (!w.on_card) out.push_back(w);
  return out;
}

bool Booking::book_battle_royal(const BattleRoyalEntry& entry) {
  if (!awaiting_battle_royal() || entry.entrants.size() < battle_royal_min_entrants) return false;
  const auto pool = battle_royal_pool();
  for (const auto& name : entry.entrants)
    if (std::none_of(pool.begin(), pool.end(), [&](const BookableWorker& w) { return w.name == name; })) return false;
  royal_entrants_ = entry.entrants;
  royal_runner_up_ = entry.runner_up;
  royal_slot_ = slot_;
  for (auto& w : workers_)
    if (std::find(royal_entrants_.begin(), royal_entrants_.end(), w.name) != royal_entrants_.end()) w.on_card = true;
  set(match::first_worker, std::to_string(royal_entrants_.size()) + " Participants");
  set(match::first_worker + 1, "Runner Up: " + royal_runner_up_);
  set(match::winners, entry.winner);
  set(match::win_type, std::string(match::automatic));
  step_ = BookingStep::choose_match;
  return true;
}

void Booking::cancel_battle_royal() {
  if (!awaiting_battle_royal()) return;
  empty_slot(slot_);
  step_ = BookingStep::choose_match;
}

void Booking::empty_slot(std::size_t slot) {
  if (slot < 1 || slot > rec::match_slots) return;
  const std::size_t first = (slot - 1) * rec::match;
  if (slot == royal_slot_) {
    for (auto& w : workers_)
      if (std::find(royal_entrants_.begin(), royal_entrants_.end(), w.name) != royal_entrants_.end()) w.on_card = false;
    royal_entrants_.clear();
    royal_runner_up_.clear();
    royal_slot_ = 0;
  } else {
    for (std::size_t i = 0; i < match::worker_lines; ++i)
      for (auto& w : workers_)
        if (w.name == line_at(card_, first + match::first_worker + i)) w.on_card = false;
  }
  for (std::size_t i = 0; i < rec::match; ++i) set_line(card_, first + i, "");
}

std::string Booking::clear_match_question() { return "Are you sure you want to clear this match?"; }
std::string Booking::clear_show_question() { return "Are you sure you want to clear all matches booked so far?"; }

bool Booking::clear_match() {
  if (slot_ == 0 || step_ == BookingStep::count) return false;
  empty_slot(slot_);
  slot_ = 0;
  step_ = BookingStep::choose_match;
  return true;
}

void Booking::clear_show() {
  for (std::size_t k = 1; k <= rec::match_slots; ++k) empty_slot(k);
  card_.assign(rec::match * rec::match_slots, "");
  slot_ = 0;
  count_ = 0;
  step_ = BookingStep::count;
}

bool Booking::can_confirm() const {
  if (step_ == BookingStep::count || count_ == 0) return false;
  for (std::size_t k = 1; k <= static_cast<std::size_t>(count_); ++k)
    if (!slot_booked(k)) return false;
  return true;
}

const std::vector<BookableWorker>& Booking::roster() const { return workers_; }

bool Booking::on_card(std::string_view name) const {
  return std::any_of(workers_.begin(), workers_.end(), [&](const BookableWorker& w) { return w.on_card && w.name == name; });
}

}  // namespace rv
