// ringvale-cli suggest-season: plays days from a save with every show booked by the suggester and
// measures its cards. Before each show the suggested card's expected overall rating is set against
// the median of random cards booked on the same roster (any match type but a battle royal, any
// title, stipulation and workers the booking offers, no title twice), and the card's pairings are
// checked against the last four weeks of shows. Nothing is saved.
#include <algorithm>
#include <iomanip>

#include "app/cli_commands.h"
#include "state/text.h"
#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "promotion/venues.h"
#include "shows/forecast.h"
#include "shows/reports.h"
#include "shows/runshow.h"
#include "shows/suggest.h"
#include "shows/suggest_picks.h"
#include "shows/suggest_steps.h"
#include "state/calendar.h"
#include "state/date.h"

namespace rv::cli {

namespace {

constexpr int random_card_tries = 40;  // per slot: types tried before the random card gives up

std::size_t any_of_n(Rng& rng, std::size_t n) { return static_cast<std::size_t>(rng.draw(static_cast<int>(n)) - 1); }

// One slot booked by random clicks; false when the type chosen cannot be filled.
bool random_match(Booking& b, std::size_t slot, Rng& rng) {
  if (!b.open_slot(slot)) return false;
  std::vector<std::string> types = b.choices();
  std::erase(types, std::string(match_type::battle_royal));
  if (types.empty() || !b.choose(types[any_of_n(rng, types.size())])) return false;
  std::vector<std::string> titles;
  for (const auto& t : b.choices())
    if (!b.title_booked_elsewhere(t)) titles.push_back(t);
  if (titles.empty() || !b.choose(titles[any_of_n(rng, titles.size())])) return false;
  const auto stips = b.choices();
  if (stips.empty() || !b.choose_at(any_of_n(rng, stips.size()))) return false;
  while (b.step() == BookingStep::participants) {
    const auto offered = b.choices();
    if (offered.empty() || !b.choose_at(any_of_n(rng, offered.size()))) return false;
  }
  if (!suggest_step::name_teams(b)) return false;
  return b.choose(match::automatic) && b.choose(match::automatic) && b.slot_booked(slot);
}

bool random_card(Booking& b, Rng& rng) {
  const auto counts = b.count_choices();
  if (!b.choose_count(counts[any_of_n(rng, counts.size())])) return false;
  for (std::size_t k = 1; b.slot_usable(k); ++k) {
    bool booked = false;
    for (int t = 0; t < random_card_tries && !booked; ++t) {
      booked = random_match(b, k, rng);
      if (!booked && b.current_slot() == k && !b.slot_booked(k)) b.clear_match();
    }
    if (!booked) return false;
  }
  return b.can_confirm();
}

double expected_overall(const Store& store, const BookedShow& booked, const Booking& b) {
  return rv::expected_overall(store, show_context(booked, static_cast<std::size_t>(b.match_count())), b);
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Tally {
  int shows = 0, won = 0;
  double suggested = 0, random_median = 0, actual = 0;
  int matches = 0, open_matches = 0, repeats = 0, open_repeats = 0;
};

// Counts the matches of the card whose opponents met within the last four weeks.
void count_repeats(const Booking& b, const suggest_pick::CardMemory& memory, const Store& store, Tally& t) {
  for (std::size_t k = 1; b.slot_usable(k); ++k) {
    if (b.line(k, match::type) == match_type::battle_royal) continue;
    const auto sides = b.sides(k);
    bool repeat = false;
    for (std::size_t i = 0; i < sides.size(); ++i)
      for (std::size_t j = i + 1; j < sides.size(); ++j)
        for (const auto& x : sides[i])
          for (const auto& y : sides[j]) repeat = repeat || memory.met_recently(x, y);
    bool feud = false;  // two opponents of a running feud in the match
    auto in_match = [&](const std::string& name) {
      return !name.empty() && std::any_of(sides.begin(), sides.end(), [&](const auto& side) {
        return std::find(side.begin(), side.end(), name) != side.end();
      });
    };
    for (std::size_t f = 0; f < md::feud_slots; ++f) {
      const std::size_t base = md::feuds_first + f * md::feud_size;
      feud = feud || (in_match(store.md(base + feud::worker1)) && in_match(store.md(base + feud::worker2)));
    }
    const bool open = !feud && (b.line(k, match::title).empty() || b.line(k, match::title) == none_text);
    ++t.matches;
    t.repeats += repeat;
    if (open) {
      ++t.open_matches;
      t.open_repeats += repeat;
    }
  }
}

}  // namespace

int cmd_suggest_season(const Args& args, std::ostream& out, std::ostream& err) {
  const std::string usage = "suggest-season --home DIR --save NAME [--days N] [--samples N] [--seed N]";
  auto game = open_game_option(args, usage, err);
  if (!game) return exit_failure;
  const auto days = number_option(args, "days", 364);
  const auto samples = number_option(args, "samples", 100);
  if (!days || *days < 1 || *days > 10000 || !samples || *samples < 1 || *samples > 10000) {
    err << "Usage: ringvale-cli " << usage << "\n";
    return exit_failure;
  }
  const Home home(*args.get("home"));
  const ShowLibraries libraries = load_libraries(home);
  Tally t;
  for (long long d = 0; d < *days; ++d) {
    if (main_action(game->store) != MainAction::next_day) {
      const auto shows = todays_shows(game->store);
      const ShowDayResult go = go_to_show(*game);
      if (!shows.empty() && go.can_go_ahead && !go.cancelled) {
        const ShowFacts& show = shows.front();
        auto offers = offered_venues(game->store, home, show);
        auto booked = offers && !offers->empty() ? book_venue(game->store, home, show, offers->front().name)
                                                 : Result<BookedShow>(Failure{"no venue"});
        if (booked) {
          const BookingSetting setting{show.brand, show.type == ShowType::big};
          const auto memory = suggest_pick::card_memory(game->store);
          Booking card(game->store, setting);
          if (suggest_card(card, game->store, game->rng).complete) {
            std::vector<double> randoms;
            Rng rng(static_cast<std::uint64_t>(1000 + t.shows));
            for (long long i = 0; i < *samples; ++i) {
              Booking other(game->store, setting);
              if (random_card(other, rng)) randoms.push_back(expected_overall(game->store, *booked, other));
            }
            const double mine = expected_overall(game->store, *booked, card);
            const double typical = median(randoms);
            count_repeats(card, memory, game->store, t);
            ++t.shows;
            t.won += mine > typical;
            t.suggested += mine;
            t.random_median += typical;
            if (auto run = run_show(*game, *booked, card, libraries)) t.actual += run->overall.shown;
            out << current_full_date(game->store) << " " << show.name << ": suggested " << std::fixed
                << std::setprecision(2) << mine << ", random median " << typical << " of " << randoms.size() << "\n";
          }
        }
      }
      if (main_action(game->store) != MainAction::next_day) end_show_day(game->store);
    }
    if (next_day(*game).dismissed) {
      out << "Dismissed on " << current_full_date(game->store) << ".\n";
      break;
    }
  }
  if (t.shows == 0) {
    out << "No show was run.\n";
    return exit_ok;
  }
  const double n = t.shows;
  out << std::fixed << std::setprecision(2) << "Shows: " << t.shows << "\n"
      << "Suggested cards, mean expected overall rating: " << t.suggested / n << "\n"
      << "Random cards, mean of the median expected overall rating: " << t.random_median / n << "\n"
      << "Suggested card above the random median: " << t.won << " of " << t.shows << "\n"
      << "Suggested cards, mean overall rating on the night: " << t.actual / n << "\n"
      << "Matches repeating a pairing of the last four weeks: " << t.repeats << " of " << t.matches << " ("
      << 100.0 * t.repeats / std::max(1, t.matches) << "%)\n"
      << "  of them outside feuds and title matches: " << t.open_repeats << " of " << t.open_matches << " ("
      << 100.0 * t.open_repeats / std::max(1, t.open_matches) << "%)\n";
  return exit_ok;
}

}  // namespace rv::cli
