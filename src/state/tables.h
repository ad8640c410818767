#pragma once
// The tables a saved game keeps, listed once: saving, loading, deleting a save and the store's
// invariant check all walk this list.
#include <array>
#include <cstddef>
#include <string_view>

#include "state/layout.h"
#include "state/store.h"

namespace rv {

struct SavedTable {
  std::string_view file;     // the file in a save folder
  std::string_view name;     // the table's name in the invariant check's reports
  Lines Store::*lines;       // nullptr for the worker table, which is kept as columns
  std::size_t record_size;   // lines per record; 0 when the table is not a list of records
};

// In the order a save is read and written (a load names the first file it cannot read).
inline constexpr std::array<SavedTable, 12> saved_tables = {{
    {"turns.rv1", "turns", &Store::turns, rec::turn},
    {"weeklytop10.rv1", "weeklytop10", &Store::weeklytop10, rec::top10_entry},
    {"neglist.rv1", "negotiations", &Store::negotiations, rec::negotiation},
    {"indydates2.rv1", "indydates2", &Store::indydates2, 0},
    {"indydates.rv1", "indydates", &Store::indydates, rec::indy_booking},
    {"stipulations.rv1", "stipulations", &Store::stipulations, rec::stipulation},
    {"maindata.rv1", "maindata", &Store::maindata, 0},
    {"calendar.rv1", "calendar", &Store::calendar, rec::calendar_day},
    {"promotions.rv1", "promotions", &Store::promotions, rec::promotion},
    {"wrestlers.rv1", "wrestlers", nullptr, 0},
    {"titlehistory.rv1", "titlehistory", &Store::titlehistory, rec::title_history},
    {"inbox.rv1", "newslist", &Store::newslist, rec::message},
}};

}  // namespace rv
