// ringvale-cli feedback: the feedback screen's areas as text, one area or all of them.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "state/text.h"
#include "feedback/feedback.h"

namespace rv::cli {

int cmd_feedback(const Args& args, std::ostream& out, std::ostream& err) {
  const auto opened = open_game_option(args, "feedback --home DIR --save NAME [--area AREA]", err);
  if (!opened) return exit_failure;
  const auto areas = feedback_areas(opened->store);
  std::vector<std::string> chosen = areas;
  if (const auto area = args.get("area")) {
    if (std::find(areas.begin(), areas.end(), *area) == areas.end()) {
      err << "Not an area of feedback: " << quoted_excerpt(*area) << "\n";
      for (const auto& a : areas) err << "  " << a << "\n";
      return exit_failure;
    }
    chosen = {*area};
  }
  for (const auto& area : chosen) {
    const std::string text = feedback_text(opened->store, area);
    if (chosen.size() > 1) out << "== " << area << " ==\n";
    out << text;
    // The championships' list ends on its last line: a blank line before the next area.
    if (chosen.size() > 1 && text.size() > 1 && text.compare(text.size() - 2, 2, "\n\n") != 0) out << "\n";
  }
  return exit_ok;
}

}  // namespace rv::cli
