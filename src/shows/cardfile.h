#pragma once
// A card written down as match records, booked through the booking machine one choice at a time,
// exactly as the booking screen would take it.
#include "shows/booking.h"
#include "state/result.h"

namespace rv {

// Books `records` (one match record per booked match, in slot order; empty records at the end are
// ignored) into a booking that is still at the number of matches. The first choice the booking
// would not offer is refused with the match and the file line (counted from 1) it stands on.
// A battle royal lists its entrants on its participant lines, or "Enter All" / "Enter All
// Workers" on the first of them.
Status book_card_file(Booking& booking, const Lines& records);

}  // namespace rv
