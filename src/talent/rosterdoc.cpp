#include "talent/rosterdoc.h"

#include <array>
#include <optional>
#include <vector>

#include "state/date.h"
#include "state/fileio.h"
#include "talent/split.h"
#include "titles/championships.h"

namespace rv {

namespace {

struct CardGroup {
  std::string_view role, heading, total;
};
constexpr std::array<CardGroup, 3> card_groups = {{
    {role::upper, "- Upper Carders -", "(Total Upper carders = "},
    {role::mid, "- Mid Carders -", "(Total Mid carders = "},
    {role::lower, "- Lower Carders -", "(Total Lower carders = "},
}};

std::string next_big_show(const Store& store) {
  const std::string& name = store.md(md::next_big_show_name);
  return name.empty() || name == none_text ? std::string(no_big_show_planned) : name;
}

void add_titles(Lines& out, const Store& store, std::optional<std::size_t> player) {
  out.emplace_back("Current Title Holders");
  if (!player) return;
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = store.promotion(*player).title(k);
    if (t.exists()) out.push_back(t.name() + ": " + holder_text(store, *player, k));
  }
}

// One roster: its heading and the workers of `rows` by card position. A brand, when given,
// keeps only that brand's workers and those on every brand.
void add_roster(Lines& out, const Store& store, const std::string& heading, const std::vector<std::size_t>& rows,
                std::optional<std::string_view> brand) {
  out.push_back(heading + " Roster");
  for (const CardGroup& group : card_groups) {
    out.emplace_back(group.heading);
    std::size_t count = 0;
    for (std::size_t row : rows) {
      const auto w = store.worker(row);
      if (w.roles() != group.role) continue;
      if (brand && w.brand() != *brand && w.brand() != brand_all) continue;
      out.push_back(w.name() + " (" + w.faceheel() + ")");
      ++count;
    }
    out.push_back(std::string(group.total) + to_text(static_cast<std::int64_t>(count)) + ")");
    if (&group != &card_groups.back()) out.emplace_back();
  }
}

}  // namespace

Lines roster_document(const Store& store, const std::string& real_date) {
  const auto player = store.player_index();
  const std::string promotion = player ? store.promotion(*player).full_name() : std::string();
  Lines out;
  out.push_back("File Created By " + store.md(md::player_name) + " on " + real_date + ".");
  out.emplace_back();
  out.push_back("Promotion: " + promotion);
  out.push_back("In Game Date: " + current_full_date(store));
  out.emplace_back();
  out.push_back("Next Big Show: " + next_big_show(store));
  out.emplace_back();
  add_titles(out, store, player);
  out.emplace_back();
  const std::vector<std::size_t> rows = player_workers(store);
  if (!roster_split(store)) {
    add_roster(out, store, promotion, rows, std::nullopt);
    return out;
  }
  const auto p = store.promotion(*player);
  add_roster(out, store, p.at(prom::brand1_name), rows, brand_one);
  out.emplace_back();
  add_roster(out, store, p.at(prom::brand2_name), rows, brand_two);
  return out;
}

Result<std::string> print_roster(const Home& home, const Store& store, const std::string& real_date) {
  const Status written = write_lines(home.root() / std::string(roster_file), roster_document(store, real_date));
  if (!written) return Failure{std::string(roster_file) + " could not be written: " + written.error()};
  return std::string(roster_split(store) ? rosters_printed_message : roster_printed_message);
}

}  // namespace rv
