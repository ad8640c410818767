#include "shows/injury.h"

#include <algorithm>
#include <vector>

#include "state/dates.h"
#include "state/inbox.h"

namespace rv {

namespace {

constexpr std::array<InjuryKind, 37> injury_table = {{
    {7, "a mild concussion", 3, {7, 14, 21}},
    {8, "a serious concussion", 3, {84, 140, 182}},
    {13, "a broken nose", 2, {21, 30, 0}},
    {14, "a broken jaw", 3, {30, 42, 60}},
    {17, "a broken upper arm", 3, {30, 42, 0}},
    {23, "a broken finger", 3, {7, 14, 0}},
    {24, "a broken wrist", 3, {21, 30, 35}},
    {27, "a broken forearm", 3, {14, 30, 0}},
    {28, "a dislocated wrist", 3, {60, 84, 126}},
    {31, "a dislocated elbow", 3, {60, 84, 0}},
    {37, "a dislocated shoulder", 3, {60, 84, 0}},
    {40, "a torn bicep", 3, {60, 0, 0}},
    {43, "a torn tricep", 3, {60, 0, 0}},
    {46, "a torn rotator cuff", 10, {60, 168, 224}},
    {52, "a separated shoulder", 10, {60, 126, 182}},
    {53, "a torn pectorialias", 10, {126, 140, 168}},
    {54, "a broken sturnam", 3, {14, 21, 30}},
    {57, "broken ribs", 3, {14, 21, 0}},
    {65, "bruised ribs", 3, {14, 0, 0}},
    {72, "a broken collarbone", 3, {14, 0, 0}},
    {75, "bruised kidneys", 2, {14, 0, 0}},
    {76, "torn abdominal muscles", 3, {60, 84, 112}},
    {77, "a torn quad", 3, {112, 168, 224}},
    {80, "a pulled quad", 3, {14, 30, 42}},
    {86, "a torn hamstring", 3, {60, 84, 0}},
    {94, "a pulled hamstring", 3, {14, 21, 0}},
    {95, "a dislocated kneecap", 10, {112, 210, 280}},
    {101, "a hyperextended knee", 3, {7, 14, 0}},
    {107, "a torn MCL", 3, {112, 140, 0}},
    {113, "a torn ACL", 10, {112, 140, 0}},
    {116, "a torn PCL", 10, {112, 140, 168}},
    {119, "a torn calf", 3, {60, 84, 0}},
    {125, "a pulled calf", 2, {14, 21, 0}},
    {133, "a strained calf", 2, {7, 14, 0}},
    {139, "a broken foot", 3, {30, 42, 60}},
    {145, "a broken toe", 3, {14, 21, 30}},
    {151, "a broken ankle", 3, {30, 60, 84}},
}};

struct LengthWords {
  int days;
  std::string_view words;
};
constexpr std::array<LengthWords, 16> length_words = {{
    {7, "a week"}, {14, "2 weeks"}, {21, "3 weeks"}, {30, "a month"}, {35, "5 weeks"}, {42, "6 weeks"},
    {60, "2 months"}, {84, "3 months"}, {112, "4 months"}, {126, "4 and a half months"}, {140, "5 months"},
    {168, "6 months"}, {182, "6 and a half months"}, {210, "7 and a half months"}, {224, "8 months"},
    {280, "10 months"},
}};

constexpr std::string_view head_trainer = "Head Trainer";

}  // namespace

const InjuryKind& injury_for_roll(int roll) {
  roll = std::clamp(roll, 1, injury_roll_faces);
  for (const auto& kind : injury_table)
    if (roll <= kind.last_roll) return kind;
  return injury_table.back();
}

int injury_days(const InjuryKind& kind, int face) {
  std::size_t index = 0;
  if (kind.die == 10) index = face <= 5 ? 0 : (face <= 9 ? 1 : 2);
  else index = static_cast<std::size_t>(std::clamp(face, 1, 3) - 1);
  while (index > 0 && kind.lengths[index] == 0) --index;
  return kind.lengths[index];
}

std::string injury_length_words(int days) {
  for (const auto& l : length_words)
    if (l.days == days) return std::string(l.words);
  return std::to_string(days) + (days == 1 ? " day" : " days");
}

std::string injury_return_text(Date today, int days) {
  for (int i = 0; i < days; ++i) datechange(today);
  const std::string_view part = today.day <= 10 ? "early " : (today.day <= 20 ? "mid-" : "late ");
  return std::string(part) + std::string(today.month_name());
}

std::string injury_status(const Injury& injury) {
  return "Out until " + injury.return_date + " with " + injury.text + ".";
}

Injury createinjury(Store& store, const std::string& worker, Rng& rng) {
  Injury out;
  out.worker = worker;
  const InjuryKind& kind = injury_for_roll(rng.draw(injury_roll_faces));
  out.text = std::string(kind.text);
  out.days = injury_days(kind, rng.draw(kind.die));
  out.words = injury_length_words(out.days);
  out.return_date = injury_return_text(current_date(store), out.days);
  post_info(store, std::string(head_trainer), worker + " Injured",
            worker + " was injured at the last show and will be out of action for " + out.words + " with " + out.text + ".");
  return out;
}

}  // namespace rv
