#include "feedback/attention.h"

#include <algorithm>

#include "state/text.h"
#include "talent/release.h"
#include "talent/split.h"

namespace rv {

std::vector<DueContract> contracts_due(const Store& store, int weeks) {
  std::vector<DueContract> due;
  for (const std::size_t row : player_workers(store)) {
    const auto w = store.worker(row);
    const int left = weeks_left(store, row);
    if (left <= weeks) due.push_back({w.name(), w.expires(), left, w.wages()});
  }
  std::stable_sort(due.begin(), due.end(), [](const DueContract& a, const DueContract& b) {
    return a.weeks_left != b.weeks_left ? a.weeks_left < b.weeks_left : a.worker < b.worker;
  });
  return due;
}

std::vector<InjuredWorker> injured_workers(const Store& store) {
  std::vector<InjuredWorker> out;
  for (const std::size_t row : player_workers(store)) {
    const auto w = store.worker(row);
    const Num days = leading_int(w.injury());
    if (days > 0) out.push_back({w.name(), days});
  }
  std::stable_sort(out.begin(), out.end(), [](const InjuredWorker& a, const InjuredWorker& b) {
    return a.days != b.days ? a.days > b.days : a.worker < b.worker;
  });
  return out;
}

}  // namespace rv
