#include "talent/moves.h"

#include "talent/release.h"

namespace rv {

std::string_view role_for_popularity(Num pop, Num level, Num mid_margin) {
  if (pop >= level) return role::upper;
  return pop >= level - mid_margin ? role::mid : role::lower;
}

int signing_popularity_gain(Num pop, Num level) {
  if (pop >= level) return 15;
  return pop >= level - mid_card_margin ? 8 : 2;
}

void join_promotion(Store& s, std::size_t row, std::size_t promotion) {
  const auto w = s.worker(row);
  const auto joining = s.promotion(promotion);
  if (const auto old = s.find_promotion(w.promotion()); old && *old != promotion) leave_promotion(s, row, *old, VacateNotice::inbox);
  w.set_promotion(joining.initials());
  w.set_brand(std::string(brand_all));
}

}  // namespace rv
