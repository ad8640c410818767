#include "titles/titles.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "state/inbox.h"
#include "state/date.h"
#include "state/ledger.h"

namespace rv {

bool holds_title(const Store& store, std::size_t promotion, std::size_t slot, const std::string& worker) {
  const auto t = store.promotion(promotion).title(slot);
  if (!t.exists() || worker.empty()) return false;
  if (t.holder() == worker) return true;
  return t.long_block() && (t.get(TitleField::coholder1) == worker || t.get(TitleField::coholder2) == worker);
}

std::optional<std::size_t> title_named(const Store& store, std::size_t promotion, std::string_view name) {
  if (name.empty() || name == none_text || promotion >= store.promotion_count()) return std::nullopt;
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = store.promotion(promotion).title(k);
    if (t.exists() && t.name() == name) return k;
  }
  return std::nullopt;
}

bool vacate_title(Store& store, std::size_t promotion, std::size_t slot, VacateNotice notice) {
  const auto t = store.promotion(promotion).title(slot);
  if (!t.exists() || t.holder() == vacant) return false;
  const bool players = store.player_index() == promotion;
  const std::string holder = t.holder();
  const std::string title = t.name();
  const Num reign = leading_int(t.get(current_reign));
  if (reign > leading_int(t.get(TitleField::record_length))) {
    t.put(TitleField::record_holder, holder);
    t.put(TitleField::record_length, to_text(reign));
    if (players) post_info(store, "Front Office", "New Record", holder + "'s title reign has set a new record.");
  }
  t.set_holder(std::string(vacant));
  if (t.long_block()) {
    t.put(TitleField::coholder1, "");
    t.put(TitleField::coholder2, "");
  }
  t.put(current_reign, "0");
  t.put(defences, "0");
  if (players) {
    const std::string today = current_full_date(store);
    append_record(store.titlehistory, {title, today, "Title Vacated"});
    if (notice == VacateNotice::inbox) {
      post_info(store, "Front Office", std::string(title_vacated_subject),
                "The " + title + " has been vacated. " + holder + " no longer holds it, and it awaits a new champion.");
    }
  }
  return true;
}

namespace {

// A reign cut short makes a title look cheap: days under 3, 7 and 15 cost 10, 6 and 3 value.
Num short_reign_cost(Num days) { return days < 3 ? 10 : days < 7 ? 6 : days < 15 ? 3 : 0; }

// The press reaction to a new holder of a main title by how far below its level the holder is.
struct Reaction {
  Num popularity_loss, value_loss;
  int text;
};
std::optional<Reaction> reaction_to(Num pop, Num level) {
  if (big_enough_to_hold(pop, level)) return std::nullopt;
  if (pop >= level - 10) return Reaction{6, 8, 0};
  if (pop >= level - 20) return Reaction{12, 18, 1};
  return Reaction{18, 27, 2};
}

std::string reaction_text(int text, const std::string& title, const std::string& holder, const std::string& owner,
                          const std::string& promotion) {
  if (text == 0)
    return "The general reaction to the " + title + " change is that " + holder +
           " is not a big enough name at the minute to be the champion.";
  if (text == 1)
    return "A major internet news site had this to say about the title change: 'Fans will surely have to question whether " +
           owner + " should remain in charge of " + promotion + " after putting the " + title + " on " + holder +
           ". There is no doubt that " + holder + " is not a big enough name at this point in time to be given the belt.'";
  return "A major internet news site had this to say: 'You have to question the sanity of " + promotion + " to put " +
         promotion + "'s top prize around the waist of " + holder +
         ", who, at this point in their career, should be in opening matches - not main events. If " + promotion +
         " keep going in this direction, their future is very bleak.'";
}

}  // namespace

bool big_enough_to_hold(Num popularity, Num title_level) { return popularity > title_level - 6; }

bool award_title(Store& store, std::size_t promotion, std::size_t slot, const std::string& winners,
                 const std::vector<std::string>& members) {
  const auto t = store.promotion(promotion).title(slot);
  if (!t.exists() || winners.empty()) return false;
  const std::string outgoing = t.holder();
  const Num reign = t.count(current_reign);
  const Num level = t.level();
  if (!t.long_block() && outgoing != vacant && !outgoing.empty()) {
    set_title_value(store, promotion, slot, std::max<Num>(1, t.value() - short_reign_cost(reign)),
                    "Title change: " + outgoing + "'s reign ended after " + to_text(reign) + (reign == 1 ? " day" : " days"));
  }
  if (outgoing != vacant && !outgoing.empty() && t.count(TitleField::record_length) < reign) {
    t.put(TitleField::record_holder, outgoing);
    t.put(TitleField::record_length, to_text(reign));
  }
  t.set_holder(winners);
  if (t.long_block()) {
    t.put(TitleField::coholder1, members.size() > 0 ? members[0] : "");
    t.put(TitleField::coholder2, members.size() > 1 ? members[1] : "");
  }
  t.put(current_reign, "0");
  t.put(defences, "0");
  append_record(store.titlehistory, {t.name(), current_full_date(store), winners});

  if (slot >= main_title_slots) return true;
  const auto row = store.find_worker(members.empty() ? winners : members.front());
  if (!row) return true;
  const auto reaction = reaction_to(store.worker(*row).pop(), level);
  if (!reaction) return true;
  const auto p = store.promotion(promotion);
  const std::string cause = "Title change: " + winners + " is not a big enough name";
  set_popularity(store, p, std::max<Num>(0, p.popularity() - reaction->popularity_loss), cause);
  set_title_value(store, promotion, slot, std::max<Num>(0, t.value() - reaction->value_loss), cause);
  post_info(store, "Front Office", std::string(title_reaction_subject),
            reaction_text(reaction->text, t.name(), winners, store.md(md::player_name), store.md(md::player_initials)));
  return true;
}

