#include "shows/reports.h"

#include <algorithm>
#include <map>

#include "feuds/feuds.h"
#include "shows/booking.h"
#include "shows/playback.h"
#include "shows/rating.h"
#include "shows/results.h"
#include "state/fileio.h"

namespace rv {

namespace {

constexpr std::string_view blank_line = "-BLANK-";
constexpr std::string_view yes = "Yes";
constexpr std::string_view no = "No";
constexpr std::string_view not_applying = "N/A";
constexpr std::string_view face = alignment::face;
constexpr std::string_view heel = alignment::heel;
constexpr std::string_view hot = feud::hot;
constexpr std::string_view split_yes = "Yes";
// A placeholder whose value is missing still reads as a person.
constexpr std::string_view nobody = "someone";


// A value in a worker's manager, stable or tagteam column, or a power figure slot, names someone.
bool names_someone(const std::string& v) { return !v.empty() && v != "no" && v != "No" && v != none_text && v != "NA"; }

const Lines* pick(const TextLibrary& library, const std::vector<std::string>& values, Rng& rng) {
  std::vector<const Lines*> fitting;
  for (const auto& r : library.records) {
    bool fits = true;
    for (std::size_t i = 0; i < library.conditions && fits; ++i) fits = i >= values.size() || condition_fits(r[i], values[i]);
    if (fits) fitting.push_back(&r);
  }
  if (fitting.empty()) return nullptr;
  return fitting[static_cast<std::size_t>(rng.draw(static_cast<int>(fitting.size())) - 1)];
}

std::string filled(const std::string& text, const std::map<std::string, std::string, std::less<>>& values) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('<', at);
    const std::size_t close = open == std::string::npos ? std::string::npos : text.find('>', open);
    if (close == std::string::npos) {
      out.append(text, at, std::string::npos);
      break;
    }
    out.append(text, at, open - at);
    const auto it = values.find(std::string_view(text).substr(open + 1, close - open - 1));
    out += it != values.end() && !it->second.empty() ? it->second : std::string(nobody);
    at = close + 1;
  }
  return out;
}

void append_text(const Lines& record, std::size_t conditions, const std::map<std::string, std::string, std::less<>>& values,
                 std::vector<std::string>& commentary) {
  for (std::size_t i = conditions; i < record.size(); ++i)
    if (record[i] != blank_line && !record[i].empty()) commentary.push_back(filled(record[i], values));
}

// What the library conditions ask of the people of a show.
struct People {
  const Store& s;
  std::string initials;

  std::optional<WorkerView> worker(const std::string& name) const {
    const auto row = s.find_worker(name);
    if (!row) return std::nullopt;
    return s.worker(*row);
  }
  std::string column(const std::string& name, Col c) const {
    const auto w = worker(name);
    return w ? w->text(c) : std::string();
  }
  std::string short_name(const std::string& name) const {
    const std::string n = column(name, Col::shortname);
    return n.empty() ? name : n;
  }
  std::string finisher(const std::string& name) const {
    const std::string f = column(name, Col::finisher);
    return names_someone(f) ? f : "finisher";
  }
  // Fit workers of the promotion with the same value in column c, not in `busy`, in roster order.
  std::vector<std::string> at_hand(const std::string& name, Col c, const std::vector<std::string>& busy) const {
    std::vector<std::string> out;
    const std::string group = column(name, c);
    if (!names_someone(group)) return out;
    for (std::size_t r = 0; r < s.worker_count(); ++r) {
      const auto w = s.worker(r);
      if (w.text(c) != group || w.promotion() != initials || w.injury() != "0" || w.retire() == retire::retired) continue;
      if (std::find(busy.begin(), busy.end(), w.name()) == busy.end()) out.push_back(w.name());
    }
    return out;
  }
  std::string disposition(const std::vector<std::string>& names) const {
    bool faces = false, heels = false;
    for (const auto& n : names) (column(n, Col::faceheel) == heel ? heels : faces) = true;
    return faces && heels ? "Face and Heel" : heels ? std::string(heel) : std::string(face);
  }
  // "Singles"/"Women's" for single sides, "Tag Team"/"Women's Tag Team" for teams, "N/A" mixed.
  std::string division(const std::vector<std::string>& names, bool teams) const {
    bool men = false, women = false;
    for (const auto& n : names) (column(n, Col::gender) == "Female" ? women : men) = true;
    if (men && women) return std::string(not_applying);
    if (women) return teams ? "Women's Tag Team" : "Women's";
    return teams ? "Tag Team" : "Singles";
  }
};

