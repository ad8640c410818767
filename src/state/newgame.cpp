#include "state/newgame.h"

#include <system_error>

#include "state/calendar.h"
#include "state/datacheck.h"
#include "state/date.h"
#include "state/fileio.h"
#include "state/inbox.h"

namespace rv {

Result<NewGame> start_new_game(const Home& home, std::string_view player_name, std::string_view scenario) {
  NewGame game;
  game.scenario = std::string(scenario);
  game.folder = scenario.empty() ? home.data() : home.scenario(scenario);
  std::error_code ec;
  if (!fs::is_directory(game.folder, ec)) {
    return Failure{"The data folder " + game.folder.string() + " was not found."};
  }
  if (const auto check = check_data_set(game.folder); !check.problems.empty()) {
    const std::string text = "The data in " + game.folder.string() + " cannot start a game:";
    return Failure{listed(text, check.problems)};
  }
  fs::path stipulations = game.folder / "stipulations.rv1";
  if (!scenario.empty() && !fs::exists(stipulations, ec)) stipulations = home.data() / "stipulations.rv1";

  auto stips = read_lines(stipulations);
  if (!stips) return Failure{stips.error()};
  auto maindata = read_lines(game.folder / "maindata.rv1");
  if (!maindata) return Failure{maindata.error()};
  auto wrestlers = read_lines(game.folder / "wrestlers.rv1");
  if (!wrestlers) return Failure{wrestlers.error()};
  if (wrestlers->size() % column_count != 0) {
    return Failure{"wrestlers.rv1 has " + std::to_string(wrestlers->size()) +
                   " lines, which is not a whole number of workers (" + std::to_string(column_count) + " lines each)."};
  }
  game.store.stipulations = std::move(*stips);
  game.store.maindata = std::move(*maindata);
  game.store.set_md(md::player_name, std::string(player_name));
  if (!scenario.empty()) {
    game.store.set_md(md::venue_file, "Scenarios\\" + std::string(scenario) + "\\" + game.store.md(md::venue_file));
  }
  game.fed_files = list_files(game.folder, "*.fed");
  if (game.fed_files.empty()) return Failure{"There are no promotions (*.fed files) in " + game.folder.string() + "."};
  for (const auto& file : game.fed_files) {
    auto record = read_lines(game.folder / file);
    if (!record) return Failure{record.error()};
    if (record->size() != rec::promotion) {
      return Failure{"The promotion file " + file + " has " + std::to_string(record->size()) + " lines instead of " +
                     std::to_string(rec::promotion) + "."};
    }
    game.store.promotions.insert(game.store.promotions.end(), record->begin(), record->end());
  }
  game.store.wrestlers.from_lines(*wrestlers);
  game.store.reset_matches();
  return game;
}

std::vector<std::string> choice_captions(const NewGame& game) {
  std::vector<std::string> captions;
  for (std::size_t i = 0; i + 1 < choice_buttons_count; ++i) {
    captions.push_back(i < game.store.promotion_count() ? game.store.promotion(i).initials()
                                                        : std::string(create_new_indy_caption));
  }
  captions.emplace_back(create_new_indy_caption);
  return captions;
}

std::string_view size_level_name(std::string_view level) {
  static constexpr std::string_view names[] = {"Basic Indy",     "Local Indy",      "Regional Indy",
                                               "Small National", "Medium National", "Large National"};
  if (level.size() != 1 || level[0] < '1' || level[0] > '6') return {};
  return names[level[0] - '1'];
}

std::optional<PromotionInfo> promotion_info(const NewGame& game, std::size_t index) {
  if (index >= game.store.promotion_count() || index + 1 >= choice_buttons_count) return std::nullopt;
  const auto p = game.store.promotion(index);
  return PromotionInfo{p.initials(), p.full_name(), p.logo(), std::string(size_level_name(p.at(prom::size_level))),
                       money_text(p.balance()), p.at(prom::website), p.at(prom::slogan)};
}

PromotionInfo new_indy_info() {
  return PromotionInfo{std::string(create_new_indy_caption), std::string(create_new_indy_caption), "default.jpg",
                       "Basic Indy", "$600,000", std::string(product_web_address),
                       "Start from the very bottom and work your way to the top!"};
}

std::optional<std::string> indy_initials_problem(const Store& store, std::string_view initials) {
  bool taken = store.find_promotion(initials).has_value();
  for (const auto& p : store.wrestlers.column(Col::promotion)) taken = taken || p == initials;
  if (taken) {
    return std::string(
        "There is already a promotion involved in this game with those initials. Please choose some different initials.");
  }
  return std::nullopt;
}

std::optional<std::string> indy_name_problem(const Store& store, std::string_view full_name) {
  if (store.find_promotion_by_name(full_name)) {
    return std::string("There is already a promotion involved in this game with that name. Please choose a different name.");
  }
  return std::nullopt;
}

Status create_new_indy(const Home& home, NewGame& game, const IndyDetails& d) {
  if (d.initials.empty() || d.full_name.empty() || d.title_name.empty() || d.champion_name.empty()) {
    return Failure{"Every detail of the new indy is needed."};
  }
  if (auto p = indy_initials_problem(game.store, d.initials)) return Failure{*p};
  if (auto p = indy_name_problem(game.store, d.full_name)) return Failure{*p};
  // The template is the game's own, in Data, also when a scenario is played.
  auto tmpl = read_lines(home.data() / "New Indy.rv1");
  if (!tmpl) return Failure{tmpl.error()};
  if (tmpl->size() != rec::promotion) {
    return Failure{"New Indy.rv1 has " + std::to_string(tmpl->size()) + " lines instead of " +
                   std::to_string(rec::promotion) + "."};
  }
  for (auto& line : *tmpl) {
    if (line == "Indy Initials") line = d.initials;
  }
  (*tmpl)[prom::initials] = d.initials;
  (*tmpl)[prom::full_name] = d.full_name;
  (*tmpl)[prom::short_titles] = d.title_name;
  (*tmpl)[prom::short_titles + 1] = d.champion_name;
  game.store.promotions.insert(game.store.promotions.end(), tmpl->begin(), tmpl->end());
  game.store.set_md(md::player_initials, d.initials);
  return success();
}

Status confirm_promotion(NewGame& game, std::string_view initials, bool new_indy) {
  Store& s = game.store;
  const auto index = s.find_promotion(initials);
  if (!index) return Failure{"The promotion " + std::string(initials) + " is not part of this world."};
  s.set_md(md::player_initials, std::string(initials));
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    auto w = s.worker(r);
    if (contains(w.multiproms(), initials) && w.promotion() != initials) w.set_promotion(std::string(initials));
  }
  const auto p = s.promotion(*index);
  s.set_md(md::next_big_show_name, p.at(prom::next_big_show_name));
  s.set_md(md::next_big_show_level, p.at(prom::next_big_show_level));
  s.set_md(md::next_big_show_counter, p.at(prom::next_big_show_value));
  s.set_md(md::next_big_show_date, p.at(prom::next_big_show_date));
  if (s.md(md::next_big_show_name) != none_text) {
    for (std::size_t m = 0; m < 12; ++m) {
      if (!contains(s.md(md::next_big_show_date), month_names[m])) continue;
      const bool named = !p.monthly_big_show(m, 0).empty();
      s.set_md(md::next_big_show_brand, named ? p.monthly_big_show(m, 1) : std::string(brand_all));
      s.set_md(md::next_big_show_logo, named ? p.monthly_big_show(m, 2) : "NA");
    }
  }
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = p.title(k);
    if (t.exists()) append_record(s.titlehistory, {t.name(), t.history1(), t.history2()});
  }
  if (new_indy) {
    const std::string title = p.title(0).name();
    append_record(s.titlehistory, {title, current_full_date(s), title + " Created"});
  }
  create_calendar(s);
  set_todays_shows(s);
  post_info(s, std::string(welcome_sender), std::string(welcome_subject),
            welcome_text(p.at(prom::full_name), p.show(0, prom::show::name), p.show(0, prom::show::weekday)));
  return success();
}

