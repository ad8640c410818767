#include "talent/camp.h"

#include <array>
#include <utility>

#include "state/date.h"
#include "state/ledger.h"
#include "talent/contract.h"
#include "talent/profile.h"

namespace rv {

namespace {

struct StyleFinisher {
  std::string_view style, finisher;
};
constexpr std::array<StyleFinisher, 7> camp_finishers = {{{"Cruiserweight", "Hurucanrana"},
                                                          {"High Flyer", "Tornado DDT"},
                                                          {"Powerful", "Powerslam"},
                                                          {"Big Man", "Chokeslam"},
                                                          {"Basic Wrestler", "DDT"},
                                                          {"Technical", "Tiger Suplex"},
                                                          {"Old Heavyweight", "Legdrop"}}};

// The first reason the signing cannot go ahead, if any.
std::optional<std::string> refusal(const Store& store, const CampSigning& s) {
  if (s.ring_name.empty()) return "The ring name has been left blank.";
  if (store.find_worker(s.ring_name)) {
    return "The Front Office staff have refused to allow the ring name " + s.ring_name + " for this wrestler.";
  }
  if (s.short_name.empty()) return "The short name has been left blank.";
  if (s.finisher.empty()) return "You have not given this wrestler a finishing move.";
  if (!storable_text(s.ring_name)) return "That ring name cannot be stored.";
  if (!storable_text(s.short_name)) return "That short name cannot be stored.";
  if (!storable_text(s.finisher)) return "That finisher name cannot be stored.";
  if (s.disposition != alignment::face && s.disposition != alignment::heel) {
    return "A new wrestler must start as a Face or a Heel.";
  }
  if (!known_finisher_type(s.finisher_type)) return std::string(finisher_type_refusal);
  if (!current_prospect(store)) return std::string(no_trainees_text);
  if (!store.player_index()) return "Your promotion could not be found.";
  return std::nullopt;
}

std::array<std::string, column_count> new_worker_row(const Store& store, const Prospect& p, const CampSigning& s) {
  const auto promotion = store.promotion(*store.player_index());
  std::array<std::string, column_count> row;
  auto put = [&row](Col c, std::string_view v) { row[static_cast<std::size_t>(c)] = std::string(v); };
  put(Col::names, s.ring_name);
  put(Col::shortname, s.short_name);
  put(Col::promotion, store.md(md::player_initials));
  put(Col::brand, brand_all);
  put(Col::gender, p.gender);
  put(Col::ringstyle, p.ring_style);
  put(Col::weight, p.weight);
  put(Col::hardcore, to_text(p.hardcore));
  put(Col::ent, to_text(p.ent));
  put(Col::micskills, to_text(p.mic));
  put(Col::charisma, to_text(p.charisma));
  put(Col::pop, camp::pop);
  put(Col::wages, camp::wages);
  put(Col::desc, "A product of the " + promotion.full_name() + " Training Camp.");
  put(Col::roles, role::lower);
  put(Col::faceheel, s.disposition);
  put(Col::expires, new_worker_expiry(current_date(store)));
  put(Col::finisher, s.finisher);
  put(Col::finishertype, s.finisher_type);
  put(Col::indybookings, s.indy ? "Yes" : "No");
  put(Col::bookingfee, camp::booking_fee);
  put(Col::multiproms, none_text);
  put(Col::tagteam, cleared);
  put(Col::stable, cleared);
  put(Col::manager, cleared);
  put(Col::injury, camp::injury);
  put(Col::cond, camp::condition);
  put(Col::morale, camp::morale);
  put(Col::retire, camp::career_years);
  put(Col::status, "");
  put(Col::basecountry, promotion.country());
  return row;
}

}  // namespace

std::optional<Prospect> current_prospect(const Store& store) {
  if (store.md(md::prospect_name).empty()) return std::nullopt;
  Prospect p;
  p.name = store.md(md::prospect_name);
  p.gender = store.md(md::prospect_gender);
  p.ring_style = store.md(md::prospect_style);
  p.weight = store.md(md::prospect_weight);
  p.pop = store.md_num(md::prospect_pop);
  p.hardcore = store.md_num(md::prospect_hardcore);
  p.ent = store.md_num(md::prospect_ent);
  p.mic = store.md_num(md::prospect_mic);
  p.charisma = store.md_num(md::prospect_charisma);
  return p;
}

std::string default_finisher(std::string_view ring_style) {
  for (const auto& f : camp_finishers) {
    if (f.style == ring_style) return std::string(f.finisher);
  }
  return {};
}

std::string finisher_warning(std::string_view finisher) {
  if (!like(finisher, "The *") && !like(finisher, "the *")) return {};
  return "Do not start the finisher name with 'The': the commentary says \"the\" itself, and it will look wrong.";
}

Status sign_prospect(Store& store, const CampSigning& signing) {
  if (const auto why = refusal(store, signing)) return Failure{*why};
  const Prospect p = *current_prospect(store);
  const WorkerView w = std::as_const(store).worker(store.wrestlers.add(new_worker_row(store, p, signing)));
  // The new worker's figures are the camp's making.
  record_effect(store, Figure::worker_popularity, w.name(), w.pop(), "Training camp");
  record_effect(store, Figure::morale, w.name(), w.morale(), "Training camp");
  for (std::size_t line = md::prospect_first; line <= md::prospect_last; ++line) store.set_md(line, "");
  return success();
}

}  // namespace rv
