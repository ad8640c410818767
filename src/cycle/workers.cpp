#include "cycle/workers.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "state/inbox.h"
#include "state/names.h"
#include "state/date.h"
#include "talent/contract.h"
#include "talent/roster.h"
#include "state/ledger.h"

namespace rv {

bool on_roster(const WorkerView& w, const std::string& initials) {
  return !initials.empty() && (w.promotion() == initials || contains(w.multiproms(), initials));
}

void injurychange(Store& store) {
  const std::string player = store.md(md::player_initials);
  std::vector<std::string> returning, upcoming;
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = store.worker(r);
    const Num days = leading_int(w.injury());
    if (days <= 0) continue;
    w.set_injury(to_text(days - 1));
    if (days - 1 == 0) {
      w.set_status("");
      if (w.text(Col::cond) == injured_condition) w.set(Col::cond, "85");
      if (w.promotion() == player) returning.push_back(w.name());
    } else if (days - 1 == 3 && w.promotion() == player) {
      upcoming.push_back(w.name());
    }
  }
  for (const auto& name : returning) post_info(store, "Road Agent", name + " Returns", name + " is now available again.");
  post_about_workers(store, "Road Agent", "Upcoming Returns", upcoming, " will return to action in a few days.",
                     "The following will be returning to action in the next few days:");
}

int condition_gain(const WorkerView& w) {
  const Num years = leading_int(w.retire());
  if (years > 20) return 4;
  if (years > 10) return 3;
  if (years > 5) return 2;
  return 1;
}

void recover_condition(Store& store) {
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = store.worker(r);
    if (w.injury() != "0") continue;
    const std::string& cond = w.text(Col::cond);
    if (cond == injured_condition) continue;  // only an injury that has healed gives the condition back
    if (w.cond() >= 100) {
      if (cond != "100" && w.cond() > 100) w.set_cond(100);
      continue;
    }
    w.set_cond(std::min<Num>(w.cond() + condition_gain(std::as_const(store).worker(r)), 100));
  }
}

Num paywages(Store& store) {
  const auto player = store.player_index();
  if (!player) return 0;
  const auto p = store.promotion(*player);
  Num total = 0;
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = std::as_const(store).worker(r);
    if (w.promotion() == p.initials()) total = add_sat(total, w.wages());
  }
  set_balance(store, p, sub_sat(p.balance(), total), "Wages for the week");
  post_info(store, "Front Office", "Wages", "The total amount of wages paid this week was $" + grouped(total) + ".");
  return total;
}

Num drifted_pop(const WorkerView& w) {
  Num pop = w.pop();
  const std::string& retire = w.retire();
  if (retire == retire::retired || retire == retire::retiring || w.ringstyle() == non_worker) return pop;
  const Num morale = w.morale();
  const bool male = w.is_male();
  const Num ceiling = male ? 97 : 84;  // only workers below this drift
  if (pop < ceiling) {
    if (morale >= 80 && morale < 90) {
      pop += 1;
    } else if (morale >= 90) {
      if (pop < 60) pop += 5;
      else if (pop < 70) pop += 3;
      else if (pop < 80) pop += 2;
      else if (male ? pop < 90 : pop < 84) pop += 1;
      else if (male && w.charisma() >= 80 && w.micskills() >= 80) pop += 1;
    } else if (morale < 40 && pop > 20) {
      pop -= 3;
    }
  }
  return clamp_int(pop, 10, 99);
}

void changedrawvalues(Store& store) {
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = store.worker(r);
    const std::string& retire = w.retire();
    if (retire == retire::retired || retire == retire::retiring || w.ringstyle() == non_worker) continue;
    const Num pop = drifted_pop(std::as_const(store).worker(r));
    if (pop != w.pop() || w.text(Col::pop) != to_text(pop)) set_worker_popularity(store, r, pop, "Draw value for the week");
  }
}

void count_down_careers(Store& store) {
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = store.worker(r);
    const std::string& retire = w.retire();
    if (retire == retire::retiring || retire == retire::retired) continue;
    const Num years = leading_int(retire);
    if (years > 0) w.set_retire(to_text(years - 1));
  }
}