std::string welcome_text(const std::string& promotion, const std::string& show, const std::string& weekday) {
  std::string text = "Welcome to " + promotion + ". Here is how a week runs. Next Day moves the calendar on a day at a time. ";
  if (!show.empty() && !weekday.empty()) text += "Our weekly show, " + show + ", is on " + weekday + "s. ";
  text +=
      "On a show day the button reads Go To Show: pick a venue, then book the card match by match, or press Suggest "
      "Card. While you book, each match shows the rating it should earn from the workers' figures; after the show, "
      "the night's report shows where the money went and why popularity moved. Every Saturday the board scores you "
      "out of 100 on five things: the shows' ratings, the bank balance, our popularity, the locker room's morale and "
      "the championships. Wages go out every week and the monthly money at the start of each month, so watch the "
      "balance: the Why? buttons on the main screen explain every figure. A worker's name in a message opens his profile.";
  return text;
}

std::vector<std::string> list_scenarios(const Home& home) { return list_folders(home.scenarios()); }

std::string no_scenarios_message() {
  return "You don't have any scenarios in your Scenarios folder.\n\nScenarios can be downloaded from the forums:\n\n" +
         std::string(product_forum_address);
}

std::string scenario_info(const Home& home, std::string_view scenario) {
  auto lines = read_lines(home.scenario(scenario) / "scenario.txt");
  if (!lines) return "No information found for this scenario.";
  return line_at(*lines, 0) + "\n\n" + line_at(*lines, 1) + "\n\nBy " + line_at(*lines, 2);
}

std::vector<std::string> scenario_pictures(const Home& home, std::string_view scenario) {
  return list_files(home.scenario(scenario), picture_patterns);
}

bool picture_name_taken(const Home& home, std::string_view file) {
  std::error_code ec;
  return fs::exists(home.images() / std::string(file), ec);
}

std::string picture_overwrite_question(std::string_view file) {
  return "There is already a file with the name " + std::string(file) +
         " in the Images folder, do you want to overwrite the one in the Images folder with the one this scenario uses?";
}

Status move_scenario_picture(const Home& home, std::string_view scenario, std::string_view file, bool overwrite) {
  std::error_code ec;
  fs::create_directories(home.images(), ec);
  const fs::path from = home.scenario(scenario) / std::string(file);
  const fs::path to = home.images() / std::string(file);
  if (fs::exists(to, ec) && !overwrite) return success();
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (ec) return Failure{"The picture " + std::string(file) + " could not be moved: " + ec.message() + "."};
  fs::remove(from, ec);
  return success();
}

}  // namespace rv
