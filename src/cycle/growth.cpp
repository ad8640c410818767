#include "cycle/growth.h"

#include <optional>
#include <utility>

#include "state/calendar.h"
#include "state/inbox.h"
#include "state/ledger.h"

namespace rv {

namespace {

enum class Step { none, local_tv, house_show, regional_tv, national_tv, primary_to_tv, ppv_deal, new_national_show };

struct GrowthView {
  Num days;      // days since the last step
  Num streak;    // days in a row at growth popularity
  bool gate1;    // show 1's audience has held maindata's first mark long enough
  bool gate2;    // ... the second mark
};

template <class P>
bool is_national(const P& p) { return p.size_level() >= 4 && p.at(prom::tv_status) == "National"; }

template <class P>
std::optional<std::size_t> free_show_slot(const P& p) {
  for (std::size_t k = 1; k < prom::regular_show_count; ++k) {
    if (p.show(k, prom::show::name).empty()) return k;
  }
  return std::nullopt;
}

template <class P>
bool weekday_used(const P& p, std::string_view day) {
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (!p.show(k, prom::show::name).empty() && p.show(k, prom::show::weekday) == day) return true;
  }
  return false;
}

template <class P>
std::string free_tv_weekday(const P& p) {
  for (std::string_view day : {"Saturday", "Friday", "Tuesday", "Wednesday"}) {
    if (!weekday_used(p, day)) return std::string(day);
  }
  return {};
}

Step next_step(const PromotionView& p, const GrowthView& g) {
  const Num size = p.size_level();
  const bool streak = g.streak >= growth_streak_days;
  if (!streak) return Step::none;
  if (size == 1 && g.days > 180) return Step::local_tv;
  if (size >= 2 && size <= 4 && g.days > 90 && p.show(prom::house_show_slot, prom::show::name).empty()) return Step::house_show;
  if (size == 2 && g.days > 200) return Step::regional_tv;
  if (size == 3 && g.days > 600) return Step::national_tv;
  if (!is_national(p)) return Step::none;
  if (p.show(prom::primary_show, prom::show::kind) == "PPV" && g.days > 360 && g.gate2) return Step::primary_to_tv;
  if (!p.has_ppv_deal() && g.days > 120) return Step::ppv_deal;
  if (const auto slot = free_show_slot(p); slot && g.gate1 && !free_tv_weekday(p).empty()) {
    if (g.days > (*slot == 1 ? 120 : 180)) return Step::new_national_show;
  }
  return Step::none;
}

void raise_title_levels(const Promotion& p) {
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = p.title(k);
    if (t.exists()) t.put(TitleField::level, to_text(std::min<Num>(t.level() + 5, 100)));
  }
}

constexpr Num new_show_rating = 70;

void growth_bonus(Store& s, const Promotion& p, Num a, Num b) {
  raise_title_levels(p);
  p.set_num(prom::house_attendance, p.num(prom::house_attendance) + a);
  p.set_num(prom::tv_attendance, p.num(prom::tv_attendance) + a);
  p.set_num(prom::big_show_attendance, p.num(prom::big_show_attendance) + b);
  set_popularity(s, p, std::min<Num>(p.popularity() + 7, 100), "Promotion growth");
}

// A show that ends takes its rating with it.
void clear_show(Store& s, const Promotion& p, std::size_t k, std::string_view cause) {
  set_show_rating(s, p, k, 0, cause);
  for (std::size_t f = 0; f < prom::regular_show_size; ++f) p.set(p.show_offset(k, f), "");
}

void add_house_show(Store& s, const Promotion& p) {
  std::string day = "Thursday";
  for (std::string_view d : {"Saturday", "Friday", "Thursday"}) {
    bool taken = false;
    for (std::size_t k = 0; k < prom::main_show_count; ++k) taken = taken || p.show(k, prom::show::weekday) == d;
    if (!taken) {
      day = std::string(d);
      break;
    }
  }
  p.set_show(prom::house_show_slot, prom::show::name, "House Show");
  p.set_show(prom::house_show_slot, prom::show::weekday, day);
  p.set_show(prom::house_show_slot, prom::show::brand, std::string(brand_all));
  p.set_show(prom::house_show_slot, prom::show::kind, "House");
  set_show_rating(s, p, prom::house_show_slot, new_show_rating, "Promotion growth: new show");
  p.set_show(prom::house_show_slot, prom::show::audience, "100");
}

