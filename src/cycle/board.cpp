#include "cycle/board.h"

#include <algorithm>

#include "state/inbox.h"
#include "cycle/workers.h"
#include "state/ledger.h"

namespace rv {

int shows_points(double a) {
  if (a > 90) return 20;
  if (a > 80) return 18;
  if (a > 70) return 15;
  if (a > 60) return 11;
  if (a > 50) return 8;
  return 0;
}

int money_points(Num b, Num m) {
  if (b >= m) {
    if (m <= 0) return 20;
    const double g = static_cast<double>(b - m) / static_cast<double>(m) * 100.0;
    if (g < 25) return 17;
    if (g < 50) return 18;
    if (g < 100) return 19;
    return 20;
  }
  if (b <= 500) return 0;
  const double f = static_cast<double>(m - b) / static_cast<double>(m) * 100.0;
  if (f < 10) return 16;
  if (f < 25) return 15;
  if (f < 50) return 14;
  if (f < 75) return 13;
  if (f < 100) return 12;
  if (f < 125) return 11;
  if (f < 150) return 10;
  return 0;
}

int popularity_points(double p) {
  if (p > 90) return 20;
  if (p > 80) return 17;
  if (p > 70) return 14;
  if (p > 60) return 10;
  return 0;
}

int morale_points(double a) {
  if (a > 90) return 20;
  if (a > 80) return 17;
  if (a > 70) return 14;
  if (a > 60) return 10;
  if (a > 50) return 5;
  return 0;
}

// The championship slots the board looks at: the first seven.
inline constexpr std::size_t board_title_slots = 7;

ReviewScore review_score(const Store& store) {
  ReviewScore score;
  const auto player = store.player_index();
  if (!player) return score;
  const auto p = store.promotion(*player);
  double sum = 0;
  int count = 0;
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (p.show(k, prom::show::name).empty()) continue;
    sum += static_cast<double>(leading_int(p.show(k, prom::show::rating)));
    ++count;
  }
  score.shows = count ? shows_points(sum / count) : 0;
  score.money = money_points(p.balance(), store.money_baseline(p.size_level()));
  score.popularity = popularity_points(static_cast<double>(p.popularity()));
  sum = 0;
  count = 0;
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = store.worker(r);
    if (w.promotion() != p.initials()) continue;
    sum += static_cast<double>(w.morale());
    ++count;
  }
  score.morale = count ? morale_points(sum / count) : 0;
  sum = 0;
  count = 0;
  for (std::size_t k = 0; k < board_title_slots; ++k) {
    const auto t = p.title(k);
    if (!t.exists()) continue;
    sum += static_cast<double>(t.value());
    ++count;
  }
  score.championships = count ? morale_points(sum / count) : 0;
  return score;
}

std::string review_cause(const ReviewScore& score) {
  return "Weekly review: shows " + std::to_string(score.shows) + ", money " + std::to_string(score.money) + ", popularity " +
         std::to_string(score.popularity) + ", morale " + std::to_string(score.morale) + ", championships " +
         std::to_string(score.championships) + " (each out of 20)";
}

int board_roster_size(const Store& store) {
  const std::string& initials = store.md(md::player_initials);
  int count = 0;
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = store.worker(r);
    if (on_roster(w, initials) && w.retire() != retire::retired) ++count;
  }
  return count;
}

namespace {

void board_says(Store& s, const char* sender, const char* subject, std::string body) {
  post_info(s, sender, subject, std::move(body));
}

void start_probation(Store& s) {
  s.set_md(md::board_state, std::string(board::reviewing));
  s.set_md_num(md::review_weeks, probation_weeks);
}

}  // namespace