// A show of one brand of a promotion whose roster is split.
bool split_brand_show(const PromotionView& p, const ReportShow& show) {
  return p.at(prom::roster_split) == split_yes && (show.brand == brand_one || show.brand == brand_two);
}

std::size_t power_figure_base(const Store& s, std::size_t player, const ReportShow& show) {
  const auto p = s.promotion(player);
  const bool second_brand = p.at(prom::roster_split) == split_yes && show.brand == brand_two;
  return prom::power_figures + (second_brand ? 2 * prom::power_figure_size : 0);
}

std::string pick_one(const std::vector<std::string>& names, Rng& rng) {
  return names.empty() ? std::string() : names[static_cast<std::size_t>(rng.draw(static_cast<int>(names.size())) - 1)];
}

}  // namespace

namespace {

// One match told: who is in it, who won and who took the fall, what the library conditions see
// and the names its placeholders stand for.
class MatchTale {
 public:
  MatchTale(const Store& store, const Lines& match_card, std::size_t match_slot, const ReportShow& the_show)
      : s(store), card(match_card), slot(match_slot), show(the_show), player(store.player_index()),
        people{store, store.md(md::player_initials)}, type(at(match::type)), winners(at(match::winners)),
        royal(type == match_type::battle_royal) {}
  const std::string& at(std::size_t f) const { return line_at(card, slot * rec::match + f); }
  bool in_match(const std::string& n) const { return std::find(everyone.begin(), everyone.end(), n) != everyone.end(); }
  static std::string yes_no(bool b) { return std::string(b ? yes : no); }

  // Who is in the match, who won, who took the fall and everyone else; false for a match of nobody.
  bool cast(const std::vector<PlannedTurn>& turns, Rng& rng, EndingResult& result) {
  // Who is in the match, who won, who took the fall and everyone else.
  if (royal) {
    everyone = show.battle_royal_entrants;
    att1 = winners;
    rec_name = show.battle_royal_runner_up;
    std::vector<std::string> rest;
    for (const auto& n : everyone)
      if (n != att1 && n != rec_name) rest.push_back(n);
    if (rec_name.empty() || rec_name == match::automatic) rec_name = pick_one(rest, rng);
    for (std::size_t i = 0; i < 4 && !rest.empty(); ++i) {
      const auto k = static_cast<std::size_t>(rng.draw(static_cast<int>(rest.size())) - 1);
      others.push_back(rest[k]);
      rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(k));
    }
    winning_members = {att1};
    losing_members = {rec_name};
  } else {
    sides = card_sides(card, slot);
    for (const auto& side : sides) everyone.insert(everyone.end(), side.members.begin(), side.members.end());
    for (std::size_t i = 0; i < sides.size(); ++i)
      if (sides[i].name == winners) win = i;
    if (sides.empty()) return false;
  }

  // A planned turn of someone in the match makes it a turn report.
  for (const auto& t : turns)
    if (std::find(everyone.begin(), everyone.end(), t.worker) != everyone.end()) {
      result.turn = t;
      break;
    }

  if (!royal) {
    winning_members = sides[win].members;
    const bool turner_wins = result.turn && std::find(winning_members.begin(), winning_members.end(), result.turn->worker) != winning_members.end();
    att1 = turner_wins ? result.turn->worker : winning_members.size() == 1 ? winning_members[0] : pick_one(winning_members, rng);
    for (const auto& n : winning_members)
      if (n != att1) {
        att2 = n;
        break;
      }
    std::vector<std::string> losers;
    for (std::size_t i = 0; i < sides.size(); ++i)
      if (i != win) losers.insert(losers.end(), sides[i].members.begin(), sides[i].members.end());
    if (result.turn && !turner_wins) rec_name = result.turn->worker;
    else rec_name = pick_one(losers, rng);
    for (std::size_t i = 0; i < sides.size(); ++i)
      if (std::find(sides[i].members.begin(), sides[i].members.end(), rec_name) != sides[i].members.end()) rec_side = i;
    losing_members = sides[rec_side].members;
    for (const auto& n : losing_members)
      if (n != rec_name) others.push_back(n);
    for (const auto& n : winning_members)
      if (n != att1 && n != att2) others.push_back(n);
    for (std::size_t i = 0; i < sides.size(); ++i)
      if (i != win && i != rec_side) others.insert(others.end(), sides[i].members.begin(), sides[i].members.end());
  }

