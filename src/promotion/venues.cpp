#include "promotion/venues.h"

#include "state/date.h"
#include "state/fileio.h"
#include "state/ranges.h"
#include "state/text.h"

namespace rv {

namespace {

constexpr Num hire_cost_per_seat = 8;
constexpr int fewest_big_show_matches = 7;
constexpr int fewest_matches = 5;
constexpr std::string_view no_picture = "NA";

std::string picture_or_default(const std::string& file) {
  return file.empty() || file == no_picture ? std::string(default_show_picture) : file;
}

// The regular show a calendar day names: the show of that name held on the day's weekday (the
// later one, as on the calendar, should two share both). Any other name, "House Show" among them,
// is a house show the player booked.
std::optional<std::size_t> regular_slot_of(const PromotionView& p, const std::string& event, std::string_view weekday) {
  std::optional<std::size_t> found;
  for (std::size_t k = 0; k < prom::regular_show_count; ++k)
    if (!event.empty() && p.show(k, prom::show::name) == event && p.show(k, prom::show::weekday) == weekday) found = k;
  return found;
}

ShowFacts regular_or_house(const Store& store, const std::string& event, std::string_view weekday) {
  ShowFacts f;
  f.name = event;
  f.type = ShowType::house;
  const auto player = store.player_index();
  if (!player) return f;
  const auto p = store.promotion(*player);
  if (const auto slot = regular_slot_of(p, event, weekday)) {
    const std::size_t k = *slot;
    const std::string& kind = p.show(k, prom::show::kind);
    f.type = k < prom::main_show_count ? ShowType::primary : ShowType::secondary;
    f.regular_slot = k;
    f.televised = kind == broadcast_tv || kind == broadcast_ppv;
    f.broadcast = f.televised ? kind : std::string(broadcast_house);
    const std::string& brand = p.show(k, prom::show::brand);
    if (brand == "Brand 1" || brand == "Brand 2") f.brand = brand;
    f.picture = picture_or_default(p.show(k, prom::show::image));
  }
  return f;
}

ShowFacts big_show(const Store& store, const std::string& event) {
  ShowFacts f;
  f.name = event;
  f.type = ShowType::big;
  if (const auto player = store.player_index()) f.televised = store.promotion(*player).has_ppv_deal();
  f.broadcast = std::string(f.televised ? broadcast_ppv : broadcast_house);
  if (event == store.md(md::next_big_show_name)) {
    const std::string& brand = store.md(md::next_big_show_brand);
    if (brand == "Brand 1" || brand == "Brand 2") f.brand = brand;
    f.picture = picture_or_default(store.md(md::next_big_show_logo));
  }
  return f;
}

std::vector<ShowFacts> shows_of(const Store& store, const std::string& regular, const std::string& big, std::string_view weekday) {
  std::vector<ShowFacts> shows;
  if (!regular.empty()) shows.push_back(regular_or_house(store, regular, weekday));
  if (!big.empty()) shows.push_back(big_show(store, big));
  return shows;
}

// A venue is offered when its country is the promotion's exactly and its size levels hold the
// digit of the promotion's size level.
bool offered(const Lines& file, std::size_t at, const std::string& country, Num size_level) {
  if (file[at + venue::country] != country) return false;
  return like(file[at + venue::size_levels], "*" + std::to_string(size_level) + "*");
}

struct PlayerFacts {
  std::string country;
  Num size_level = 1;
};

std::optional<PlayerFacts> player_facts(const Store& store) {
  const auto player = store.player_index();
  if (!player) return std::nullopt;
  const auto p = store.promotion(*player);
  return PlayerFacts{p.country(), within(p.size_level(), range::size_level)};
}

Result<Lines> read_venue_file(const Store& store, const Home& home) {
  auto path = venue_file(store, home);
  if (!path) return Failure{path.error()};
  auto lines = read_lines(*path);
  if (!lines) return Failure{"The venue list could not be read: " + lines.error()};
  return lines;
}

}  // namespace

std::string_view show_type_name(ShowType type) {
  switch (type) {
    case ShowType::primary: return "Primary Show";
    case ShowType::secondary: return "Secondary Show";
    case ShowType::house: return "House Show";
    case ShowType::big: return "Big Show";
  }
  return "Show";
}

std::vector<ShowFacts> todays_shows(const Store& store) {
  return shows_of(store, store.md(md::today_slot1), store.md(md::today_slot2), current_date(store).weekday_name());
}

std::optional<ShowFacts> next_show(const Store& store) {
  auto today = todays_shows(store);
  if (!today.empty()) return today.front();
  const std::string now = current_full_date(store);
  const std::size_t days = record_count(store.calendar, rec::calendar_day);
  for (std::size_t i = 0; i < days; ++i) {
    const std::size_t base = i * rec::calendar_day;
    if (store.calendar[base + cal::date] == now) continue;
    const std::string& date = store.calendar[base + cal::date];
    auto shows = shows_of(store, store.calendar[base + cal::regular], store.calendar[base + cal::big], date.substr(0, date.find(' ')));
    if (!shows.empty()) return shows.front();
  }
  return std::nullopt;
}

std::string choose_venue_heading(const ShowFacts& show) { return "Choose Venue For " + show.name; }

Num hire_cost(Num capacity) { return within(mul_sat(capacity, hire_cost_per_seat), range::money_amount); }

Result<fs::path> venue_file(const Store& store, const Home& home) {
  const std::string& named = store.md(md::venue_file);
  if (named.empty()) return Failure{"No venue list is named for this game."};
  const fs::path relative = named == "venues.txt" ? fs::path("Data") / "venues.txt" : data_path(named);
  bool inside = !relative.is_absolute() && !relative.has_root_name() && !relative.has_root_directory();
  for (const auto& part : relative) inside = inside && part != "..";
  if (!inside) return Failure{"The venue list " + named + " is outside the game's folder."};
  return home.root() / relative;
}

Result<std::vector<VenueOffer>> offered_venues(const Store& store, const Home& home, const ShowFacts& show) {
  const auto facts = player_facts(store);
  if (!facts) return Failure{"The player's promotion could not be found."};
  auto file = read_venue_file(store, home);
  if (!file) return Failure{file.error()};
  std::vector<VenueOffer> offers;
  for (std::size_t at = 0; at + rec::venue <= file->size(); at += rec::venue) {
    if (!offered(*file, at, facts->country, facts->size_level)) continue;
    VenueOffer v;
    v.name = (*file)[at + venue::name];
    v.capacity = read_within((*file)[at + venue::capacity], range::capacity);
    v.hire_cost = hire_cost(v.capacity);
    v.hire_cost_text = money_text(v.hire_cost);
    offers.push_back(std::move(v));
  }
  if (offers.empty()) return Failure{"No venue can be booked for " + show.name + "."};
  return offers;
}

Result<BookedShow> book_venue(const Store& store, const Home& home, const ShowFacts& show, std::string_view venue_name) {
  const auto facts = player_facts(store);
  if (!facts) return Failure{"The player's promotion could not be found."};
  auto file = read_venue_file(store, home);
  if (!file) return Failure{file.error()};
  for (std::size_t at = 0; at + rec::venue <= file->size(); at += rec::venue) {
    if ((*file)[at + venue::name] != venue_name || !offered(*file, at, facts->country, facts->size_level)) continue;
    BookedShow b;
    b.show = show;
    for (std::size_t k = 0; k < rec::venue; ++k) b.venue[k] = (*file)[at + k];
    b.capacity = read_within(b.venue[venue::capacity], range::capacity);
    b.hire_cost = hire_cost(b.capacity);
    b.heading = "Booking For " + show.name;
    const int fewest = show.type == ShowType::big ? fewest_big_show_matches : fewest_matches;
    for (std::size_t k = 0; k < b.match_counts.size(); ++k) b.match_counts[k] = fewest + static_cast<int>(k);
    return b;
  }
  return Failure{"The venue " + quoted_excerpt(venue_name) + " is no longer in the venue list."};
}

}  // namespace rv
