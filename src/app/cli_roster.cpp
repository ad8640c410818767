// ringvale-cli roster and contract: the roster grid through a view or sort of the choice list, and
// a contract offer or release for one worker, made with the same offer as the contract screen.
#include <algorithm>
#include <iostream>
#include <string>

#include "app/cli_commands.h"
#include "state/saves.h"
#include "state/text.h"
#include "talent/contract.h"
#include "talent/release.h"
#include "talent/roster.h"

namespace rv::cli {

namespace {

constexpr std::string_view contract_help =
    "Each line is one step: \"wages N\", \"wages +N\" or \"wages -N\", \"role up\", \"role down\",\n"
    "\"length up\", \"length down\", \"indy yes\", \"indy no\", then \"offer\" to make the offer or\n"
    "\"release\" to release the worker.";

void print_terms(const OfferTerms& t, std::ostream& out) {
  out << "Offer: " << money_text(t.wages) << " per week, " << role_names[static_cast<std::size_t>(t.role - 1)] << ", "
      << length_name(t.years) << ", indy bookings " << (t.indy ? "Yes" : "No") << "\n";
}

// One adjusting step; false when the line is none.
bool adjust(ContractOffer& offer, const std::string& line, std::ostream& err) {
  if (line.rfind("wages ", 0) == 0) {
    const std::string amount = line.substr(6);
    if (!amount.empty() && (amount[0] == '+' || amount[0] == '-')) {
      const std::string digits = amount.substr(1);
      if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
      if (amount[0] == '+') offer.wage_up(leading_int(digits));
      else offer.wage_down(leading_int(digits));
      return true;
    }
    const Status set = offer.set_wages(amount);
    if (!set) err << set.error() << "\n";
    return set.ok();
  }
  if (line == "role up") offer.role_up();
  else if (line == "role down") offer.role_down();
  else if (line == "length up") offer.length_up();
  else if (line == "length down") offer.length_down();
  else if (line == "indy yes") offer.set_indy(true);
  else if (line == "indy no") offer.set_indy(false);
  else return false;
  return true;
}

// Runs the steps; true when the game changed and is to be saved.
std::optional<bool> negotiate(Game& game, std::size_t row, std::istream& in, std::ostream& out, std::ostream& err) {
  ContractOffer offer(game.store, row);
  LineReader reader(in);
  bool refused = false;
  while (const auto step = next_step(reader, err, refused)) {
    const std::string& line = *step;
    if (line == "offer") {
      const auto made = make_offer(game, row, offer.terms());
      if (!made) {
        err << made.error() << "\n";
        return std::nullopt;
      }
      out << made->message << "\n";
      if (made->answered_now) out << made->judgement.reply << "\n";
      return true;
    }
    if (line == "release") {
      out << release_question(game.store, row) << " Yes\n";
      for (const auto& m : releasewrestler(game.store, row).messages) out << m << "\n";
      return true;
    }
    if (!adjust(offer, line, err)) {
      err << "Not a step: " << quoted_excerpt(line) << "\n" << contract_help << "\n";
      return std::nullopt;
    }
    print_terms(offer.terms(), out);
  }
  if (refused) return std::nullopt;
  out << "No offer was made.\n";
  return false;
}

}  // namespace

int cmd_roster(const Args& args, std::ostream& out, std::ostream& err) {
  const auto opened = open_game_option(args, "roster --home DIR --save NAME [--view CHOICE]", err);
  if (!opened) return exit_failure;
  const std::string choice = args.get("view").value_or("View All");
  const auto choices = roster_choices(opened->store);
  if (std::find(choices.begin(), choices.end(), choice) == choices.end()) {
    err << "Not an entry of the roster's list: " << quoted_excerpt(choice) << "\n";
    for (const auto& c : choices) err << "  " << c << "\n";
    return exit_failure;
  }
  const auto grid = roster_grid(opened->store, choice);
  out << "Wrestler\tDraw\tAbility" << (grid.extra_caption.empty() ? "" : "\t" + grid.extra_caption) << "\n";
  for (const auto& r : grid.rows) {
    out << r.name << "\t" << r.draw << "\t" << r.ability << (grid.extra_caption.empty() ? "" : "\t" + r.extra) << "\n";
  }
  return exit_ok;
}

int cmd_contract(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto home_dir = args.get("home");
  const auto save = save_option(args, err);
  const auto name = args.get("worker");
  if (!home_dir || home_dir->empty() || !save || !name) {
    err << "Usage: ringvale-cli contract --home DIR --save NAME --worker NAME [--seed N] < STEPS\n" << contract_help << "\n";
    return exit_failure;
  }
  const Home home(*home_dir);
  auto game = open_saved_game(args, home, *save, err);
  if (!game) return exit_failure;
  const auto row = game->store.find_worker(*name);
  const auto player = game->store.player_index();
  if (!row || !player || game->store.worker(*row).promotion() != game->store.promotion(*player).initials()) {
    err << quoted_excerpt(*name) << " is not on your roster.\n";
    return exit_failure;
  }
  if (const auto why = offer_refusal(game->store, *row)) {
    err << *why << "\n";
    return exit_failure;
  }
  const auto contract = game->store.worker(*row);
  out << contract.name() << ": " << weekly_wage_text(contract.wages()) << ", " << role_name(contract.roles())
      << ", expires " << contract.expires() << "\n";
  const auto changed = negotiate(*game, *row, in, out, err);
  if (!changed) return exit_failure;
  if (!*changed) return exit_ok;
  if (const Status saved = save_game(game->store, home, *save, save_time()); !saved) {
    err << saved.error() << "\n";
    return exit_failure;
  }
  return exit_ok;
}

}  // namespace rv::cli
