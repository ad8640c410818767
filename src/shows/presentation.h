#pragma once
// What the player is shown of a show that has been run: the intro, the commentary to replay, the
// battle royal's details and the results. Filled by the run of the show; the screens only read it.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shows/results.h"
#include "state/text.h"

namespace rv {

struct PresentedLine {
  std::string text;
  bool highlighted = false;
};

struct ShowPresentation {
  std::string show_name;
  std::string date_text;        // "Thursday 12th January 2004"
  std::string venue, town;      // where the show comes live from
  std::string attendance_text;  // "12,000" or "8,000 (Sell-Out)"
  std::string picture;          // the show's image file in the images folder
  std::vector<std::string> commentary;
  Lines card;                          // the decided card
  std::size_t battle_royal_entrants = 0;
  // The battle royal's details screen, when the card had one.
  std::string battle_royal_title, battle_royal_heading;
  std::vector<PresentedLine> battle_royal_details;
  std::string results_title;           // show name + " Results"
  std::vector<ResultBlock> results;
  std::string overall_text;            // "Overall Show Rating: 83.20%"
  bool archived = false;               // a past show from the archive, not tonight's
};

}  // namespace rv