// Show 1 as a TV show: named after the promotion when it had no name, on a Monday when it had no day.
void make_primary_tv(Store& s, const Promotion& p) {
  if (p.show(prom::primary_show, prom::show::name).empty()) {
    p.set_show(prom::primary_show, prom::show::name, p.initials() + " TV");
    p.set_show(prom::primary_show, prom::show::brand, std::string(brand_all));
    set_show_rating(s, p, prom::primary_show, new_show_rating, "Promotion growth: new show");
  }
  if (p.show(prom::primary_show, prom::show::weekday).empty()) p.set_show(prom::primary_show, prom::show::weekday, "Monday");
  if (p.show(prom::primary_show, prom::show::audience).empty()) p.set_show(prom::primary_show, prom::show::audience, "100");
  p.set_show(prom::primary_show, prom::show::kind, "TV");
}

// A new national TV show in the first free slot, on the first free TV weekday; returns the body
// of the message about it.
std::string add_national_show(Store& s, const Promotion& p) {
  const std::size_t k = *free_show_slot(p);
  const std::string day = free_tv_weekday(p);
  p.set_show(k, prom::show::name, p.initials() + " TV");
  p.set_show(k, prom::show::weekday, day);
  p.set_show(k, prom::show::brand, std::string(brand_all));
  p.set_show(k, prom::show::kind, "TV");
  set_show_rating(s, p, k, new_show_rating, "Promotion growth: new show");
  p.set_show(k, prom::show::audience, std::string(unmeasured_audience));
  return k == 1 ? "Due to our current popularity, the National TV station which airs our programming is willing to give us "
                  "another weekly show. This should boost our income and widen our popularity."
                : "The National TV station which airs our programming is willing to give us another weekly show. This "
                  "should boost our income and widen our popularity.";
}

// Takes the step; returns the message (subject, body) the player would get.
std::pair<std::string, std::string> take_step(Store& s, const Promotion& p, Step step) {
  const std::string name = p.initials();
  switch (step) {
    case Step::none: return {};
    case Step::local_tv:
      p.set(prom::tv_status, "Local");
      if (p.show(prom::primary_show, prom::show::name).empty() ||
          p.show(prom::primary_show, prom::show::kind) != "TV") {
        p.set_show(prom::primary_show, prom::show::name, name + " TV");
      }
      make_primary_tv(s, p);
      growth_bonus(s, p, 150, 200);
      p.set(prom::size_level, "2");
      return {name + " To Air On Local TV",
              "A local TV station has been monitoring our product for the past few months, and they have been impressed by "
              "what they've seen lately. They have agreed to provide us with some funding to produce a weekly TV show which "
              "will air locally. This is a great move for " + name + "."};
    case Step::house_show:
      add_house_show(s, p);
      return {"New Weekly House Show",
              "Due to our current popularity, it has been decided to add a house show to our schedule each week. As well as "
              "providing extra ring time for our wrestlers, it will also bring some more money in."};
    case Step::regional_tv:
      p.set(prom::tv_status, "Regional");
      growth_bonus(s, p, 200, 250);
      p.set(prom::size_level, "3");
      return {name + " Goes Regional", "We have just agreed a deal which will see our weekly Local TV Show, " +
                                           p.show(prom::primary_show, prom::show::name) +
                                           ", aired Regionally. This is great news for the company, and will mean a further "
                                           "increase in our funding through TV money."};
    case Step::national_tv:
      p.set(prom::tv_status, "National");
      make_primary_tv(s, p);
      for (std::size_t k = 1; k < prom::regular_show_count; ++k) clear_show(s, p, k, "Promotion growth: national schedule");
      add_house_show(s, p);
      growth_bonus(s, p, 300, 350);
      p.set(prom::size_level, "4");
      return {name + " Gains National TV Deal",
              "After the success of our Regional TV show, we have agreed a deal with a National TV station to broadcast one TV "
              "show a week on National TV. In addition to this TV show, we will also run one house show a week. " + name +
                  " is now a national promotion."};
    case Step::primary_to_tv:
      p.set_show(prom::primary_show, prom::show::kind, "TV");
      growth_bonus(s, p, 200, 250);
      return {"Primary Show Gains National TV Deal",
              "Thanks to the continued quality of our shows, we have agreed a deal with a National TV station to broadcast our "
              "primary show on National TV instead of Pay-Per-View."};
    case Step::ppv_deal: {
      p.set(prom::ppv_deal, "Yes");
      raise_title_levels(p);
      std::string body =
          "We have reached an agreement with a Pay Per View company to air any big shows we promote in the future. This is a "
          "great deal for us, which we could potentially make a lot of money from.";
      if (s.player_index() == p.base() / rec::promotion && s.md(md::next_big_show_name) != none_text &&
          !s.md(md::next_big_show_name).empty()) {
        body += " Our first event on Pay Per View will be " + s.md(md::next_big_show_name) + ".";
      }
      return {"Pay Per View Deal Agreed", body};
    }
    case Step::new_national_show: return {"New National Show", add_national_show(s, p)};
  }
  return {};
}

