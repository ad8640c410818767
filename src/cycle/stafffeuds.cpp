// The booking staff's feuds: before a show they book, a feud gone cold is ended, and when no hot
// feud can be on the card they start the one the booker proposes.
#include "cycle/assistant.h"
#include "feuds/feuds.h"
#include "shows/suggest_feud.h"
#include "state/inbox.h"

namespace rv {

std::vector<std::string> staff_keep_feud(Store& s) {
  std::vector<std::string> lines, rested;
  const std::string sender(booker_name);
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_running(s, k) || feud_slot(s, k).at(feud::state) == feud::hot) continue;
    const std::string heading = feud_heading(s, k);
    for (std::size_t line = feud::worker1; line <= feud::worker4; ++line) rested.push_back(feud_slot(s, k).at(line));
    end_feud(s, k);
    post_info(s, sender, "Feud Ended", "The feud " + heading + " had gone cold, so I ended it.");
    lines.push_back("Feud ended: " + heading);
  }
  if (hot_feud_on_offer(s)) return lines;
  const auto proposal = propose_feud(s, rested);
  if (!proposal) return lines;
  const auto slot = start_proposed_feud(s, *proposal);
  if (!slot) return lines;
  const std::string heading = feud_heading(s, *slot);
  post_info(s, sender, "Feud Started",
            "No feud on our cards was worth watching, so I started one: " + heading + ", at " +
                feud_slot(s, *slot).at(feud::heat) + "% heat.");
  lines.push_back("Feud started: " + heading);
  return lines;
}

}  // namespace rv
