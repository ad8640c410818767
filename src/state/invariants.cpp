#include "state/invariants.h"

#include <set>

#include "state/date.h"
#include "state/ranges.h"
#include "state/tables.h"

namespace rv {

namespace {

using Report = std::vector<std::string>;

void check_fields(const std::string& where, const Lines& lines, std::size_t base,
                  const std::vector<NumberField>& fields, Report& problems) {
  for (const auto& f : fields) {
    if (auto p = range_problem(line_at(lines, base + f.line), f.range)) problems.push_back(where + " " + f.what + " " + *p);
  }
}

// Every stored number inside its range.
void check_numbers(const Store& store, Report& problems) {
  for (std::size_t r = 0; r < store.wrestlers.size(); ++r) {
    for (std::size_t c = 0; c < column_count; ++c) {
      const auto range = column_range(static_cast<Col>(c));
      if (!range) continue;
      if (auto p = range_problem(store.wrestlers.text(r, static_cast<Col>(c)), *range)) {
        problems.push_back("wrestlers: " + store.wrestlers.text(r, Col::names) + " " + std::string(column_names[c]) + " " + *p);
      }
    }
  }
  for (std::size_t i = 0; i < store.promotion_count(); ++i) {
    check_fields("promotions: " + store.promotion(i).initials(), store.promotions, i * rec::promotion, promotion_numbers(),
                 problems);
  }
  check_fields("maindata:", store.maindata, 0, maindata_numbers(), problems);
  for (std::size_t b = 0; b + rec::stipulation <= store.stipulations.size(); b += rec::stipulation) {
    check_fields("stipulations: " + store.stipulations[b + stip::match_type] + " " + store.stipulations[b + stip::name],
                 store.stipulations, b, stipulation_numbers(), problems);
  }
  for (std::size_t b = 0; b + rec::negotiation <= store.negotiations.size(); b += rec::negotiation) {
    check_fields("negotiations: " + store.negotiations[b + neg::name], store.negotiations, b, negotiation_numbers(), problems);
  }
  for (std::size_t i = 0; i < store.message_count(); ++i) {
    const auto m = store.message(i);
    const std::string where = "newslist: message " + std::to_string(i + 1);
    if (auto p = range_problem(m.at(msg::days_left), message_days_left)) problems.push_back(where + " days left " + *p);
    if (m.at(msg::kind) != "OFFER") continue;
    if (auto p = range_problem(m.at(msg::ref3), offer_amount)) problems.push_back(where + " amount offered " + *p);
  }
  for (std::size_t b = 0; b + rec::top10_entry <= store.weeklytop10.size(); b += rec::top10_entry) {
    if (auto p = range_problem(store.weeklytop10[b + top10::value], top10_value)) {
      problems.push_back("weeklytop10: " + store.weeklytop10[b + top10::name] + " " + *p);
    }
  }
}

// Every date the game looks days up by is a day that exists.
void check_dates(const Store& store, Report& problems) {
  for (std::size_t b = 0; b + rec::calendar_day <= store.calendar.size(); b += rec::calendar_day) {
    if (!parse_full_date(store.calendar[b + cal::date])) {
      problems.push_back("calendar: day " + std::to_string(b / rec::calendar_day + 1) + " \"" +
                         store.calendar[b + cal::date] + "\" is not a date that exists");
    }
  }
  const std::string& big_show = store.md(md::next_big_show_name);
  if (!big_show.empty() && big_show != none_text && !parse_full_date(store.md(md::next_big_show_date))) {
    problems.push_back("maindata: the next big show's date \"" + store.md(md::next_big_show_date) +
                       "\" is not a date that exists");
  }
}

}  // namespace

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
  if (const auto wrong = date_texts_problem(store.md(md::weekday), store.md(md::day_number), store.md(md::month),
                                            store.md(md::year))) {
    report("maindata: lines 2 to 5 do not hold a date that exists: " + *wrong);
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
  if (store.wrestlers.columns_even()) check_numbers(store, problems);
  check_dates(store, problems);
  return problems;
}

}  // namespace rv