void retirements(Game& game) {
  Store& s = game.store;
  const std::string player = s.md(md::player_initials);
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    if (w.retire() != retire::retiring) continue;
    w.set_retire(std::string(retire::retired));
    post_info(s, "Road Agent", w.name() + " Retires", w.name() + " has now retired as an in-ring performer.");
  }
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    if (w.retire() != "0") continue;
    if (!game.rng.one_in(retirement_announcement_odds)) continue;
    w.set_retire(std::string(retire::retiring));
    const std::string name = w.name();
    post_info(s, w.promotion() == player ? "Road Agents" : "Talent Scout", name + " Announces Retirement",
              name + (w.is_male() ? " has announced he will retire as an in-ring performer at the end of the month."
                                  : " has announced she will retire as an in-ring performer at the end of the month."));
  }
}

NewTalent draw_new_talent(Rng& rng) {
  NewTalent t;
  const bool female = rng.one_in(5);
  t.gender = female ? "Female" : "Male";
  const auto& firsts = female ? std::vector<std::string_view>(female_first_names.begin(), female_first_names.end())
                              : std::vector<std::string_view>(male_first_names.begin(), male_first_names.end());
  t.name = std::string(firsts[static_cast<std::size_t>(rng.draw(static_cast<int>(firsts.size())) - 1)]) + " " +
           std::string(surnames[static_cast<std::size_t>(rng.draw(static_cast<int>(surnames.size())) - 1)]);
  const RingStyle& style = ring_styles[static_cast<std::size_t>(rng.draw(static_cast<int>(ring_styles.size())) - 1)];
  t.style = std::string(female ? style.female_style : style.style);
  t.weight = !style.weight.empty() ? std::string(style.weight) : (female ? "Light" : "Heavy");
  t.ent = rng.between(style.ent_low, style.ent_high);
  const std::size_t f = static_cast<std::size_t>(rng.draw(3) - 1);
  t.finisher = std::string(female ? style.female_finishers[f] : style.finishers[f]);
  t.finishertype = std::string(female ? style.female_finisher_types[f] : style.finisher_types[f]);
  t.faceheel = rng.draw(2) == 1 ? "Heel" : "Face";
  t.country = rng.draw(10) <= 7 ? "UK" : "USA";
  t.pop = rng.between(25, 50);
  t.wages = rng.between(200, 400);
  t.mic = rng.between(20, 95);
  t.charisma = rng.between(20, 95);
  t.hardcore = t.style == "Hardcore" ? rng.between(70, 95) : rng.between(20, 80);
  return t;
}

void newprospect(Game& game) {
  Store& s = game.store;
  const NewTalent t = draw_new_talent(game.rng);
  if (s.find_worker(t.name)) {
    for (std::size_t line = md::prospect_first; line <= md::prospect_last; ++line) s.set_md(line, "");
    return;
  }
  s.set_md(md::prospect_name, t.name);
  s.set_md_num(md::prospect_pop, t.pop);
  s.set_md(md::prospect_gender, t.gender);
  s.set_md(md::prospect_style, t.style);
  s.set_md(md::prospect_weight, t.weight);
  s.set_md_num(md::prospect_hardcore, t.hardcore);
  s.set_md_num(md::prospect_ent, t.ent);
  s.set_md_num(md::prospect_mic, t.mic);
  s.set_md_num(md::prospect_charisma, t.charisma);
}

