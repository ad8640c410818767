#include "cycle/money.h"

#include <algorithm>
#include <utility>

#include "cycle/growth.h"
#include "state/date.h"
#include "state/ledger.h"

namespace rv {

PopularityStep popularity_step(Num p) {
  if (p < 50) return {-10, -400, -60};
  if (p < 55) return {-8, -350, -50};
  if (p < 60) return {-6, -300, -40};
  if (p < 65) return {-4, -250, -30};
  if (p < 70) return {-2, -200, -20};
  if (p < 75) return {0, 0, 0};
  if (p < 80) return {1, 175, 10};
  if (p < 85) return {2, 200, 15};
  if (p < 90) return {3, 225, 20};
  if (p < 95) return {4, 250, 25};
  return {5, 275, 30};
}

namespace {

// A percentage step: the whole part of V x the percentage, with its sign.
Num percent_step(Num value, int per_mille) { return value * per_mille / 1000; }

template <class P>
bool national_tv(const P& p, std::size_t k) {
  return !p.show(k, prom::show::name).empty() && p.show(k, prom::show::kind) == "TV" && p.at(prom::tv_status) == "National";
}

}  // namespace

void effectratings(Store& store) {
  const Date today = current_date(store);
  const bool mid_month = today.day == 15;
  const bool saturday = today.weekday_name() == "Saturday";
  if (!mid_month && !saturday) return;
  const std::size_t n = store.promotion_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto p = store.promotion(i);
    if (p.initials().empty()) continue;
    const PopularityStep step = popularity_step(p.popularity());
    if (mid_month && p.has_ppv_deal()) {
      p.set_num(prom::ppv_rating, std::max<Num>(p.num(prom::ppv_rating) + step.tv, tv_audience_floor));
    }
    if (!saturday) continue;
    for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
      if (p.show(k, prom::show::name).empty() || p.show(k, prom::show::audience) == unmeasured_audience) continue;
      const std::size_t line = p.show_offset(k, prom::show::audience);
      if (national_tv(p, k)) {
        p.set_num(line, std::max<Num>(p.num(line) + step.tv, tv_audience_floor));
      } else if (p.show(k, prom::show::kind) == "PPV") {
        p.set_num(line, std::max<Num>(p.num(line) + step.ppv, ppv_buys_floor));
      }
    }
    for (std::size_t line : {prom::house_attendance, prom::tv_attendance, prom::big_show_attendance}) {
      Num v = p.num(line) + percent_step(p.num(line), step.attendance_pm);
      if (v < attendance_floor) v = line == prom::big_show_attendance ? big_show_attendance_floor : attendance_floor;
      p.set_num(line, v);
    }
  }
}

void cap_audiences(Store& store) {
  const std::size_t n = store.promotion_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto p = store.promotion(i);
    if (p.initials().empty()) continue;
    for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
      if (p.show(k, prom::show::name).empty() || p.show(k, prom::show::audience) == unmeasured_audience) continue;
      const std::size_t line = p.show_offset(k, prom::show::audience);
      const Num cap = national_tv(p, k) ? tv_audience_cap : p.show(k, prom::show::kind) == "PPV" ? ppv_buys_cap : 0;
      if (cap > 0 && p.num(line) > cap) p.set_num(line, cap);
    }
    if (p.has_ppv_deal() && p.num(prom::ppv_rating) > big_show_audience_cap) p.set_num(prom::ppv_rating, big_show_audience_cap);
  }
}

Num monthly_money_change(const PromotionView& p) {
  const Num pop = p.popularity();
  const double f = static_cast<double>(pop) / 100.0;
  const Num type = p.size_level();
  auto part = [f](double amount) { return static_cast<Num>(f * amount); };
  struct Row {
    double base, second, tv12, tv34, third, costs;
  };
  static constexpr Row rows[] = {
      {0, 0, 0, 0, 0, 333},
      {5000, 42000, 0, 0, 420, 633},
      {100000, 85000, 0, 0, 8333, 12666},
      {1000000, 0, 666666, 208333, 135416, 205833},
      {4000000, 0, 1000000, 333333, 520833, 791666},
      {6000000, 0, 2083333, 833333, 833333, 1266666},
  };
  if (type < 1 || type > 6) return 0;
  const Row& r = rows[type - 1];
  Num change = type == 1 ? (pop > 60 ? 500 : 250) : part(r.base);
  change += part(r.second);
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (national_tv(p, k)) change += part(k < prom::main_show_count ? r.tv12 : r.tv34);
  }
  change += part(r.third);
  change -= part(r.costs);
  return change;
}

Num monthly_money(Store& store) {
  const auto player = store.player_index();
  if (!player) return 0;
  const auto p = store.promotion(*player);
  const Num change = monthly_money_change(std::as_const(store).promotion(*player));
  add_balance(store, p, change, "Monthly income and running costs");
  return change;
}

}  // namespace rv