  const auto found = royal ? std::optional<std::size_t>{} : feud_of_match(s, card, slot);
  feud = found.has_value();
  feud_k = found.value_or(0);
  result.kind = result.turn ? LibraryKind::turn : feud ? LibraryKind::feud : LibraryKind::normal;

    return true;
  }

  // The match's value for every condition line of its library.
  void weigh(const EndingResult& result) {
  teams = !royal && (type == match_type::handicap || (find_match_type(type) && find_match_type(type)->side_size > 1));
  title = title_at_stake(s, card, slot);
  holder = title && player ? s.promotion(*player).title(*title).holder() : std::string();
  manager1 = people.column(att1, Col::manager);
  manager2 = people.column(rec_name, Col::manager);
  stable1 = people.at_hand(att1, Col::stable, everyone);
  stable2 = people.at_hand(rec_name, Col::stable, everyone);
  partner1 = people.at_hand(att1, Col::tagteam, everyone);
  partner2 = people.at_hand(rec_name, Col::tagteam, everyone);
  pf = player ? power_figure_base(s, *player, show) : prom::power_figures;
  pf1 = player ? s.promotion(*player).at(pf) : std::string();
  pf2 = player ? s.promotion(*player).at(pf + prom::power_figure_size) : std::string();
  split = player && split_brand_show(s.promotion(*player), show);

  v = {
      type,
      winning_members.size() >= 2 ? "Team" : "Single",
      people.division(everyone, teams),
      people.disposition(winning_members),
      people.disposition(losing_members),
      !royal && at(match::win_type) == match::dq_win ? "DQ" : "Normal",
      show.big_show ? "Big Show" : show.house_show ? "House" : "TV",
      yes_no(title.has_value()),
      title ? yes_no(holder != winners) : std::string(not_applying),
      yes_no(names_someone(manager1) && !in_match(manager1)),
      yes_no(names_someone(manager2) && !in_match(manager2)),
      yes_no(stable1.size() >= 2),
      yes_no(stable2.size() >= 2),
      yes_no(!partner1.empty()),
      yes_no(!partner2.empty()),
  };
  if (result.kind == LibraryKind::turn) {
    v.push_back("Turning " + result.turn->disposition);
    v.push_back(result.turn->worker == att1 ? "Winning Side" : "Losing Side");
  } else {
    v.push_back(yes_no(names_someone(pf1) && !in_match(pf1)));
    if (result.kind == LibraryKind::feud) {
      v.push_back(yes_no(feud_slot(s, feud_k).at(feud::state) == hot));
      v.push_back(yes_no(names_someone(pf2) && !in_match(pf2)));
      v.push_back(yes_no(split));
    }
  }

  }

  // The names the placeholders stand for.
  void name_everyone() {
  values = {
      {"att1fullname", att1}, {"att1shortname", people.short_name(att1)},
      {"att2fullname", att2}, {"att2shortname", people.short_name(att2)},
      {"recfullname", rec_name}, {"recshortname", people.short_name(rec_name)},
      {"attfinisher", people.finisher(att1)}, {"recfinisher", people.finisher(rec_name)},
      {"attmanager", manager1}, {"recmanager", manager2},
      {"attstable", people.column(att1, Col::stable)}, {"recstable", people.column(rec_name, Col::stable)},
      {"attstablemem1", stable1.size() > 0 ? stable1[0] : ""}, {"attstablemem2", stable1.size() > 1 ? stable1[1] : ""},
      {"recstablemem1", stable2.size() > 0 ? stable2[0] : ""}, {"recstablemem2", stable2.size() > 1 ? stable2[1] : ""},
      {"atttagpartner", partner1.empty() ? "" : partner1[0]}, {"rectagpartner", partner2.empty() ? "" : partner2[0]},
      {"tagteam1", royal ? att1 : sides[win].name}, {"tagteam2", royal ? rec_name : sides[rec_side].name},
      {"titlename", at(match::title)}, {"titleholder", title && holder != winners ? winners : holder},
      {"powerfig1", pf1}, {"powerfig1title", player ? s.promotion(*player).at(pf + 1) : ""},
      {"powerfig2", pf2}, {"powerfig2title", player ? s.promotion(*player).at(pf + prom::power_figure_size + 1) : ""},
      {"feudfinisher", people.finisher(att1)},
  };
  for (std::size_t i = 0; i < 4; ++i) values["wrestler" + std::to_string(i + 1)] = i < others.size() ? others[i] : "";
  if (player) {
    const auto p = s.promotion(*player);
    const bool second = show.brand == brand_two;
    values["thisbrand"] = split ? p.at(second ? prom::brand2_name : prom::brand1_name) : p.full_name();
    values["otherbrand"] = split ? p.at(second ? prom::brand1_name : prom::brand2_name) : p.full_name();
    values["feudpftitle"] = names_someone(pf1) ? p.at(pf + 1) : "Front Office";
  }
  if (feud) {
    const RecordView f = feud_slot(s, feud_k);
    values["feudteam"] = feud_heading(s, feud_k);
    if (f.at(feud::type) == "Tag Team") {
      const bool first_won = f.at(feud::worker1) == att1 || f.at(feud::worker2) == att1;
      values["feudname1"] = f.at(first_won ? feud::pair1 : feud::pair2);
      values["feudname2"] = f.at(first_won ? feud::pair2 : feud::pair1);
    } else {
      values["feudname1"] = att1;
      values["feudname2"] = rec_name;
    }
  }

  }

