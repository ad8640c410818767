#include "cycle/contracts.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "state/inbox.h"
#include "state/date.h"
#include "talent/moves.h"
#include "talent/release.h"
#include "state/ledger.h"

namespace rv {

int renewal_chance_in_20(Num pop, Num size_level) {
  int chance = 9;
  if (pop >= 90) chance = 17;
  else if (pop >= 80) chance = 15;
  else if (pop >= 70) chance = 13;
  else if (pop >= 60) chance = 11;
  return chance + static_cast<int>(clamp_int(size_level, 1, 6)) / 2;
}

int max_renewal_years(Num size_level) {
  if (size_level >= 5) return 4;
  if (size_level == 4) return 3;
  return 2;
}

void contractwarning(Game& game) {
  Store& s = game.store;
  const std::string ending = ending_this_month(s);
  const std::string player = s.md(md::player_initials);
  std::vector<std::string> warned;
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = std::as_const(s).worker(r);
    if (w.promotion() == player && !player.empty() && w.expires() == ending) warned.push_back(w.name());
  }
  post_about_workers(s, "Front Office", "Contract Warnings", warned, "'s contract expires at the end of this month.",
                     "The following contracts expire at the end of this month:");
  // The other promotions renew or let go.
  const Date today = current_date(s);
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    if (w.expires() != ending || w.promotion() == player || w.promotion() == free_agent) continue;
    const auto employer = s.find_promotion(w.promotion());
    if (!employer) continue;
    const auto p = s.promotion(*employer);
    // A retired worker is left to go; anyone else may be renewed.
    if (w.retire() != retire::retired && game.rng.draw(20) <= renewal_chance_in_20(w.pop(), p.size_level())) {
      const Num v = p.reference_level();
      w.set_roles(std::string(role_for_popularity(w.pop(), v)));
      Date end = today;
      if (++end.month == 12) {
        end.month = 0;
        ++end.year;
      }
      w.set_expires(month_year(end, game.rng.draw(max_renewal_years(p.size_level()))));
    } else if (game.rng.one_in(5)) {
      const std::string name = w.name();
      post_info(s, "Talent Scout", name + " Talent To Become Free Agent?",
                "Rumours are circulating in the industry that " + name + " have been unable to agree a new contract with " +
                    p.initials() +
                    (w.is_female() ? ". We feel she would make a good addition to our roster when her contract expires at the end of the month."
                                   : ". We feel he would make a good addition to our roster when his contract expires at the end of the month."));
    }
  }
}

void contractexpire(Store& store) {
  const std::string today = month_year(current_date(store));
  const auto player = store.player_index();
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    if (store.worker(r).expires() != today) continue;
    const auto w = store.worker(r);
    const std::string name = w.name();
    const auto employer = store.find_promotion(w.promotion());
    Num level = 0;
    if (employer) {
      const auto p = store.promotion(*employer);
      level = p.reference_level();
      set_popularity(store, p, std::max<Num>(p.popularity() - standing_popularity_change(w.pop(), level), 0),
                     "Contract expired: " + name);
      leave_promotion(store, r, *employer, VacateNotice::inbox);
    } else {
      close_offers_for(store, name);
    }
    const bool players = employer && employer == player;
    w.set_promotion(std::string(free_agent));
    w.set_expires(std::string(free_agent));
    w.set_tagteam(std::string(cleared));
    w.set_stable(std::string(cleared));
    w.set_manager(std::string(cleared));
    if (players) {
      std::string body = name + (w.is_male() ? "'s contract has expired. He is now a free agent. "
                                             : "'s contract has expired. She is now a free agent.");
      if (w.pop() >= level) {
        if (body.back() != ' ') body += ' ';  // the female form ends without the space
        body += "We are very disappointed that such a good draw for our company has been lost.";
      }
      post_info(store, "Front Office", "Expired Contract", body);
    } else {
      post_info(store, "Talent Scout", "New Free Agent",
                name + " is no longer under contract to a promotion, and is a free agent available for bookings.");
    }
  }
}

namespace {

// A worker signed from outside joins with the disposition offered; the sum agreed with his old
// promotion, if any, is paid to it now that he has signed.
void sign_bought_worker(Store& s, std::size_t row, std::size_t player, const Lines& offer) {
  const auto owner = s.find_promotion(offer[neg::from_promotion]);
  join_promotion(s, row, player);
  const std::string& disposition = offer[neg::disposition];
  if (disposition == alignment::face || disposition == alignment::heel) s.worker(row).set_faceheel(disposition);
  const Num sum = std::max<Num>(leading_int(offer[neg::buy_out_sum]), 0);
  if (!owner || sum == 0 || *owner == player) return;
  set_balance(s, s.promotion(player), sub_sat(s.promotion(player).balance(), sum), "Buy-out: " + offer[neg::name]);
  s.promotion(*owner).set_balance(add_sat(s.promotion(*owner).balance(), sum));
}

}  // namespace

int reply_odds(Num day) {
  if (day <= 1) return 5;
  if (day == 2) return 3;
  if (day == 3) return 2;
  return 1;
}

void deliver_offer_replies(Game& game) {
  Store& s = game.store;
  const auto player = s.player_index();
  for (std::size_t i = 0; i + rec::negotiation <= s.negotiations.size();) {
    const Record r(s.negotiations, i);
    if (r.at(neg::name).empty()) {
      i += rec::negotiation;
      continue;
    }
    const Num day = step_within(r.num(neg::days), 1, range::days);
    r.set_num(neg::days, day);
    if (!game.rng.one_in(reply_odds(day))) {
      i += rec::negotiation;
      continue;
    }
    // Take the record out first: the move below may clear the worker's other negotiations.
    const Lines offer(s.negotiations.begin() + static_cast<std::ptrdiff_t>(i),
                      s.negotiations.begin() + static_cast<std::ptrdiff_t>(i + rec::negotiation));
    remove_record(s.negotiations, i, rec::negotiation);
    const std::string& name = offer[neg::name];
    const bool own = player && offer[neg::from_promotion] == s.promotion(*player).initials();
    post_info(s, "Front Office", (own ? "Your Contract Offer For " : "Your Offer For ") + name, offer[neg::reply]);
    const auto row = s.find_worker(name);
    if (offer[neg::outcome] != "4" || !row || !player) continue;
    const auto w = s.worker(*row);
    const auto p = s.promotion(*player);
    if (!own) {
      sign_bought_worker(s, *row, *player, offer);
      const int gain = standing_popularity_change(w.pop(), p.reference_level());
      set_popularity(s, p, std::min<Num>(p.popularity() + gain, 100), "Signing: " + name);
    } else {
      w.set_indybookings(offer[neg::indy]);
      set_worker_morale(s, *row, std::min<Num>(w.morale() + leading_int(offer[neg::morale_change]), 100), "Contract: re-signed");
    }
    w.set_wages(leading_int(offer[neg::wages]));
    w.set_roles(offer[neg::role]);
    w.set_expires(offer[neg::expiry]);
  }
}

}  // namespace rv
