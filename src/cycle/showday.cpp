#include "cycle/showday.h"

#include "state/calendar.h"

namespace rv {

void end_show_day(Store& store) {
  set_main_action(store, MainAction::next_day);
  store.set_md(md::day_heading, "End Of Day");
  store.set_md(md::day_event1, "");
  store.set_md(md::day_event2, "");
}

ShowDayResult pass_over_show_day(Game& game) {
  ShowDayResult result = go_to_show(game);
  if (result.can_go_ahead) end_show_day(game.store);
  return result;
}

}  // namespace rv
