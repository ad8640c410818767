#pragma once
// The night's report: what a show did to the promotion, read back from the archive and the ledger.
// Where the money went line by line, the crowd against the hall, why popularity and the show's
// rating moved, the title changes with the fans' reactions, the injuries and the largest swings of
// morale. Nothing here works a rule out again: every figure is one the rules wrote down that night.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/history.h"
#include "state/ledger.h"
#include "state/store.h"

namespace rv {

// One line of the report: what it is and by how much.
struct ReportItem {
  std::string label;
  Num amount = 0;
};

// A figure across the night: its value before and after and each cause of the change. The values
// are known when the ledger holds everything written since the show (`known`).
struct NightMove {
  bool known = false;
  Num before = 0, after = 0;
  std::vector<ReportItem> causes;
};

struct NightReport {
  std::string date, show;
  std::vector<ReportItem> income, costs;  // costs as negative amounts
  Num net = 0;
  Num attendance = 0;
  Num capacity = -1;  // -1 when the archive did not keep the hall's size
  NightMove popularity;
  std::optional<NightMove> show_rating;  // a regular show's rating line
  std::vector<std::string> title_changes;
  std::vector<ReportItem> reactions;  // what title changes did to the promotion and the titles
  std::vector<ReportItem> injuries;   // weeks out
  std::vector<ReportItem> morale;     // the largest swings, largest first
};

inline constexpr std::size_t report_morale_swings = 6;

// The report of the archive's last show, or nothing when no show has been run yet.
std::optional<NightReport> last_night_report(const Store& store);
// The report of the archived show of that date and name, or nothing when the archive has none.
std::optional<NightReport> night_report_of(const Store& store, std::string_view date, std::string_view show);
// The report of one archived show.
NightReport night_report(const Store& store, const HistoryShow& show);

// The report as plain lines, as ringvale-cli prints it.
std::vector<std::string> night_report_lines(const NightReport& report);

}  // namespace rv
