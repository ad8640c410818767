#include "cycle/inbox.h"

#include <algorithm>
#include <utility>

#include "state/date.h"
#include "state/game.h"
#include "talent/release.h"

namespace rv {

void post_message(Store& store, const std::string& date, const NewMessage& m) {
  append_record(store.newslist, {m.sender, date, m.subject, m.body, m.body2, m.body3, m.kind,
                                 to_text(m.days_left), "Unread", m.ref1, m.ref2, m.ref3});
}

void post_info(Store& store, std::string sender, std::string subject, std::string body) {
  NewMessage m;
  m.sender = std::move(sender);
  m.subject = std::move(subject);
  m.body = std::move(body);
  post_message(store, current_full_date(store), m);
}

void post_about_workers(Store& store, const std::string& sender, const std::string& subject,
                        const std::vector<std::string>& names, const std::string& single_suffix,
                        const std::string& heading) {
  if (names.empty()) return;
  if (names.size() == 1) {
    post_info(store, sender, subject, names[0] + single_suffix);
    return;
  }
  NewMessage m;
  m.sender = sender;
  m.subject = subject;
  m.body = heading;
  for (std::size_t i = 0; i < names.size(); ++i) m.body2 += (i ? ", " : "") + names[i];
  m.body2 += ".";
  post_message(store, current_full_date(store), m);
}

std::vector<InboxRow> inbox_rows(const Store& store) {
  std::vector<InboxRow> rows;
  const std::size_t n = store.message_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = store.message(i);
    if (m.at(msg::sender).empty()) continue;
    rows.push_back({m.base(), m.at(msg::sender), m.at(msg::subject), m.at(msg::date), m.at(msg::status),
                    m.at(msg::status) == "Unread"});
  }
  return rows;
}

namespace {

bool valid_message(const Store& store, std::size_t first_line) {
  return first_line % rec::message == 0 && first_line + rec::message <= store.newslist.size() &&
         !store.newslist[first_line + msg::sender].empty();
}

}  // namespace

Answers answers_for(const Store& store, std::size_t first_line) {
  const RecordView m(store.newslist, first_line);
  if (m.num(msg::days_left) <= 0) return Answers::delete_only;
  if (m.at(msg::kind) == "RELEASE") return Answers::yes_no;
  if (m.at(msg::kind) == "OFFER") return Answers::accept_decline;
  return Answers::delete_only;
}

std::optional<OpenedMessage> open_message(Store& store, std::size_t first_line) {
  if (!valid_message(store, first_line)) return std::nullopt;
  const Record m(store.newslist, first_line);
  m.set(msg::status, "Read");
  std::string text = m.at(msg::body);
  if (!m.at(msg::body2).empty()) text += "\n\n" + m.at(msg::body2);
  if (!m.at(msg::body3).empty()) text += "\n\n" + m.at(msg::body3);
  return OpenedMessage{first_line, m.at(msg::sender), m.at(msg::date), m.at(msg::subject), std::move(text),
                       answers_for(store, first_line)};
}

bool delete_message(Store& store, std::size_t first_line) {
  if (first_line % rec::message != 0 || first_line >= store.newslist.size()) return false;
  remove_record(store.newslist, first_line, rec::message);
  return true;
}

bool inbox_empty(const Store& store) { return inbox_rows(store).empty(); }

std::size_t delete_all_messages(Store& store) {
  Lines kept;
  std::size_t removed = 0;
  const std::size_t n = store.message_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = std::as_const(store).message(i);
    if (m.at(msg::status) == "Unread" || m.num(msg::days_left) > 0) {
      kept.insert(kept.end(), store.newslist.begin() + static_cast<std::ptrdiff_t>(m.base()),
                  store.newslist.begin() + static_cast<std::ptrdiff_t>(m.base() + rec::message));
    } else {
      ++removed;
    }
  }
  // A partial record at the end (never written by the game) is kept as it was.
  kept.insert(kept.end(), store.newslist.begin() + static_cast<std::ptrdiff_t>(n * rec::message), store.newslist.end());
  store.newslist = std::move(kept);
  return removed;
}

void count_down_messages(Store& store) {
  const std::size_t n = store.message_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = store.message(i);
    if (m.at(msg::sender).empty()) continue;
    const Num days = m.num(msg::days_left);
    if (days > 0) m.set_num(msg::days_left, days - 1);
    if (m.at(msg::kind) == "OFFER" && m.num(msg::days_left) <= 0) m.set(msg::body2, std::string(offer_withdrawn_text));
  }
}

std::size_t unread_count(const Store& store) {
  std::size_t count = 0;
  const std::size_t n = store.message_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = store.message(i);
    if (!m.at(msg::sender).empty() && m.at(msg::status) == "Unread") ++count;
  }
  return count;
}

std::string inbox_caption(const Store& store) { return "Inbox (" + std::to_string(unread_count(store)) + ")"; }

// ---------------------------------------------------------------- answers

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
    return result;
  }
  const auto w = s.worker(*row);
  const auto mine = s.promotion(*player);
  const auto theirs = s.promotion(*bidder);
  if (worker_refuses_offer(w.morale(), mine.size_level(), theirs.size_level())) {
    result.messages.push_back(name + " has rejected the move and remains on your roster.");
  } else {
    result.messages.push_back(name + " has accepted the contract offer and has signed with " + theirs.full_name() + ".");
    const Num amount = leading_int(m.at(msg::ref3));
    remove_record(s.newslist, first_line, rec::message);  // before the move closes the worker's other offers
    leave_promotion(s, *row, *player);
    w.set_promotion(theirs.initials());
    w.set_expires(month_year(current_date(s), game.rng.draw(3)));
    w.set_morale(75);
    w.set_brand("All");
    const Num v = theirs.reference_level();
    const Num pop = w.pop();
    const int gain = pop >= v ? 15 : pop >= v - 10 ? 8 : 2;
    w.set_roles(pop >= v ? "3" : pop >= v - 10 ? "2" : "1");
    theirs.set_popularity(std::min<Num>(theirs.popularity() + gain, 100));
    mine.set_popularity(std::max<Num>(mine.popularity() - offer_popularity_loss(pop, mine.reference_level()), 0));
    mine.set_balance(mine.balance() + amount);
    return result;
  }
  remove_record(s.newslist, first_line, rec::message);
  return result;
}

}  // namespace

AnswerResult answer_action2(Game& game, std::size_t first_line) {
  Store& s = game.store;
  if (!valid_message(s, first_line)) return {};
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
  if (!valid_message(s, first_line)) return {};
  const Answers answers = answers_for(s, first_line);
  AnswerResult result;
  if (answers == Answers::yes_no) {
    result.answered = true;
    if (const auto row = s.find_worker(s.newslist[first_line + msg::ref1])) {
      const auto w = s.worker(*row);
      w.set_morale(std::max<Num>(w.morale() - 2, 5));
    }
    remove_record(s.newslist, first_line, rec::message);
  } else if (answers == Answers::accept_decline) {
    result.answered = true;
    result.messages.emplace_back(offer_declined_message);
    remove_record(s.newslist, first_line, rec::message);
  }
  return result;
}

}  // namespace rv