int vacate_titles_of(Store& store, std::size_t promotion, const std::string& worker, VacateNotice notice) {
  int count = 0;
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    if (holds_title(store, promotion, k, worker) && vacate_title(store, promotion, k, notice)) ++count;
  }
  return count;
}

void recordreignupdate(Store& store) {
  const auto player = store.player_index();
  if (!player) return;
  const auto p = store.promotion(*player);
  std::string noted;
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = p.title(k);
    if (!t.exists() || t.holder() == vacant) continue;
    // The reign stops counting at the top of its range rather than leave it.
    const Num days = step_within(t.count(current_reign), 1, range::days);
    t.put(current_reign, to_text(days));
    if (days > t.count(TitleField::record_length) || t.get(TitleField::record_holder) == no_record_yet) {
      // A reign that already held the record yesterday extends it without a new message.
      const bool extending = t.get(TitleField::record_holder) == t.holder() &&
                             t.count(TitleField::record_length) == days - 1;
      t.put(TitleField::record_length, to_text(days));
      t.put(TitleField::record_holder, t.holder());
      if (extending) continue;
      if (!noted.empty()) noted += "\n";
      noted += t.holder() +
               (t.is_tag() ? " have broken the previous record for the longest reign as "
                           : " has broken the previous record for the longest reign as ") +
               t.get(TitleField::called) + ".";
    }
  }
  if (!noted.empty()) post_info(store, "Front Office", "New Record", noted);
}

int title_level_step(int gap) {
  const int d = std::abs(gap);
  int step = 0;
  if (d >= 30) step = 10;
  else if (d >= 20) step = 6;
  else if (d >= 10) step = 3;
  else if (d >= 5) step = 2;
  else if (d > 0) step = 1;
  return gap < 0 ? -step : step;
}

namespace {

struct HolderFigures {
  bool found = false;
  double pop = 0, charisma = 0, hardcore = 0;
  std::string weight;
};

// The holder's figures; for a tag title the mean of the two co-holders.
HolderFigures holder_figures(const Store& store, const TitleView& t) {
  HolderFigures h;
  std::vector<std::string> names;
  if (t.is_tag()) {
    names = {t.get(TitleField::coholder1), t.get(TitleField::coholder2)};
  } else {
    names = {t.holder()};
  }
  int n = 0;
  for (const auto& name : names) {
    const auto row = store.find_worker(name);
    if (!row) continue;
    const auto w = store.worker(*row);
    h.pop += static_cast<double>(w.pop());
    h.charisma += static_cast<double>(w.charisma());
    h.hardcore += static_cast<double>(w.hardcore());
    if (h.weight.empty()) h.weight = w.weight();
    ++n;
  }
  if (n == 0) return h;
  h.found = true;
  h.pop /= n;
  h.charisma /= n;
  h.hardcore /= n;
  return h;
}

}  // namespace

int title_level_change(const Store& store, std::size_t promotion, std::size_t slot) {
  const auto t = store.promotion(promotion).title(slot);
  if (!t.exists() || t.holder() == vacant) return 0;
  const HolderFigures h = holder_figures(store, t);
  if (!h.found) return 0;
  int change = title_level_step(static_cast<int>(h.pop) - static_cast<int>(t.level()));
  if (h.charisma >= 80) change += 1;
  else if (h.charisma < 40) change -= 1;
  const std::string& weight = t.get(TitleField::weight_limit);
  if (!weight.empty() && weight != "All" && weight == h.weight) change += 1;
  if (t.get(hardcore_flag) == "Yes") {
    if (h.hardcore >= 80) change += 1;
    else if (h.hardcore < 50) change -= 1;
  }
  return change;
}

DefencePace defence_pace(const Store& store, std::size_t promotion, std::size_t slot) {
  const auto t = store.promotion(promotion).title(slot);
  if (!t.exists() || t.holder() == vacant) return DefencePace::fine;
  const Num reign = leading_int(t.get(current_reign));
  if (reign < defence_check_min_reign) return DefencePace::fine;
  const double per_month = static_cast<double>(leading_int(t.get(defences))) * 30.0 / static_cast<double>(reign);
  if (per_month > defences_per_month_too_many) return DefencePace::too_often;
  if (per_month < defences_per_month_too_few) return DefencePace::too_rarely;
  return DefencePace::fine;
}

void beltvalues(Store& store) {
  const auto player = store.player_index();
  const bool first_friday = current_date(store).day <= 7;
  const std::size_t n = store.promotion_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto p = store.promotion(i);
    if (p.initials().empty()) continue;
    for (std::size_t k = 0; k < prom::title_slots; ++k) {
      const auto t = p.title(k);
      if (!t.exists() || t.holder() == vacant) continue;
      int change = title_level_change(store, i, k);
      if (player == i && first_friday) {
        const DefencePace pace = defence_pace(store, i, k);
        if (pace == DefencePace::too_often) {
          post_info(store, "Front Office", "Title Defences",
                    "We think the " + t.name() + " is being defended too frequently, and it could be damaging the value of the title.");
          change -= defence_warning_level_loss;
        } else if (pace == DefencePace::too_rarely) {
          post_info(store, "Front Office", "Title Defences",
                    "We don't think the " + t.name() +
                        " is being defended enough, and it's having a negative effect on the value of the title.");
          change -= defence_warning_level_loss;
        }
      }
      t.put(TitleField::level, to_text(clamp_int(t.level() + change, 1, 100)));
    }
  }
}

}  // namespace rv