  const Store& s;
  const Lines& card;
  std::size_t slot;
  const ReportShow& show;
  std::optional<std::size_t> player;
  People people;
  std::string type, winners;
  bool royal;
  std::vector<std::string> everyone, others, winning_members, losing_members;
  std::vector<CardSide> sides;
  std::size_t win = 0, rec_side = 0;
  std::string att1, att2, rec_name;
  bool feud = false;
  std::size_t feud_k = 0;
  bool teams = false, split = false;
  std::optional<std::size_t> title;
  std::string holder, manager1, manager2, pf1, pf2;
  std::vector<std::string> stable1, stable2, partner1, partner2;
  std::size_t pf = prom::power_figures;
  std::vector<std::string> v;
  std::map<std::string, std::string, std::less<>> values;
};

}  // namespace

EndingResult createending(const Store& s, const Lines& card, std::size_t slot, const ReportShow& show,
                          const std::vector<PlannedTurn>& turns, const ShowLibraries& libraries, Rng& rng,
                          std::vector<std::string>& commentary) {
  EndingResult result;
  MatchTale tale(s, card, slot, show);
  if (!tale.cast(turns, rng, result)) {
    commentary.emplace_back(match_marker);
    return result;
  }
  tale.weigh(result);
  tale.name_everyone();
  const std::string& att1 = tale.att1;
  const auto& v = tale.v;
  commentary.emplace_back(match_marker);
  std::string line = tale.type;
  if (tale.title) line += " For The " + tale.at(match::title) + " Match";
  commentary.push_back(line);
  const TextLibrary& library = libraries.of(result.kind);
  if (const Lines* record = pick(library, v, rng)) {
    append_text(*record, library.conditions, tale.values, commentary);
  } else if (tale.royal) {
    commentary.push_back(att1 + " outlasts everyone else to win the battle royal.");
  } else {
    commentary.push_back(att1 + " defeated " + tale.rec_name + (v[5] == "DQ" ? " by disqualification." : "."));
  }
  return result;
  return result;
}

namespace {

// The show's own talk show segment with these guests; false when the show has none.
bool tell_talk_show(const Store& s, const People& people, const ReportShow& show, const std::vector<std::string>& side1,
                    const std::vector<std::string>& side2, const std::string& makeup, const std::string& feud_value,
                    const ShowLibraries& libraries, Rng& rng, std::vector<std::string>& commentary) {
  const auto p = s.promotion(*s.player_index());
  for (std::size_t t = 0; t < prom::talk_show_count; ++t) {
    const std::size_t base = prom::talk_shows + t * prom::talk_show_size;
    const std::string& name = p.at(base + prom::talk::name);
    const std::string& host = p.at(base + prom::talk::host);
    if (!names_someone(name) || !names_someone(host) || p.at(base + prom::talk::show) != show.name) continue;
    const std::vector<std::string> guests = side2.empty() ? std::vector<std::string>{side1.front()}
                                                          : std::vector<std::string>{side1.front(), side2.front()};
    const std::vector<std::string> v = {people.division(guests, false), makeup, people.disposition({host}), feud_value};
    const TextLibrary& library = libraries.of(LibraryKind::talk_show);
    const Lines* record = pick(library, v, rng);
    if (!record) return true;
    const std::map<std::string, std::string, std::less<>> values = {
        {"hostname", host}, {"talkshowname", name},
        {"guest1longname", guests[0]}, {"guest1shortname", people.short_name(guests[0])},
        {"guest2longname", guests.size() > 1 ? guests[1] : ""},
        {"guest2shortname", guests.size() > 1 ? people.short_name(guests[1]) : ""}};
    commentary.emplace_back(segment_marker);
    append_text(*record, library.conditions, values, commentary);
    return true;
  }

  return false;
}

}  // namespace