bool generatewrestler(Game& game) {
  Store& s = game.store;
  NewTalent t;
  bool found = false;
  for (int attempt = 0; attempt < name_draw_attempts && !found; ++attempt) {
    t = draw_new_talent(game.rng);
    found = !s.find_worker(t.name);
  }
  if (!found) return false;
  const Date today = current_date(s);
  const std::string surname = t.name.substr(t.name.find(' ') + 1);
  std::array<std::string, column_count> row;
  auto put = [&row](Col c, std::string v) { row[static_cast<std::size_t>(c)] = std::move(v); };
  put(Col::names, t.name);
  put(Col::shortname, t.name.substr(0, 1) + ". " + surname);
  put(Col::promotion, std::string(free_agent));
  put(Col::brand, std::string(brand_all));
  put(Col::gender, t.gender);
  put(Col::pop, to_text(t.pop));
  put(Col::ent, to_text(t.ent));
  put(Col::desc, "Debuted on the indy circuit in " + to_text(today.year) + ".");
  put(Col::expires, new_worker_expiry(today));
  put(Col::wages, to_text(t.wages));
  put(Col::indybookings, "Yes");
  put(Col::bookingfee, "300");
  put(Col::multiproms, std::string(none_text));
  put(Col::roles, std::string(role::lower));
  put(Col::faceheel, t.faceheel);
  put(Col::finisher, t.finisher);
  put(Col::finishertype, t.finishertype);
  put(Col::tagteam, std::string(cleared));
  put(Col::stable, std::string(cleared));
  put(Col::injury, "0");
  put(Col::status, "");
  put(Col::cond, "100");
  put(Col::manager, std::string(cleared));
  put(Col::ringstyle, t.style);
  put(Col::morale, "75");
  put(Col::retire, "25");
  put(Col::micskills, to_text(t.mic));
  put(Col::hardcore, to_text(t.hardcore));
  put(Col::weight, t.weight);
  put(Col::charisma, to_text(t.charisma));
  put(Col::basecountry, t.country);
  s.wrestlers.add(row);
  return true;
}

void bad_publicity(Game& game) {
  Store& s = game.store;
  const auto player = s.player_index();
  if (!player) return;
  const auto p = s.promotion(*player);
  const Num type = p.size_level();
  if (type == 1 || type == 2) return;
  std::vector<std::size_t> unhappy;
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = std::as_const(s).worker(r);
    if (w.promotion() == p.initials() && heard_by_press(w.morale(), w.pop(), p.reference_level())) unhappy.push_back(r);
  }
  if (unhappy.empty()) return;
  const std::string name = s.worker(unhappy[static_cast<std::size_t>(game.rng.draw(static_cast<int>(unhappy.size())) - 1)]).name();
  std::string body;
  if (type == 3 || type == 4) {
    body = name + " has given an interview with an internet news site and spoken of the company very negatively. " + name +
           " spoke particularly about the way you badly misuse certain wrestlers. This is very bad publicity for us, "
           "especially on the internet where most of our promotional work is done.";
  } else if (type == 5) {
    body = name + " has done an interview with a national radio station and spoken very negatively about the company and how "
                  "it is run. This shows the company in a very bad light.";
  } else {
    body = name + " has been on a major national chat show and spoken openly about you not knowing how to run this company. "
                  "As a large national company, this is very damaging to our reputation.";
  }
  post_info(s, "Front Office", "Bad Publicity", body);
  set_popularity(s, p, std::max<Num>(p.popularity() - 6, 0), "Bad publicity: " + name);
}

void release_requests(Store& store) {
  const std::string player = store.md(md::player_initials);
  const std::string today = current_full_date(store);
  const std::size_t n = store.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = std::as_const(store).worker(r);
    if (w.promotion() != player || player.empty() || w.morale() >= release_request_morale) continue;
    NewMessage m;
    m.sender = "Road Agent";
    m.subject = "Release Request";
    m.body = w.name() + (w.is_male() ? " is unhappy and has requested his release." : " is unhappy and has requested her release.");
    m.body2 = "Release " + w.name() + "?";
    m.kind = "RELEASE";
    m.days_left = release_request_days;
    m.ref1 = w.name();
    post_message(store, today, m);
  }
}

void stale_turns(Store& store) {
  if (store.md_num(md::turn_freshness) > 5) return;
  const auto player = store.player_index();
  if (!player) return;
  const auto p = store.promotion(*player);
  set_popularity(store, p, std::max<Num>(p.popularity() - 1, 1), "Stale turns");
  if (store.md_num(md::turn_freshness) == 0) {
    post_info(store, "Front Office", "Turns",
              "We would recommend that you don't do anymore heel or face turns for a few months. If done too frequently, "
              "they will lose effect.");
  }
}

void refresh_turns(Store& store) {
  const std::string weekday(current_date(store).weekday_name());
  if (weekday != "Monday" && weekday != "Wednesday") return;
  store.set_md_num(md::turn_freshness, std::min<Num>(store.md_num(md::turn_freshness) + 1, 100));
}

}  // namespace rv
