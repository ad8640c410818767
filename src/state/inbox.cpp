#include "state/inbox.h"

#include <algorithm>
#include <utility>

#include "state/date.h"

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

bool is_message_start(const Store& store, std::size_t first_line) {
  return first_line % rec::message == 0 && first_line + rec::message <= store.newslist.size() &&
         !store.newslist[first_line + msg::sender].empty();
}

Answers answers_for(const Store& store, std::size_t first_line) {
  const RecordView m(store.newslist, first_line);
  if (m.num(msg::days_left) <= 0) return Answers::delete_only;
  if (m.at(msg::kind) == "RELEASE") return Answers::yes_no;
  if (m.at(msg::kind) == "OFFER") return Answers::accept_decline;
  return Answers::delete_only;
}

std::optional<OpenedMessage> open_message(Store& store, std::size_t first_line) {
  if (!is_message_start(store, first_line)) return std::nullopt;
  const Record m(store.newslist, first_line);
  m.set(msg::status, "Read");
  std::string text = m.at(msg::body);
  if (!m.at(msg::body2).empty()) text += "\n\n" + m.at(msg::body2);
  if (!m.at(msg::body3).empty()) text += "\n\n" + m.at(msg::body3);
  std::vector<Mention> mentions = worker_mentions(store, text);
  return OpenedMessage{first_line, m.at(msg::sender), m.at(msg::date), m.at(msg::subject), std::move(text),
                       answers_for(store, first_line), std::move(mentions)};
}

namespace {

// A letter or digit of a name; the accented letters of the code page count as letters.
bool name_char(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

}  // namespace

std::vector<Mention> worker_mentions(const Store& store, std::string_view text) {
  std::vector<Mention> found;
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    const std::string& name = store.worker(r).name();
    if (name.empty()) continue;
    for (std::size_t at = text.find(name); at != std::string_view::npos; at = text.find(name, at + 1)) {
      const std::size_t end = at + name.size();
      if ((at > 0 && name_char(text[at - 1])) || (end < text.size() && name_char(text[end]))) continue;
      found.push_back({at, name.size(), name});
    }
  }
  // The longest first, then keep those that stand clear of the ones kept.
  std::stable_sort(found.begin(), found.end(), [](const Mention& a, const Mention& b) { return a.length > b.length; });
  std::vector<Mention> kept;
  for (Mention& m : found) {
    const bool clear = std::none_of(kept.begin(), kept.end(), [&](const Mention& k) {
      return m.at < k.at + k.length && k.at < m.at + m.length;
    });
    if (clear) kept.push_back(std::move(m));
  }
  std::sort(kept.begin(), kept.end(), [](const Mention& a, const Mention& b) { return a.at < b.at; });
  return kept;
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
    // Most messages have no days left to count, and only an offer changes at none.
    if (m.at(msg::days_left) == "0" && m.at(msg::kind) != msg::offer) continue;
    const Num days = m.num(msg::days_left);
    if (days > 0) m.set_num(msg::days_left, days - 1);
    if (m.at(msg::kind) == msg::offer && m.num(msg::days_left) <= 0) m.set(msg::body2, std::string(offer_withdrawn_text));
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

}  // namespace rv
