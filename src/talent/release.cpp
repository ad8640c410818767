#include "talent/release.h"

#include <algorithm>

#include "state/dates.h"
#include "state/inbox.h"
#include "feuds/feuds.h"
#include "promotion/staff.h"
#include "state/date.h"
#include "titles/titles.h"
#include "state/ledger.h"

namespace rv {

namespace {
// Contracts further away than this many months are counted as this long.
constexpr long max_months_counted = 1200;
}  // namespace

int weeks_left(const Store& store, std::size_t row) {
  const std::string& expires = store.worker(row).expires();
  const auto space = expires.find(' ');
  if (space == std::string::npos) return 1;
  const auto month = month_index(std::string_view(expires).substr(0, space));
  const std::string year_text = expires.substr(space + 1);
  if (!month || year_text.empty() || to_text(leading_int(year_text)) != year_text) return 1;
  const int year = static_cast<int>(leading_int(year_text));
  const Date today = current_date(store);
  const long months_away = (static_cast<long>(year) - today.year) * 12L + (*month - today.month);
  if (months_away <= 0) return 1;
  if (months_away > max_months_counted) return static_cast<int>(max_months_counted * 52 / 12);
  // Days from today to the 1st of the expiry month.
  long days = days_in_month(today.month, today.year) - today.day + 1;
  int m = today.month, y = today.year;
  for (long i = 1; i < months_away; ++i) {
    if (++m == 12) {
      m = 0;
      ++y;
    }
    days += days_in_month(m, y);
  }
  return static_cast<int>(std::max(1L, days / 7));
}

Num release_cost(const Store& store, std::size_t row) { return weeks_left(store, row) * store.worker(row).wages(); }

std::string release_question(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  if (w.morale() < 40) return "Release " + w.name() + "?";
  return "To release " + w.name() + " will cost $" + to_text(release_cost(store, row)) + ". Go ahead with release?";
}

int release_popularity_loss(Num w, Num l) {
  if (w > l) return 15;
  if (w > l - 5) return 10;
  if (w > l - 10) return 5;
  if (w > l - 15) return 2;
  return 0;
}

int standing_popularity_change(Num w, Num v) {
  if (w >= v) return 15;
  if (w >= v - 5) return 10;
  if (w >= v - 10) return 5;
  if (w >= v - 15) return 2;
  return 0;
}

int offer_popularity_loss(Num w, Num v) {
  if (w >= v) return 10;
  if (w >= v - 5) return 6;
  if (w >= v - 10) return 3;
  if (w >= v - 15) return 1;
  return 0;
}

std::string no_longer_works_text(const std::string& worker) {
  return "(" + worker + " no longer works for your promotion, so this offer was declined.)";
}

void close_offers_for(Store& store, const std::string& worker) {
  const std::size_t n = store.message_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = store.message(i);
    if (m.at(msg::kind) != "OFFER" || m.at(msg::ref2) != worker) continue;
    m.set(msg::body3, no_longer_works_text(worker));
    m.set(msg::kind, "INFO");
    m.set(msg::days_left, "0");
  }
}

void leave_promotion(Store& store, std::size_t row, std::size_t promotion, VacateNotice notice) {
  const std::string name = store.worker(row).name();
  close_offers_for(store, name);
  for (std::size_t i = 0; i + rec::negotiation <= store.negotiations.size();) {
    if (store.negotiations[i + neg::name] == name) {
      remove_record(store.negotiations, i, rec::negotiation);
    } else {
      i += rec::negotiation;
    }
  }
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    if (r != row && store.worker(r).manager() == name) store.worker(r).set_manager(std::string(cleared));
  }
  const auto w = store.worker(row);
  w.set_tagteam(std::string(cleared));
  w.set_stable(std::string(cleared));
  w.set_manager(std::string(cleared));
  if (promotion < store.promotion_count()) {
    vacate_titles_of(store, promotion, name, notice);
    if (store.player_index() == promotion) end_feuds_of(store, name);
    remove_from_staff(store, promotion, name);
  }
}

ReleaseResult releasewrestler(Store& store, std::size_t row) {
  ReleaseResult result;
  const auto player = store.player_index();
  if (!player || row >= store.worker_count()) return result;
  const auto w = store.worker(row);
  const auto p = store.promotion(*player);
  if (w.promotion() != p.initials()) return result;
  if (w.morale() >= 30) {
    result.cost = release_cost(store, row);
    set_balance(store, p, sub_sat(p.balance(), result.cost), "Release: " + w.name());
  }
  const std::string name = w.name();
  result.messages.push_back(name + " has now been released.");
  leave_promotion(store, row, *player, VacateNotice::quiet);
  w.set_promotion(std::string(free_agent));
  w.set_expires(std::string(free_agent));
  const int loss = release_popularity_loss(w.pop(), p.reference_level());
  set_popularity(store, p, std::max<Num>(p.popularity() - loss, 0), "Release: " + name);
  result.released = true;
  return result;
}

}  // namespace rv
