#pragma once
// The end of a show day.
#include "cycle/nextday.h"
#include "state/game.h"

namespace rv {

// After today's show(s) the main action returns to "Next Day" and the day panel reads
// "End Of Day"; today's two event slots are kept as they were.
void end_show_day(Store& store);

// A show day that is not run: "Go To Show" cancels it (with its penalties) when too few workers
// are available, and otherwise the day's shows are passed over and the day ends without them.
ShowDayResult pass_over_show_day(Game& game);

}  // namespace rv
