#include "cycle/showday.h"

namespace rv {

void end_show_day(Store& store) {
  store.set_md(md::main_caption, "Next Day");
  store.set_md(md::day_heading, "End Of Day");
  store.set_md(md::day_event1, "");
  store.set_md(md::day_event2, "");
}

}  // namespace rv
