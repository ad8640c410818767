#pragma once
// Booking the card of today's show: the number of matches, then each match a step at a time
// (type, title, stipulation, participants, team names, winners, win type). The machine keeps its
// own card and its own copy of what it needs from the store, so giving up changes nothing.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/store.h"

namespace rv {

// What is known of a match type: participants, the title kind at stake ("" for none), the gender
// limit a title must meet ("" when no title can be at stake), the genders picked in order and the
// size of each side.
struct MatchType {
  std::string_view name;
  std::size_t participants;
  std::string_view title_kind;
  std::string_view title_gender;
  std::string_view genders;  // 'M' or 'F' per pick
  std::size_t side_size;     // members per side; the 2 on 1 handicap has sides of 1 and 2
};
namespace match_type {
inline constexpr std::string_view singles = "Singles";
inline constexpr std::string_view tag_team = "Tag Team";
inline constexpr std::string_view handicap = "2 on 1 Handicap Match";
inline constexpr std::string_view battle_royal = "Battle Royal";
}  // namespace match_type
inline constexpr std::string_view champion_suffix = champion_mark;

// Every type the card knows; `offered_match_types` is the list the player picks from.
const std::vector<MatchType>& match_types();
const MatchType* find_match_type(std::string_view name);

enum class BookingStep { count, choose_match, match_type, title, stipulation, participants, team_names, winners, win_type };

struct BookingSetting {
  std::string brand = std::string(brand_all);  // the show's brand
  bool big_show = false;
};

// A bookable worker as the roster panel and the battle royal setup see it.
struct BookableWorker {
  std::string name;
  std::string gender;
  std::string ringstyle;
  std::string tagteam;
  Num pop = 0;
  std::string role;
  bool on_card = false;
  Num morale = 0;
  Num ability = 0;  // in-ring ability
  Num condition = 100;
  Num years_left = 35;  // in the ring, as the retire column counts them
};

struct BattleRoyalEntry;  // shows/battleroyal.h

class Booking {
 public:
  static constexpr std::size_t max_participants = match::worker_lines;

  Booking(const Store& store, BookingSetting setting);

  const BookingSetting& setting() const { return setting_; }
  BookingStep step() const { return step_; }
  // The step caption ("Choose Match Type", "Match 3", ...).
  std::string caption() const;

  // The number of matches: four choices, 5 to 8 or 7 to 10 for a big show.
  std::vector<int> count_choices() const;
  bool choose_count(int count);
  int match_count() const { return count_; }
  // Slot k (1 to 10) can be opened when it is within the number of matches.
  bool slot_usable(std::size_t slot) const;
  bool slot_booked(std::size_t slot) const;

  // Opens slot k. An unfinished slot left for another is given up. A booked slot is only
  // selected (for its details or "Clear Match"); an empty one starts at "Choose Match Type".
  bool open_slot(std::size_t slot);
  std::size_t current_slot() const { return slot_; }  // 0 when none

  // What the booking list offers at this step, and taking one of it. A choice that is not offered
  // changes nothing and gives false. Two entries may read alike; choose_at takes one by its place.
  std::vector<std::string> choices() const;
  bool choose(std::string_view item);
  bool choose_at(std::size_t index);
  // At the title step: the other slot (1 to 10) whose match already has this title at stake;
  // nothing for "None" or a title not yet on the card. Booking it twice is allowed but asked first.
  std::optional<std::size_t> title_booked_elsewhere(std::string_view title) const;
  static std::string title_again_question(std::size_t slot);
  // At the participants step: the offered worker of exactly this name (no champion's mark).
  bool choose_worker(std::string_view name);

  // Team names: the team being asked (1-based), its question, the proposed name; an empty
  // answer is refused and the same team is asked again.
  std::size_t team_asked() const { return team_ + 1; }
  std::string team_question() const;
  std::string team_proposal() const;
  // Why this answer cannot name the team being asked; nothing when it can. A name is refused as
  // any name is, and when another team of the match or a worker of the show already has it: a
  // winner's or a holder's name must say who it is.
  std::optional<std::string> team_name_problem(std::string_view name) const;
  bool name_team(std::string_view name);
  // One step back while picking the participants or naming the teams: the last worker picked
  // leaves the match, the names given its teams are dropped, and the participants are picked
  // again from there. Everything picked before him stays.
  bool step_back_a_pick();

  // A battle royal's entrants come from its setup instead of the booking list.
  bool awaiting_battle_royal() const;
  std::vector<BookableWorker> battle_royal_pool() const;
  bool book_battle_royal(const BattleRoyalEntry& entry);
  const std::vector<std::string>& battle_royal_entrants() const { return royal_entrants_; }
  const std::string& battle_royal_runner_up() const { return royal_runner_up_; }
  // Gives up the battle royal being set up: the slot becomes empty again.
  void cancel_battle_royal();

  // The lines of slot k (1 to 10) and their display as text lines (sides between "- vs -").
  const std::string& line(std::size_t slot, std::size_t field) const;
  std::vector<std::string> slot_display(std::size_t slot) const;
  std::vector<std::vector<std::string>> sides(std::size_t slot) const;
  const Lines& card() const { return card_; }

  static std::string clear_match_question();
  static std::string clear_show_question();
  // Empties the selected slot; false when none is selected.
  bool clear_match();
  // Empties the whole card and asks the number of matches again.
  void clear_show();

  bool can_confirm() const;
  // What the card still lacks before it can be confirmed ("Match 3 has no winner yet."); nothing
  // when it is complete.
  std::optional<std::string> confirm_problem() const;
  // The roster panel: every bookable worker, with whether the worker is on the card.
  const std::vector<BookableWorker>& roster() const;
  bool on_card(std::string_view name) const;

 private:
  std::size_t base() const { return (slot_ - 1) * rec::match; }
  void set(std::size_t field, std::string value);
  const MatchType* current_type() const;
  std::size_t picked() const;
  char next_gender() const;
  std::vector<std::string> title_choices() const;
  std::vector<std::size_t> participant_pool() const;
  std::vector<std::string> participant_choices() const;
  void pick_worker(std::size_t index);
  std::vector<std::string> side_names(std::size_t slot) const;
  std::optional<std::size_t> team_count() const;
  std::vector<std::string> current_team_members() const;
  void empty_slot(std::size_t slot);
  void finish_participants();
  void add_indy_workers(const Store& store);

  struct TitleInfo {
    std::string name, kind, gender, brand;
    std::vector<std::string> holders;
  };
  BookingSetting setting_;
  std::vector<BookableWorker> workers_;
  std::vector<TitleInfo> titles_;
  std::vector<std::array<std::string, 2>> stipulations_;  // match type, name
  Lines card_;
  BookingStep step_ = BookingStep::count;
  int count_ = 0;
  std::size_t slot_ = 0;
  std::size_t team_ = 0;
  std::size_t royal_slot_ = 0;
  std::vector<std::string> royal_entrants_;
  std::string royal_runner_up_;
};

// The team name proposed for these members: their shared tag team, "A & B", "A, B and C", or the
// first member's name + "'s Team" for larger sides.
std::string proposed_team_name(const std::vector<BookableWorker>& members);

}  // namespace rv
