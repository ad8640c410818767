// ringvale-cli sign: the approach to a worker from outside the roster, driven step by step through
// the same negotiation as the negotiation screen: a buy-out first for a worker under contract
// elsewhere, then the contract offer.
#include <iostream>
#include <string>

#include "app/cli_commands.h"
#include "state/saves.h"
#include "state/text.h"
#include "talent/signing.h"

namespace rv::cli {

namespace {

constexpr std::string_view sign_help =
    "Each line is one step: \"amount N\", \"amount +N\" or \"amount -N\" (the sum offered his promotion, or\n"
    "the weekly wage), \"confirm\" (the buy-out offer), \"begin talks\", \"negotiate\", \"role up\", \"role down\",\n"
    "\"length up\", \"length down\", \"face\", \"heel\", then \"offer\" to offer the contract.";

bool amount_step(Signing& s, const std::string& amount, std::ostream& err) {
  if (!amount.empty() && (amount[0] == '+' || amount[0] == '-')) {
    const std::string digits = amount.substr(1);
    if (digits.empty() || digits.size() > 12 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    if (amount[0] == '+') s.amount_up(leading_int(digits));
    else s.amount_down(leading_int(digits));
    return true;
  }
  const Status set = s.set_amount(amount);
  if (!set) err << set.error() << "\n";
  return set.ok();
}

// One step other than the offer; false when the line is none or is refused.
bool sign_step(Signing& s, const Store& store, const std::string& line, std::ostream& out, std::ostream& err) {
  if (line.rfind("amount ", 0) == 0) return amount_step(s, line.substr(7), err);
  if (line == "confirm") {
    // The CLI answers its own warning with Yes: it is printed and the offer goes ahead.
    if (const auto warning = s.buy_out_warning(store)) out << "Warning: " << *warning << " Yes.\n";
    const Status asked = s.confirm_offer(store);
    if (!asked) err << asked.error() << "\n";
    else out << s.note() << "\n";
    return asked.ok();
  }
  if (line == "begin talks") s.begin_talks();
  else if (line == "negotiate") s.negotiate();
  else if (line == "role up") s.role_up();
  else if (line == "role down") s.role_down();
  else if (line == "length up") s.length_up();
  else if (line == "length down") s.length_down();
  else if (line == "face") s.set_disposition(alignment::face);
  else if (line == "heel") s.set_disposition(alignment::heel);
  else return false;
  return true;
}

void print_state(const Signing& s, std::ostream& out) {
  const auto& t = s.terms();
  if (s.mode() == Signing::Mode::contract) {
    out << "Contract: " << s.amount_text() << ", " << role_names[static_cast<std::size_t>(t.role - 1)] << ", "
        << length_name(t.years) << ", " << t.disposition << "\n";
  } else {
    out << "Your offer: " << s.amount_text() << "\n";
  }
}

}  // namespace

int cmd_sign(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto home_dir = args.get("home");
  const auto save = save_option(args, err);
  const auto name = args.get("worker");
  if (!home_dir || home_dir->empty() || !save || !name) {
    err << "Usage: ringvale-cli sign --home DIR --save NAME --worker NAME [--seed N] < STEPS\n" << sign_help << "\n";
    return exit_failure;
  }
  const Home home(*home_dir);
  auto game = open_saved_game(args, home, *save, err);
  if (!game) return exit_failure;
  const auto row = game->store.find_worker(*name);
  if (!row) {
    err << "There is no worker called " << quoted_excerpt(*name) << ".\n";
    return exit_failure;
  }
  auto approach = Signing::approach(game->store, *row);
  if (!approach) {
    err << approach.error() << "\n";
    return exit_failure;
  }
  Signing& s = *approach;
  out << s.description() << "\n" << s.note() << "\n";
  LineReader reader(in);
  bool refused = false;
  while (const auto step = next_step(reader, err, refused)) {
    const std::string& line = *step;
    if (line == "offer") {
      const auto offered = s.offer_contract(*game);
      if (!offered) {
        err << offered.error() << "\n";
        return exit_failure;
      }
      out << *offered << "\n";
      if (const Status saved = save_game(game->store, home, *save, save_time()); !saved) {
        err << saved.error() << "\n";
        return exit_failure;
      }
      return exit_ok;
    }
    if (!sign_step(s, game->store, line, out, err)) {
      err << "Not taken: " << quoted_excerpt(line) << "\n" << sign_help << "\n";
      return exit_failure;
    }
    print_state(s, out);
  }
  if (refused) return exit_failure;
  out << "No contract was offered.\n";
  return exit_ok;
}

}  // namespace rv::cli
