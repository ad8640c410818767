#pragma once
// The inbox: messages of twelve lines, posted by every part of the game and answered here.
#include <optional>
#include <string>
#include <vector>

#include "state/store.h"

namespace rv {

struct NewMessage {
  std::string sender;
  std::string subject;
  std::string body;
  std::string body2;  // a second paragraph or the question to answer
  std::string body3;
  std::string kind = "INFO";  // "INFO", "OFFER" or "RELEASE"
  int days_left = 0;
  std::string ref1, ref2, ref3;
};

// Appends a message dated `date`.
void post_message(Store& store, const std::string& date, const NewMessage& message);
// Appends an INFO message dated today.
void post_info(Store& store, std::string sender, std::string subject, std::string body);

// Posts one INFO message about one or several workers: name + `single_suffix` for one; for
// several, `heading` with the names on the next line (", " between them, "." at the end).
// Nothing is posted for no names.
void post_about_workers(Store& store, const std::string& sender, const std::string& subject,
                        const std::vector<std::string>& names, const std::string& single_suffix,
                        const std::string& heading);

struct InboxRow {
  std::size_t first_line;
  std::string sender, subject, received, status;
  bool unread;
};
std::vector<InboxRow> inbox_rows(const Store& store);

enum class Answers { delete_only, yes_no, accept_decline };

// A worker's name in a message's text: where it stands, and whom it names.
struct Mention {
  std::size_t at = 0, length = 0;
  std::string worker;
};

struct OpenedMessage {
  std::size_t first_line;
  std::string sender, date, subject, text;
  Answers answers;
  std::vector<Mention> mentions;  // in the order they stand in `text`
};
// The workers named in `text`, a name at a time, a longer name before one it holds ("Kid Comet"
// before "Kid"), never two over one another; a name stands between non-letters.
std::vector<Mention> worker_mentions(const Store& store, std::string_view text);
// Opens the message starting at `first_line`: marks it "Read" and builds the text shown.
std::optional<OpenedMessage> open_message(Store& store, std::size_t first_line);
// The answers a message offers as it stands.
Answers answers_for(const Store& store, std::size_t first_line);

// Removes the message starting at `first_line`.
bool delete_message(Store& store, std::size_t first_line);

inline constexpr std::string_view inbox_empty_message = "There are no emails in your Inbox.";
inline constexpr std::string_view delete_all_question =
    "Are you sure you want to permanently delete all emails except for ones waiting for replies?";
inline constexpr std::string_view offer_withdrawn_text = "(Offer has since been withdrawn due to lack of response.)";
bool inbox_empty(const Store& store);
// Keeps only unread messages and those still waiting for an answer; returns how many went.
std::size_t delete_all_messages(Store& store);

// The daily countdown: days left fall by one, lapsed offers are marked withdrawn.
void count_down_messages(Store& store);

std::size_t unread_count(const Store& store);

// True when `first_line` starts a whole message of the inbox.
bool is_message_start(const Store& store, std::size_t first_line);

std::string inbox_caption(const Store& store);

}  // namespace rv