void interview(const Store& s, const Lines& card, std::size_t slot, const ReportShow& show, const ShowLibraries& libraries,
               Rng& rng, std::vector<std::string>& commentary) {
  const auto player = s.player_index();
  if (!player) return;
  const auto p = s.promotion(*player);
  const People people{s, s.md(md::player_initials)};
  const std::string& winners = line_at(card, slot * rec::match + match::winners);

  // Side 1: the winners of the match just seen; side 2: their rival in a running feud.
  std::vector<std::string> side1, side2;
  std::string team1, team2;
  if (line_at(card, slot * rec::match + match::type) == match_type::battle_royal) {
    side1 = {winners};
  } else {
    for (const auto& side : card_sides(card, slot))
      if (side.name == winners) {
        side1 = side.members.size() == 2 ? side.members : std::vector<std::string>{side.members.front()};
        team1 = side.members.size() == 2 ? side.name : "";
      }
  }
  if (side1.empty() || side1.front().empty()) return;
  bool hot_feud = false;
  for (std::size_t k = 0; k < md::feud_slots && side2.empty(); ++k) {
    if (!feud_involves(s, k, side1.front())) continue;
    const RecordView f = feud_slot(s, k);
    hot_feud = f.at(feud::state) == hot;
    if (f.at(feud::type) == "Tag Team") {
      if (side1.size() != 2) continue;
      const bool first = f.at(feud::worker1) == side1.front() || f.at(feud::worker2) == side1.front();
      side2 = first ? std::vector<std::string>{f.at(feud::worker3), f.at(feud::worker4)}
                    : std::vector<std::string>{f.at(feud::worker1), f.at(feud::worker2)};
      team2 = f.at(first ? feud::pair2 : feud::pair1);
    } else if (side1.size() == 1) {
      side2 = {f.at(feud::worker1) == side1.front() ? f.at(feud::worker2) : f.at(feud::worker1)};
    }
  }
  if (!side2.empty() && people.disposition(side1) == heel && people.disposition(side2) == face) {
    std::swap(side1, side2);
    std::swap(team1, team2);
  }
  std::vector<std::string> everyone = side1;
  everyone.insert(everyone.end(), side2.begin(), side2.end());
  const std::string makeup = side2.empty() ? "1 " + people.disposition({side1.front()})
                             : people.disposition({side1.front()}) == people.disposition({side2.front()})
                                 ? "2 " + people.disposition({side1.front()})
                                 : std::string("Face and Heel");
  const std::string feud_value = side2.empty() ? std::string(not_applying) : std::string(hot_feud ? yes : no);

  // The show's own talk show takes the place of the interview.
  if (tell_talk_show(s, people, show, side1, side2, makeup, feud_value, libraries, rng, commentary)) return;

  std::string interviewer;
  const bool split = split_brand_show(p, show);
  if (split) interviewer = p.at(show.brand == brand_two ? prom::interviewer2 : prom::interviewer1);
  else interviewer = names_someone(p.at(prom::interviewer1)) ? p.at(prom::interviewer1) : p.at(prom::interviewer2);
  const bool has_interviewer = names_someone(interviewer);
  const std::vector<std::string> v = {people.division(everyone, side1.size() == 2), makeup, feud_value,
                                      std::string(has_interviewer ? yes : no)};
  const TextLibrary& library = libraries.of(LibraryKind::interview);
  const Lines* record = pick(library, v, rng);
  if (!record) return;
  auto member = [](const std::vector<std::string>& side, std::size_t i) { return i < side.size() ? side[i] : std::string(); };
  const std::map<std::string, std::string, std::less<>> values = {
      {"wrestler1longname", member(side1, 0)}, {"wrestler1shortname", people.short_name(member(side1, 0))},
      {"wrestler2longname", member(side1, 1)}, {"wrestler2shortname", people.short_name(member(side1, 1))},
      {"wrestler3longname", member(side2, 0)}, {"wrestler3shortname", people.short_name(member(side2, 0))},
      {"wrestler4longname", member(side2, 1)}, {"wrestler4shortname", people.short_name(member(side2, 1))},
      {"tagteam1", team1}, {"tagteam2", team2}, {"interviewer", has_interviewer ? interviewer : ""}, {"town", show.town}};
  commentary.emplace_back(segment_marker);
  append_text(*record, library.conditions, values, commentary);
}

}  // namespace rv
