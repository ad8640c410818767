#pragma once
// A worker's profile on the player's roster: what it shows, and the changes the player makes
// there (role, a planned turn, brand, manager, names, description and finisher).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/home.h"
#include "state/result.h"
#include "state/store.h"

namespace rv {

// One line of the profile: its caption, its value, and for a 0-100 figure the figure itself.
struct ProfileFact {
  std::string caption;
  std::string value;
  std::optional<Num> figure;
};
std::vector<ProfileFact> profile_facts(const Store& store, std::size_t row);
// "Face", "Heel", or "Turning Face"/"Turning Heel" while a turn is planned.
std::string disposition_text(const Store& store, std::size_t row);
// The titles the worker holds (names), for the profile and the roster's title holder view.
std::vector<std::string> titles_held(const Store& store, std::size_t row);

// A role change: the morale it cost or earned and the complaint posted, if any.
struct RoleChange {
  Num morale_change = 0;
  std::string complaint;
};
// The morale a move to role 1, 2 or 3 brings a worker of popularity `pop` against the level.
Num role_morale_change(int role, Num pop, Num level, std::string_view retire);
RoleChange change_role(Store& store, std::size_t row, int role);

// The disposition of the worker's planned turn, if one is planned.
std::optional<std::string> planned_turn(const Store& store, const std::string& name);
// "Turn X Heel?" or, with a turn planned, the question whether to scrap it.
std::string turn_question(const Store& store, std::size_t row);
// After "Yes" to the turn question: plans the turn, or scraps the planned one (the message).
std::optional<std::string> answer_turn_question(Store& store, std::size_t row);

// The brand choices with a roster split: the two brand names, "Both Brands", "Make No Changes".
std::vector<std::string> worker_brand_choices(const Store& store);
void set_worker_brand(Store& store, std::size_t row, std::size_t choice);
// The manager choices: the promotion's other workers, "None", "Make No Changes".
std::vector<std::string> manager_choices(const Store& store, std::size_t row);
Status set_manager(Store& store, std::size_t row, const std::string& choice);

// "Edit Info".
inline constexpr std::string_view full_name_question = "Edit Worker's Full Name.";
inline constexpr std::string_view short_name_question = "Edit Short Name.";
inline constexpr std::string_view description_question = "Edit Description.";
inline constexpr std::string_view finisher_question = "Edit Finisher Name.";
inline constexpr std::string_view finisher_note =
    "Note: Do not start the finisher name with 'The', or it will look wrong in the commentary.";
inline constexpr std::string_view finisher_type_question = "Edit Finisher Type.";
// The finisher types offered, in the order "p", "s", "t", each with what it means.
inline constexpr std::string_view finisher_type_lines[] = {
    "p = Finisher is followed by a pinfall", "s = Finisher results in a submission",
    "t = Finisher is executed from the top rope while the opponent is in the ring."};
// The names a worker has used before, from the alter-ego records ("-" an empty line).
std::vector<std::string> alter_egos(const Lines& records, const std::string& name);
std::string alter_ego_note(const Lines& records, const std::string& name);
inline constexpr std::string_view alter_ego_file = "alteregos.rv1";
// The alter-ego records of the game home's data; none when the file cannot be read.
Lines load_alter_egos(const Home& home);
// Renames the worker everywhere the world names him: titles, feuds, staff, managers, turns,
// offers and bookings. Refused when empty, not storable or used by another worker.
Status rename_worker(Store& store, std::size_t row, const std::string& name);
Status set_short_name(Store& store, std::size_t row, const std::string& name);
Status set_description(Store& store, std::size_t row, const std::string& text);
Status set_finisher(Store& store, std::size_t row, const std::string& name);
Status set_finisher_type(Store& store, std::size_t row, const std::string& type);
// A finisher's type: "p", "t" or "s"; the refusal of any other.
bool known_finisher_type(std::string_view type);
inline constexpr std::string_view finisher_type_refusal = "Finisher Type must be either p, t or s.";

// The contract details: wages, role, expiry, indy bookings and the two lines about the worker's
// career and mood.
struct ContractDetails {
  std::string wages, role, expires, indy, career, mood;
};
ContractDetails contract_details(const Store& store, std::size_t row);
std::string career_line(const Store& store, std::size_t row);
std::string morale_line(const Store& store, std::size_t row);

}  // namespace rv
