#pragma once
// The end of a show day.
#include "state/store.h"

namespace rv {

// After today's show(s) the main action returns to "Next Day" and the day panel reads
// "End Of Day"; today's two event slots are kept as they were.
void end_show_day(Store& store);

}  // namespace rv
