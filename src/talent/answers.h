#pragma once
// Answering a message of the inbox: a release request or a rival's offer moves workers between
// promotions.
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"
#include "state/inbox.h"

namespace rv {

struct AnswerResult {
  bool answered = false;               // false: the message cannot be answered this way
  std::vector<std::string> messages;  // message boxes to show, in order
  bool message_kept = false;           // the message stays in the inbox (with a note added to it)
};
// "Yes" to a release request (the worker is released) or "Accept" to an offer (the worker
// decides and may move).
AnswerResult answer_action2(Game& game, std::size_t first_line);
// "No" to a release request (the worker loses morale) or "Decline" to an offer.
AnswerResult answer_action3(Game& game, std::size_t first_line);
// A worker with this morale refuses a rival's offer when he is happy and the move is no step up.
bool worker_refuses_offer(Num morale, Num player_size, Num bidder_size);
inline constexpr std::string_view offer_declined_message = "The offer has been declined.";

}  // namespace rv
