#pragma once
// A feud worth watching for the card: when no hot feud can be booked today, the booker proposes
// one between the most popular face and the most popular heel of a division, and starts it
// through the same steps as the feuds screen.
#include <optional>
#include <string>
#include <vector>

#include "state/result.h"
#include "state/store.h"

namespace rv {

struct FeudProposal {
  std::string gender;
  std::string first, second;
};

// A hot feud whose workers are all fit to wrestle.
bool hot_feud_on_offer(const Store& store);
// The most popular face against the most popular heel of the men (else the women) who are in no
// feud, fit, wrestling and not in their contract's last two months; the two most popular of them
// when the division lacks a face or a heel. The `rested` sit out while two others are left.
// Nothing when every feud slot is taken.
std::optional<FeudProposal> propose_feud(const Store& store, const std::vector<std::string>& rested = {});
// Starts the singles feud through the feud steps; the slot it went into.
Result<std::size_t> start_proposed_feud(Store& store, const FeudProposal& proposal);
// "No feud on our cards is worth watching. Start a feud between A and B?"
std::string feud_proposal_question(const FeudProposal& proposal);

}  // namespace rv
