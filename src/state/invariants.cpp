#include "state/invariants.h"

#include <set>

#include "state/date.h"
#include "state/tables.h"

namespace rv {

std::vector<std::string> check_store(const Store& store) {
  std::vector<std::string> problems;
  auto report = [&](std::string text) { problems.push_back(std::move(text)); };

  const std::size_t rows = store.wrestlers.size();
  for (std::size_t c = 0; c < column_count; ++c) {
    const std::size_t n = store.wrestlers.column(static_cast<Col>(c)).size();
    if (n != rows) {
      report("wrestlers: column " + std::string(column_names[c]) + " has " + std::to_string(n) +
             " rows, column names has " + std::to_string(rows));
    }
  }

  for (const SavedTable& t : saved_tables) {
    if (!t.lines || t.record_size == 0) continue;
    const std::size_t lines = (store.*t.lines).size();
    if (lines % t.record_size != 0) {
      report(std::string(t.name) + ": " + std::to_string(lines) + " lines is not a whole number of " +
             std::to_string(t.record_size) + "-line records");
    }
  }

  if (store.maindata.size() != md::line_count) {
    report("maindata: " + std::to_string(store.maindata.size()) + " lines, expected " + std::to_string(md::line_count));
  }
  if (!date_from_texts(store.md(md::weekday), store.md(md::day_number), store.md(md::month), store.md(md::year))) {
    report("maindata: lines 2 to 5 do not hold a date (\"" + store.md(md::weekday) + "\", \"" +
           store.md(md::day_number) + "\", \"" + store.md(md::month) + "\", \"" + store.md(md::year) + "\")");
  }

  std::set<std::string> initials, names;
  const std::size_t n = store.promotion_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto p = store.promotion(i);
    if (!initials.insert(p.initials()).second) report("promotions: the initials " + p.initials() + " are used twice");
    if (!names.insert(p.full_name()).second) report("promotions: the name " + p.full_name() + " is used twice");
  }
  const std::string& player = store.md(md::player_initials);
  if (!player.empty() && !store.player_index()) {
    report("maindata: the player's promotion " + player + " is not among the promotions");
  }

  std::set<std::string> ring_names;
  for (const auto& name : store.wrestlers.column(Col::names)) {
    if (!ring_names.insert(name).second) report("wrestlers: the ring name " + name + " is used twice");
  }
  return problems;
}

}  // namespace rv