void weeklyreview(Store& s) {
  const std::string state = s.md(md::board_state);
  if (board_roster_size(s) < board_minimum_roster) {
    set_board_rating(s, std::max<Num>(s.md_num(md::board_rating) - 8, 1), "Weekly review: roster too small");
    const Num score = s.md_num(md::board_rating);
    const Num weeks = s.md_num(md::review_weeks);
    if (state == board::settled) {
      std::string body;
      if (score > 60) {
        body = "We don't have enough wrestlers to put on a show. You need to hire some wrestlers as soon as possible.";
      } else if (score > 50) {
        body = "Our roster isn't big enough to put on a show. Wrestlers need to be hired as a matter of urgency.";
      } else if (score > 40) {
        body = "There are not enough wrestlers on our roster for us to put on a show. It is critical that you hire some wrestlers urgently.";
      } else {
        body = "We are very unhappy that there are not enough wrestlers on the roster to put on a show. We have no option but to "
               "consider your position in this promotion. You have 6 weeks to turn things around, or you will be fired.";
        start_probation(s);
      }
      board_says(s, "Board Of Directors", "Roster Too Small", body);
    } else if (state == board::reviewing && weeks != 0) {
      board_says(s, "Board Of Directors", "Evaluation Period",
                 weeks == 1 ? std::string("You are currently under review, with 1 week remaining before a decision is made regarding your future.")
                            : "You are currently under review, with " + s.md(md::review_weeks) +
                                  " weeks remaining before a decision is made regarding your future.");
    } else if (state == board::reviewing) {
      board_says(s, "Board Of Directors", "Contract Terminated",
                 "Your 6 week evaluation period is now over, and you have failed to address the situation with the size of our "
                 "roster. You contract is hereby terminated.");
      s.set_md(md::board_state, std::string(board::dismissed));
    }
  } else {
    const ReviewScore parts = review_score(s);
    const int score = parts.total();
    set_board_rating(s, score, review_cause(parts));
    if (state == board::reviewing && s.md_num(md::review_weeks) == 0) {
      if (score < 50) {
        board_says(s, "The Board of Directors", "Your 6 Week Trial Period",
                   "Your 6 week period is now over. Unfortunately you have failed to show enough improvement to justify the "
                   "continuation of your contract. It is hereby terminated.");
        s.set_md(md::board_state, std::string(board::dismissed));
      } else {
        board_says(s, "The Board of Directors", "Your 6 Week Trial Period",
                   "Your 6 week period is now over. We are satisfied with the improvements you have made during that period and "
                   "so you will remain under contract with us.");
        s.set_md(md::board_state, std::string(board::warned));
        s.set_md_num(md::review_weeks, probation_weeks);
      }
    }
    const std::string now = s.md(md::board_state);
    if (now != board::warned && now != board::dismissed) {
      std::string body;
      if (score > 90) body = "You are currently doing an excellent job.";
      else if (score > 80) body = "We are very pleased with your current performance.";
      else if (score > 70) body = "You are currently doing a good job.";
      else if (score > 60) body = "We are satisfied with your current performance.";
      else if (score > 50) body = "We are not happy with your current performance.";
      else if (score > 40) body = "We are concerned about your current performance.";
      else if (now == board::settled) {
        body = "We are very unhappy with your performance lately and have decided to allow you 6 weeks to show sufficient "
               "improvement. Should you fail to do so in 6 weeks time your contract with us will be terminated.";
        start_probation(s);
      } else if (now == board::reviewing) {
        body = "We are very unhappy with your performance lately and you are currently under review.";
      }
      board_says(s, "The Board of Directors", "Weekly Review", body);
    }
  }
  if (s.md(md::board_state) == board::warned) s.set_md(md::board_state, std::string(board::settled));
}

DebtLimits debt_limits(Num size) {
  switch (size) {
    case 1: return {-400000, -500000};
    case 2: return {-100000, -500000};
    case 3: return {-500000, -1000000};
    case 4: return {-1000000, -5000000};
    case 5: return {-5000000, -10000000};
    case 6: return {-10000000, -15000000};
    default: return {-400000, -500000};
  }
}

void money_check(Store& s) {
  const auto player = s.player_index();
  if (!player) return;
  const auto p = s.promotion(*player);
  const DebtLimits limits = debt_limits(p.size_level());
  const Num b = p.balance();
  if (b < limits.dismissal) {
    s.set_md(md::board_state, std::string(board::dismissed));
  } else if (b < limits.warning) {
    s.set_md(md::board_state, std::string(board::failing));
  } else {
    return;
  }
  if (s.md(md::board_state) == board::failing) {
    board_says(s, "Front Office", "Serious Financial Problem",
               "Our finances are in serious trouble at the minute. Please make every effort to save money where you can.");
  } else {
    board_says(s, "Board Of Directors", "Contract Termination",
               "At an emergency board meeting last night, it was decided that due to the huge debts the company is now in, we "
               "have no option but to terminate your contract.");
  }
}

}  // namespace rv
