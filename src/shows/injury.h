#pragma once
// Injuries suffered in a match: what the injury is, how long the worker is out, the return date
// told as a part of a month, and the head trainer's message to the player.
#include <array>
#include <string>
#include <string_view>

#include "state/date.h"
#include "state/random.h"
#include "state/store.h"

namespace rv {

struct Injury {
  std::string worker;
  std::string text;         // "a broken nose"
  int days = 0;
  std::string words;        // "3 weeks"
  std::string return_date;  // "mid-March"
};

// One row of the injury table: the rolls up to `last_roll` (of 151) give this injury; its length
// is rolled with a die of `die` faces. A length of 0 is a face with no length of its own.
struct InjuryKind {
  int last_roll;
  std::string_view text;
  int die;
  std::array<int, 3> lengths;
};
inline constexpr int injury_roll_faces = 151;

// The injury of a roll from 1 to 151 (a roll outside is brought inside).
const InjuryKind& injury_for_roll(int roll);
// The length of a length roll on the row's die. A die of 10 gives its first length on 1 to 5, its
// second on 6 to 9 and its third on 10; a face without a length of its own takes the nearest
// length before it.
int injury_days(const InjuryKind& kind, int face);
// "a week", "2 weeks", ... "10 months"; other lengths are told in days.
std::string injury_length_words(int days);
// The day the worker is fit again, as "early ", "mid-" or "late " and the month's name: days 1 to
// 10 of a month are early, 11 to 20 mid, the rest late.
std::string injury_return_text(Date today, int days);
// The worker's status while out: "Out until " + return date + " with " + injury + ".".
std::string injury_status(const Injury& injury);

// Rolls the injury of `worker` and its length, and posts the head trainer's message. The wrestler
// table is left to the caller.
Injury createinjury(Store& store, const std::string& worker, Rng& rng);

}  // namespace rv
