#include "talent/search.h"

#include <algorithm>

#include "talent/contract.h"
#include "talent/roster.h"

namespace rv {

namespace {

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

constexpr Col list_columns[search_list_count] = {Col::gender, Col::faceheel, Col::ringstyle, Col::weight,
                                                 Col::indybookings, Col::basecountry, Col::promotion};
constexpr Col figure_columns[search_figure_count] = {Col::pop, Col::ent, Col::micskills, Col::charisma, Col::hardcore};

std::string career_text(WorkerView w) {
  if (w.retire() == retire::retired) return "Retired as an active wrestler.";
  if (w.retire() == retire::retiring) return "Has announced upcoming retirement as an active wrestler.";
  const Num y = w.num(Col::retire);
  if (y < 2) return "Not many years left as an active worker";
  if (y < 5) return "Approaching the end in a few years time";
  if (y < 10) return "5-10 years left as an active worker";
  if (y < 15) return "At least a decade left as an active worker";
  return "Has a long career ahead as an active worker";
}

}  // namespace

std::string_view search_list_caption(SearchList list) {
  static constexpr std::string_view captions[] = {"Gender", "Disposition", "Ring Style", "Weight",
                                                  "Indy Bookings?", "Based In", "Promotion"};
  return captions[static_cast<std::size_t>(list)];
}

std::string_view search_figure_caption(SearchFigure figure) {
  static constexpr std::string_view captions[] = {"Draw Value", "In-Ring Ability", "Mic Skills", "Charisma",
                                                  "Hardcore Ability"};
  return captions[static_cast<std::size_t>(figure)];
}

std::vector<std::string> search_choices(const Store& store, SearchList list) {
  std::vector<std::string> out = {std::string(any_choice)};
  auto add = [&out](std::initializer_list<const char*> items) {
    for (const char* i : items) out.emplace_back(i);
  };
  switch (list) {
    case SearchList::gender: add({"Male", "Female"}); break;
    case SearchList::disposition: out.emplace_back(alignment::face); out.emplace_back(alignment::heel); break;
    case SearchList::ring_style:
      add({"Basic Wrestler", "High Flyer", "Cruiserweight", "Technical", "Powerful", "Big Man", "Hardcore",
           "Old Heavyweight"});
      out.emplace_back(non_worker);
      break;
    case SearchList::weight: add({"Light", "Heavy"}); break;
    case SearchList::indy: add({"Yes"}); break;
    case SearchList::based_in: add({"USA", "Japan", "Other"}); break;
    case SearchList::promotion:
      out.emplace_back(free_agent);
      for (std::size_t p = 0; p < store.promotion_count(); ++p) {
        const std::string& initials = store.promotion(p).initials();
        if (initials != store.md(md::player_initials) && !initials.empty()) out.push_back(initials);
      }
      break;
  }
  return out;
}

std::vector<SearchRow> search_workers(const Store& store, const SearchFilters& f) {
  std::vector<SearchRow> out;
  const std::string& player = store.md(md::player_initials);
  const std::string part = lowered(f.name);
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    const auto w = store.worker(r);
    if (w.promotion() == player || w.name().empty()) continue;
    bool keep = true;
    for (std::size_t i = 0; i < search_list_count && keep; ++i) {
      keep = f.lists[i] == any_choice || w.text(list_columns[i]) == f.lists[i];
    }
    for (std::size_t i = 0; i < search_figure_count && keep; ++i) {
      const Num v = w.num(figure_columns[i]);
      keep = v >= f.low[i] && v <= f.high[i];
    }
    if (!keep || (!part.empty() && lowered(w.name()).find(part) == std::string::npos)) continue;
    out.push_back({r, w.name(), w.pop(), w.ent(), w.promotion()});
  }
  return out;
}

OutsideProfile outside_profile(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  OutsideProfile p;
  if (w.promotion() == free_agent) {
    p.contract = "Currently a free agent, available for indy bookings";
  } else {
    p.contract = "Currently under contract with " + w.promotion() + " until " + w.expires();
    if (w.indybookings() == "Yes") p.contract += " but is available for some indy bookings";
  }
  p.morale = std::string(ability_word(w.morale()));
  p.career = career_text(w);
  p.status = w.status().empty() ? "Available To Work" : w.status();
  p.role = std::string(role_name(w.roles()));
  p.weight = w.weight();
  p.gender = w.gender();
  return p;
}

}  // namespace rv