// Calendar days not booked with a house show get the player's regular show of their weekday.
void refresh_calendar_shows(Store& s) {
  for (std::size_t i = 0; i + rec::calendar_day <= s.calendar.size(); i += rec::calendar_day) {
    std::string& slot = s.calendar[i + cal::regular];
    if (slot == house_show_event) continue;
    const std::string& date = s.calendar[i + cal::date];
    slot = regular_show_on(s, std::string_view(date).substr(0, date.find(' ')));
  }
}

void axe_shows(Store& s, const Promotion& p) {
  if (p.size_level() != 5 && p.size_level() != 6) return;
  bool changed = false;
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (p.show(k, prom::show::name).empty() || p.show(k, prom::show::kind) != "TV") continue;
    const std::string& audience = p.show(k, prom::show::audience);
    if (audience == unmeasured_audience || leading_int(audience) > axe_audience) continue;
    const std::string show = p.show(k, prom::show::name);
    const std::string day = p.show(k, prom::show::weekday);
    clear_show(s, p, k, "Show axed");
    changed = true;
    post_info(s, "Front Office", show + " Axed",
              "Our " + day + " show, " + show + " has been axed due to low ratings." +
                  (k < prom::main_show_count ? " This is a major setback for the company." : " This is not good for the company."));
    if (k < prom::main_show_count) {
      post_info(s, "Board Of Directors", "Contract Terminated",
                "The loss of our primary television show from National TV has had a devastating effect on our company, and as "
                "a result we have no option but to terminate your contract.");
      s.set_md(md::board_state, std::string(board::dismissed));
    }
  }
  if (changed) refresh_calendar_shows(s);
}

Num streak_after(bool held, Num streak) { return held ? streak + 1 : 0; }

bool gate_open(Num streak, const std::string& mark) { return leading_int(mark) <= 0 || streak >= audience_gate_days; }

}  // namespace

void growandend(Game& game) {
  Store& s = game.store;
  const auto player = s.player_index();
  Num rival_day = s.md_num(md::rival_growth_day) + 1;
  if (rival_day > rival_growth_cycle) rival_day = 0;
  s.set_md_num(md::rival_growth_day, rival_day);
  if (player) {
    const auto p = s.promotion(*player);
    const Num audience = leading_int(p.show(prom::primary_show, prom::show::audience));
    s.set_md_num(md::popularity_streak, streak_after(p.popularity() >= growth_popularity, s.md_num(md::popularity_streak)));
    s.set_md_num(md::audience_streak1, streak_after(audience >= s.md_num(md::audience_mark1), s.md_num(md::audience_streak1)));
    s.set_md_num(md::audience_streak2, streak_after(audience >= s.md_num(md::audience_mark2), s.md_num(md::audience_streak2)));
    const GrowthView g{s.md_num(md::days_since_growth), s.md_num(md::popularity_streak),
                       gate_open(s.md_num(md::audience_streak1), s.md(md::audience_mark1)),
                       gate_open(s.md_num(md::audience_streak2), s.md(md::audience_mark2))};
    const Step step = next_step(std::as_const(s).promotion(*player), g);
    if (step != Step::none) {
      auto [subject, body] = take_step(s, p, step);
      post_info(s, "Front Office", subject, body);
      s.set_md(md::days_since_growth, "0");
      refresh_calendar_shows(s);
    }
    axe_shows(s, p);
  }
  if (rival_day > rival_growth_from) {
    std::vector<std::size_t> rivals;
    for (std::size_t i = 0; i < s.promotion_count(); ++i) {
      if (i != player && !s.promotion(i).initials().empty()) rivals.push_back(i);
    }
    if (rivals.empty()) return;
    const auto p = s.promotion(rivals[static_cast<std::size_t>(game.rng.draw(static_cast<int>(rivals.size())) - 1)]);
    if (p.popularity() <= growth_popularity) return;
    const GrowthView always{1000000, 1000000, true, true};
    take_step(s, p, next_step(std::as_const(s).promotion(p.base() / rec::promotion), always));
  }
}

}  // namespace rv
