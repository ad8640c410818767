#include "cycle/showday.h"

#include <algorithm>

#include "cycle/workers.h"
#include "promotion/venues.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/ledger.h"

namespace rv {

int available_workers(const Store& s) {
  const std::string& player = s.md(md::player_initials);
  int count = 0;
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    if (on_roster(w, player) && w.injury() == "0" && w.retire() != retire::retired) ++count;
  }
  const std::string today = current_full_date(s);
  for (std::size_t i = 0; i + rec::indy_booking <= s.indydates.size(); i += rec::indy_booking) {
    if (s.indydates[i + indy::date] == today) ++count;
  }
  return count;
}

namespace {

// The penalties of a cancelled show.
void cancellation_penalties(Store& s, bool big_show_today, const std::string& show) {
  const auto player = s.player_index();
  if (!player) return;
  const auto p = s.promotion(*player);
  const Num cancelled = s.md_num(md::cancelled_shows);
  const Num before = p.popularity();
  if (p.size_level() == 1) {
    p.set_popularity(p.popularity() - (cancelled < 4 ? 3 : 6));
  } else {
    const std::string weekday(current_date(s).weekday_name());
    for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
      if (p.show(k, prom::show::name).empty() || p.show(k, prom::show::weekday) != weekday) continue;
      const std::size_t rating = p.show_offset(k, prom::show::rating);
      const bool main_show = k < prom::main_show_count;
      p.set_popularity(p.popularity() - (main_show ? 8 : 5));
      set_show_rating(s, p, k, std::max<Num>(p.num(rating) - (main_show ? 5 : 4), 1), "Cancelled show: " + show);
    }
    if (big_show_today) p.set_popularity(p.popularity() - 12);
  }
  if (p.popularity() < 1) p.set_popularity(1);
  record_effect(s, Figure::popularity, {}, p.popularity() - before, "Cancelled show: " + show);
}

// How a cancellation is told: a house show's whole line, the words around the show's name, and
// what follows the name of a big show of the same day.
struct CancelWords {
  std::string_view house_show, before_name, after_name, big_show_too;
};
constexpr CancelWords too_few_workers{
    "You don't have enough wrestlers available to put on a show. Therefore the planned house show for today has been cancelled.",
    "You don't have enough wrestlers available to put on a show. Therefore today's ", " has been cancelled.",
    " has also had to be cancelled due to not enough wrestlers being available to work the show."};
constexpr CancelWords nobody_booked{"Nobody booked a card for today's house show, so it has been cancelled.",
                                    "Nobody booked a card for ", ", so it has been cancelled.",
                                    " has also been cancelled: nobody booked it."};

// Calls off today's show(s): the day ends, the cancellation is counted and penalised, and the
// player is told.
void cancel_today(Store& s, ShowDayResult& result, const CancelWords& words) {
  result.cancelled = true;
  result.can_go_ahead = false;
  const std::string first = s.md(md::today_slot1);
  const std::string shown = first.empty() ? s.md(md::today_slot2) : first;
  const bool big_show_today = s.md(md::next_big_show_date) == current_full_date(s) && s.md(md::next_big_show_name) != none_text;
  const auto shows = todays_shows(s);
  end_show_day(s);
  if (!first.empty() && !shows.empty() && shows.front().type == ShowType::house) {
    result.messages.emplace_back(words.house_show);
  } else {
    result.messages.push_back(std::string(words.before_name) + shown + std::string(words.after_name));
  }
  if (big_show_today && shown != s.md(md::next_big_show_name))
    result.messages.push_back(s.md(md::next_big_show_name) + std::string(words.big_show_too));
  s.set_md_num(md::cancelled_shows, s.md_num(md::cancelled_shows) + 1);
  cancellation_penalties(s, big_show_today, shown);
}

}  // namespace

ShowDayResult go_to_show(Game& game) {
  Store& s = game.store;
  ShowDayResult result;
  const std::string first = s.md(md::today_slot1);
  const std::string second = s.md(md::today_slot2);
  if (first.empty() && second.empty()) return result;  // no show today
  result.available_workers = available_workers(s);
  if (result.available_workers >= workers_needed_for_a_show) {
    result.can_go_ahead = true;
    return result;
  }
  cancel_today(s, result, too_few_workers);
  return result;
}

ShowDayResult cancel_unbooked_show(Game& game) {
  ShowDayResult result = go_to_show(game);
  if (!result.can_go_ahead) return result;
  cancel_today(game.store, result, nobody_booked);
  return result;
}

}  // namespace rv
