#include "talent/answers.h"

#include <algorithm>

#include "state/date.h"
#include "state/dates.h"
#include "talent/moves.h"
#include "talent/release.h"
#include "state/ledger.h"

namespace rv {

bool worker_refuses_offer(Num m, Num sp, Num sb) { return (m > 75 && sb < sp) || (m > 85 && sb - sp <= 1); }

namespace {

AnswerResult accept_offer(Game& game, std::size_t first_line) {
  Store& s = game.store;
  AnswerResult result;
  result.answered = true;
  const Record m(s.newslist, first_line);
  const std::string name = m.at(msg::ref2);
  const auto player = s.player_index();
  const auto row = s.find_worker(name);
  const auto bidder = s.find_promotion(m.at(msg::ref1));
  if (!player || !row || s.worker(*row).promotion() != s.promotion(*player).initials() || !bidder) {
    m.set(msg::body3, "(" + name + " no longer works for your promotion, so this offer was declined.)");
    result.message_kept = true;
    return result;
  }
  const auto w = s.worker(*row);
  const auto mine = s.promotion(*player);
  const auto theirs = s.promotion(*bidder);
  if (worker_refuses_offer(w.morale(), mine.size_level(), theirs.size_level())) {
    result.messages.push_back(name + " has rejected the move and remains on your roster.");
  } else {
    result.messages.push_back(name + " has accepted the contract offer and has signed with " + theirs.full_name() + ".");
    const Num amount = read_within(m.at(msg::ref3), offer_amount);
    remove_record(s.newslist, first_line, rec::message);  // before the move closes the worker's other offers
    join_promotion(s, *row, *bidder);
    w.set_expires(month_year(current_date(s), game.rng.draw(3)));
    set_worker_morale(s, *row, 75, "Signed away: " + theirs.full_name());
    const Num v = theirs.reference_level();
    const Num pop = w.pop();
    w.set_roles(std::string(role_for_popularity(pop, v)));
    theirs.set_popularity(std::min<Num>(theirs.popularity() + signing_popularity_gain(pop, v), 100));
    const std::string cause = "Signed away: " + name + " to " + theirs.full_name();
    set_popularity(s, mine, std::max<Num>(mine.popularity() - offer_popularity_loss(pop, mine.reference_level()), 0), cause);
    add_balance(s, mine, amount, cause);
    return result;
  }
  remove_record(s.newslist, first_line, rec::message);
  return result;
}

}  // namespace

AnswerResult answer_action2(Game& game, std::size_t first_line) {
  Store& s = game.store;
  if (!is_message_start(s, first_line)) return {};
  const Answers answers = answers_for(s, first_line);
  if (answers == Answers::yes_no) {
    AnswerResult result;
    result.answered = true;
    const auto row = s.find_worker(s.newslist[first_line + msg::ref1]);
    remove_record(s.newslist, first_line, rec::message);
    if (row) {
      ReleaseResult released = releasewrestler(s, *row);
      result.messages = std::move(released.messages);
    }
    return result;
  }
  if (answers == Answers::accept_decline) return accept_offer(game, first_line);
  return {};
}

AnswerResult answer_action3(Game& game, std::size_t first_line) {
  Store& s = game.store;
  if (!is_message_start(s, first_line)) return {};
  const Answers answers = answers_for(s, first_line);
  AnswerResult result;
  if (answers == Answers::yes_no) {
    result.answered = true;
    if (const auto row = s.find_worker(s.newslist[first_line + msg::ref1]))
      set_worker_morale(s, *row, std::max<Num>(s.worker(*row).morale() - 2, 5), "Release request turned down");
    remove_record(s.newslist, first_line, rec::message);
  } else if (answers == Answers::accept_decline) {
    result.answered = true;
    result.messages.emplace_back(offer_declined_message);
    remove_record(s.newslist, first_line, rec::message);
  }
  return result;
}

}  // namespace rv
