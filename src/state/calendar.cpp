#include "state/calendar.h"

#include "state/dates.h"
#include "state/date.h"

namespace rv {

std::string regular_show_on(const Store& store, std::string_view weekday) {
  const auto player = store.player_index();
  if (!player) return {};
  const auto p = store.promotion(*player);
  std::string name;
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    const std::string& show = p.show(k, prom::show::name);
    if (!show.empty() && p.show(k, prom::show::weekday) == weekday) name = show;
  }
  return name;
}

void extend_calendar(Store& store) {
  Date next = current_date(store);
  const std::size_t days = record_count(store.calendar, rec::calendar_day);
  if (days > 0) {
    const std::string& last = store.calendar[(days - 1) * rec::calendar_day + cal::date];
    if (auto d = parse_full_date(last)) next = *d;
  }
  datechange(next);
  store.calendar.resize(days * rec::calendar_day);  // never leave a partial day at the end
  store.calendar.push_back(full_date(next));
  store.calendar.push_back(regular_show_on(store, next.weekday_name()));
  store.calendar.push_back(std::string());
}

void create_calendar(Store& store) {
  store.calendar.clear();
  const Date start = current_date(store);
  Date d = start;
  int weeks = 0;
  while (weeks < 6) {
    const Date before = d;
    datechange(d);
    if (d == before) break;  // the last day of the calendar has no day after it
    store.calendar.push_back(full_date(d));
    store.calendar.push_back(regular_show_on(store, d.weekday_name()));
    store.calendar.push_back(std::string());
    if (d.weekday == start.weekday) ++weeks;
  }
  const auto player = store.player_index();
  if (!player) return;
  const auto p = store.promotion(*player);
  if (p.at(prom::next_big_show_name) == none_text) return;
  if (auto day = find_calendar_day(store, p.at(prom::next_big_show_date))) {
    store.calendar[*day * rec::calendar_day + cal::big] = p.at(prom::next_big_show_name);
  }
}

MainAction main_action(const Store& store) {
  const std::string& c = store.md(md::main_caption);
  if (c == caption::go_to_show) return MainAction::go_to_show;
  if (c == caption::go_to_shows) return MainAction::go_to_shows;
  return MainAction::next_day;
}

std::string_view caption_of(MainAction action) {
  switch (action) {
    case MainAction::go_to_show: return caption::go_to_show;
    case MainAction::go_to_shows: return caption::go_to_shows;
    case MainAction::next_day: break;
  }
  return caption::next_day;
}

void set_main_action(Store& store, MainAction action) { store.set_md(md::main_caption, std::string(caption_of(action))); }

void set_day_panel(Store& store, const std::string& first, const std::string& second) {
  if (first.empty() && second.empty()) {
    set_main_action(store, MainAction::next_day);
    store.set_md(md::day_heading, "No Shows Today");
    store.set_md(md::day_event1, "");
    store.set_md(md::day_event2, "");
  } else if (first.empty() || second.empty()) {
    set_main_action(store, MainAction::go_to_show);
    store.set_md(md::day_heading, "Today's Show");
    store.set_md(md::day_event1, first.empty() ? second : first);
    store.set_md(md::day_event2, "");
  } else {
    set_main_action(store, MainAction::go_to_shows);
    store.set_md(md::day_heading, "Today's Shows");
    store.set_md(md::day_event1, first);
    store.set_md(md::day_event2, second);
  }
  store.set_md(md::today_slot1, first);
  store.set_md(md::today_slot2, second);
}

void set_todays_shows(Store& store) {
  const Date today = current_date(store);
  std::string big;
  if (store.md(md::next_big_show_name) != none_text && store.md(md::next_big_show_date) == full_date(today)) {
    big = store.md(md::next_big_show_name);
  }
  set_day_panel(store, regular_show_on(store, today.weekday_name()), big);
}

std::vector<CalendarRow> calendar_rows(const Store& store) {
  std::vector<CalendarRow> rows;
  const std::size_t days = record_count(store.calendar, rec::calendar_day);
  rows.reserve(days + 4);
  for (std::size_t i = 0; i < days; ++i) {
    const std::size_t base = i * rec::calendar_day;
    rows.push_back({store.calendar[base + cal::date], store.calendar[base + cal::regular]});
    if (!store.calendar[base + cal::big].empty()) {
      rows.push_back({store.calendar[base + cal::date], store.calendar[base + cal::big]});
    }
  }
  return rows;
}

std::vector<CalendarRow> week_ahead(const Store& store, std::size_t count) {
  const auto all = calendar_rows(store);
  std::vector<CalendarRow> rows;
  for (std::size_t i = 0; i < all.size() && rows.size() < count; ++i) {
    if (all[i].event.empty() && i + 1 < all.size() && all[i + 1].date == all[i].date) continue;
    rows.push_back(all[i]);
  }
  return rows;
}

std::optional<std::size_t> find_calendar_day(const Store& store, std::string_view date) {
  const std::size_t days = record_count(store.calendar, rec::calendar_day);
  for (std::size_t i = 0; i < days; ++i) {
    if (store.calendar[i * rec::calendar_day + cal::date] == date) return i;
  }
  return std::nullopt;
}

std::string house_show_question(std::string_view date) {
  return "Book a house show for " + std::string(date) + "?";
}

bool book_house_show(Store& store, std::string_view date) {
  const auto day = find_calendar_day(store, date);
  if (!day) return false;
  std::string& slot = store.calendar[*day * rec::calendar_day + cal::regular];
  if (!slot.empty()) return false;
  slot = std::string(house_show_event);
  return true;
}

namespace {

std::string describe_regular_or_house(const Store& store, const std::string& event) {
  if (const auto player = store.player_index()) {
    const auto p = store.promotion(*player);
    for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
      const std::string& show = p.show(k, prom::show::name);
      if (!contains(event, show)) continue;
      const std::string& kind = p.show(k, prom::show::kind);
      std::string text = event + "\n\n";
      text += kind == "PPV" ? std::string("Shown on Pay-Per-View") : kind + " Show";
      const std::string& brand = p.show(k, prom::show::brand);
      if (brand == "Brand 1" || brand == "Brand 2") {
        const std::string& brand_name = p.at(brand == "Brand 1" ? prom::brand1_name : prom::brand2_name);
        text += "\nFeaturing superstars from the " + (brand_name.empty() ? brand : brand_name) + " Brand";
      } else if (brand == "All") {
        text += "\nFeaturing superstars from both Brands";
      }
      return text;
    }
  }
  return event + "\n\nHouse Show\nUntelevised Show";
}

std::string describe_big_show(const Store& store, const std::string& event) {
  bool televised = false;
  if (const auto player = store.player_index()) televised = store.promotion(*player).has_ppv_deal();
  return event + "\n\n" + (televised ? "Pay-Per-View" : "Untelelvised Big Show");
}

}  // namespace

std::string describe_day(const Store& store, std::string_view date) {
  const auto day = find_calendar_day(store, date);
  if (!day) return {};
  const std::size_t base = *day * rec::calendar_day;
  const std::string& regular = store.calendar[base + cal::regular];
  const std::string& big = store.calendar[base + cal::big];
  std::string text;
  if (!regular.empty()) text = describe_regular_or_house(store, regular);
  if (!big.empty()) {
    if (!text.empty()) text += "\n\n-- Plus --\n\n";
    text += describe_big_show(store, big);
  }
  return text;
}

void end_show_day(Store& store) {
  set_main_action(store, MainAction::next_day);
  store.set_md(md::day_heading, "End Of Day");
  store.set_md(md::day_event1, "");
  store.set_md(md::day_event2, "");
}

}  // namespace rv
