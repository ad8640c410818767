// A worker's ring name is his key in every table: a new name is carried to every place that
// names him, so that he keeps his titles, feuds, staff slots and pending business.
#include <algorithm>

#include "promotion/staff.h"
#include "state/naming.h"
#include "talent/profile.h"

namespace rv {

namespace {

// In records of `step` lines from `first` (at most `records` of them), the `count` lines from
// `offset` that read `from` read `to`.
void rename_lines(Lines& lines, std::size_t first, std::size_t step, std::size_t records, std::size_t offset,
                  std::size_t count, const std::string& from, const std::string& to) {
  for (std::size_t k = 0, b = first; k < records && b + offset < lines.size(); ++k, b += step) {
    for (std::size_t i = offset; i < offset + count && b + i < lines.size(); ++i) {
      if (lines[b + i] == from) lines[b + i] = to;
    }
  }
}

constexpr std::size_t every = static_cast<std::size_t>(-1);

void rename_in_titles(Store& store, const std::string& from, const std::string& to) {
  static constexpr TitleField named[] = {TitleField::holder, TitleField::coholder1, TitleField::coholder2,
                                         TitleField::record_holder};
  for (std::size_t p = 0; p < store.promotion_count(); ++p) {
    for (std::size_t k = 0; k < prom::title_slots; ++k) {
      const auto t = store.promotion(p).title(k);
      for (const TitleField f : named) {
        if (t.has(f) && t.get(f) == from) t.put(f, to);
      }
    }
  }
}

}  // namespace

Status rename_worker(Store& store, std::size_t row, const std::string& name) {
  if (row >= store.worker_count()) return Failure{"That worker is not in the game."};
  const std::string old = store.worker(row).name();
  if (name == old) return success();
  std::vector<std::string> others;
  for (std::size_t r = 0; r < store.worker_count(); ++r)
    if (r != row) others.push_back(store.worker(r).name());
  if (auto problem = name_problem(name, NameKind::ring_name, others)) return Failure{*problem};
  store.worker(row).set_names(name);
  // An old name that is empty or one of the tables' own words stands in other places for
  // "nobody" (a vacant title, a worker without a manager): only the worker's own line changes.
  if (trimmed_name(old).empty() || reserved_name(old)) return success();
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (store.worker(r).manager() == old) store.worker(r).set_manager(name);
  }
  rename_in_titles(store, old, name);
  for (std::size_t p = 0; p < store.promotion_count(); ++p) rename_in_staff(store, p, old, name);
  rename_lines(store.maindata, md::feuds_first, md::feud_size, md::feud_slots, feud::worker1,
               feud::worker4 - feud::worker1 + 1, old, name);
  rename_lines(store.turns, 0, rec::turn, every, turn::worker, 1, old, name);
  rename_lines(store.negotiations, 0, rec::negotiation, every, neg::name, 1, old, name);
  rename_lines(store.indydates, 0, 1, every, 0, 1, old, name);
  rename_lines(store.indydates2, 0, 1, every, 0, 1, old, name);
  rename_lines(store.newslist, 0, rec::message, every, msg::ref1, msg::ref3 - msg::ref1 + 1, old, name);
  rename_lines(store.matches, 0, rec::match, rec::match_slots, match::first_worker, match::worker_lines, old, name);
  return success();
}

}  // namespace rv
