#include "promotion/staff.h"

#include <vector>

namespace rv {

int remove_from_staff(Store& store, std::size_t promotion, const std::string& worker) {
  if (worker.empty()) return 0;
  const auto p = store.promotion(promotion);
  int emptied = 0;
  for (std::size_t k = 0; k < prom::power_figure_count; ++k) {
    const std::size_t first = prom::power_figures + k * prom::power_figure_size;
    if (p.at(first) != worker) continue;
    for (std::size_t i = 0; i < prom::power_figure_size; ++i) p.set(first + i, "");
    ++emptied;
  }
  for (std::size_t line : {prom::interviewer1, prom::interviewer2}) {
    if (p.at(line) != worker) continue;
    p.set(line, std::string(none_text));
    ++emptied;
  }
  for (std::size_t k = 0; k < prom::talk_show_count; ++k) {
    const std::size_t first = prom::talk_shows + k * prom::talk_show_size;
    if (p.at(first + prom::talk::host) != worker) continue;
    for (std::size_t i = 0; i < prom::talk_show_size; ++i) p.set(first + i, std::string(no_entry));
    ++emptied;
  }
  return emptied;
}

void rename_in_staff(Store& store, std::size_t promotion, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  const auto p = store.promotion(promotion);
  std::vector<std::size_t> lines = {prom::interviewer1, prom::interviewer2};
  for (std::size_t k = 0; k < prom::power_figure_count; ++k) lines.push_back(prom::power_figures + k * prom::power_figure_size);
  for (std::size_t k = 0; k < prom::talk_show_count; ++k) lines.push_back(prom::talk_shows + k * prom::talk_show_size + prom::talk::host);
  for (const std::size_t line : lines) {
    if (p.at(line) == from) p.set(line, to);
  }
}

}  // namespace rv
