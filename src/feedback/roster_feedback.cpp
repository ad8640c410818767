#include "feedback/roster_feedback.h"

#include <array>
#include <optional>

#include "feedback/feedback.h"

namespace rv {

namespace {

constexpr std::array<Band, 8> morale_words = {{{below_all, " terrible."},
                                               {30, " very low."},
                                               {40, " low."},
                                               {50, " below average."},
                                               {60, " average."},
                                               {70, " good."},
                                               {80, " very good."},
                                               {90, " excellent."}}};

// Texts by the number of top-line workers: none, one, two, three, more. In the brand texts {b}
// stands for the brand's name.
using ByCount = std::array<std::string_view, 5>;
constexpr ByCount faces_plain = {
    "We don't have any top line faces - we should have at least two on the roster.",
    "We only have one face top liner, we need at least a couple more.",
    "We only have a couple of top line faces on the roster, we could do with at least one more.",
    "We have a good number of top line faces on the roster.", "We have plenty of top line faces on the roster."};
constexpr ByCount heels_plain = {
    "We don't have any top line heels - we should have at least two on the roster.",
    "We only have one heel top liner, we need at least a couple more.",
    "We only have a couple of top line heels on the roster, we could do with at least one more.",
    "We have a good number of top line heels on the roster.", "We have plenty of top line heels on the roster."};
constexpr ByCount faces_brand = {
    "We don't have any top line faces on the {b} roster - we should have at least two.",
    "We only have one face top liner on the {b} roster, we need at least a couple more.",
    "We only have a couple of top line faces on the {b} roster, we could do with at least one more.",
    "We have a good number of top line faces on the {b} roster.",
    "We have plenty of top line faces on the {b} roster."};
constexpr ByCount heels_brand = {
    "We don't have any top line heels on the {b} roster - we should have at least two.",
    "We only have one heel top liner on the {b} roster, we need at least a couple more.",
    "We only have a couple of top line heels on the {b} roster, we could do with at least one more.",
    "We have a good number of top line heels on the {b} roster.",
    "We have plenty of top line heels on the {b} roster."};

// By the number of workers; {b} is the brand, {o} the other brand.
constexpr std::array<Band, 7> size_plain = {
    {{below_all, "We don't have enough full time wrestlers to put on a show."},
     {10, "We have a small roster and should hire some new talent."},
     {20, "The size of our roster is satisfactory."},
     {30, "We have a good sized roster."},
     {50, "We have quite a large roster."},
     {60, "We have a very large roster."},
     {70, "Our roster is very full. You should consider releasing some wrestlers, or creating a roster split."}}};
constexpr std::array<Band, 7> size_brand = {
    {{below_all, "We don't have enough full time wrestlers on the {b} roster to put on a brand exclusive show."},
     {10,
      "We have a small roster for the {b} brand and should hire some new talent or bring some wrestlers over from "
      "the {o} brand."},
     {20, "The size of our {b} roster is satisfactory."},
     {30, "We have a good sized {b} roster."},
     {50, "We have quite a large {b} roster."},
     {60, "We have a very large {b} roster."},
     {70,
      "Our {b} roster is very full. You should consider releasing some wrestlers, or bringing some over from the {o} "
      "brand."}}};

// The template with {b} and {o} replaced, in one pass, so that a brand's name is never read as
// a placeholder itself.
std::string filled(std::string_view text, const std::string& brand, const std::string& other) {
  std::string out;
  out.reserve(text.size() + brand.size() + other.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 3, "{b}") == 0) {
      out += brand;
      i += 2;
    } else if (text.compare(i, 3, "{o}") == 0) {
      out += other;
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The whole roster or one brand of it.
struct Side {
  Num size = 0;
  Num faces = 0;
  Num heels = 0;
  std::optional<std::size_t> mvp;  // the row
  Num mvp_score = 0;

  void count_top_liner(const std::string& faceheel) {
    if (faceheel == alignment::face) ++faces;
    else if (faceheel == alignment::heel) ++heels;
  }
  // On equal scores the earlier row, seen first, keeps it.
  void consider(std::size_t row, Num score) {
    if (!mvp || score > mvp_score) {
      mvp = row;
      mvp_score = score;
    }
  }
};

struct Tally {
  Num active = 0;
  Num morale = 0;  // the sum over the active workers
  Side all, brand1, brand2;
};

// One pass over the workers counts everything the roster areas say.
Tally tally(const Store& store, PromotionView p) {
  Tally t;
  const std::string& initials = p.initials();
  const Num reference = p.reference_level();
  for (std::size_t row = 0; row < store.worker_count(); ++row) {
    const WorkerView w = store.worker(row);
    if (w.promotion() != initials) continue;
    const std::string& brand = w.brand();
    Side* own = brand == brand_one ? &t.brand1 : brand == brand_two ? &t.brand2 : nullptr;
    ++t.all.size;
    if (own) {
      ++own->size;
    } else if (brand == brand_all) {
      ++t.brand1.size;
      ++t.brand2.size;
    }
    const bool retired = w.retire() == retire::retired;
    if (!retired && w.ringstyle() != non_worker) {
      ++t.active;
      t.morale = add_sat(t.morale, w.morale());
      if (w.pop() >= reference) {
        t.all.count_top_liner(w.faceheel());
        if (own) own->count_top_liner(w.faceheel());
      }
    }
    if (!retired && w.injury() == not_injured) {
      const Num score = add_sat(add_sat(w.pop(), w.ent()), add_sat(w.micskills(), w.charisma()));
      t.all.consider(row, score);
      if (own) own->consider(row, score);
    }
  }
  return t;
}

std::string by_count(const ByCount& texts, Num count, const std::string& brand) {
  const auto i = static_cast<std::size_t>(count < 0 ? 0 : count > 4 ? 4 : count);
  return filled(texts[i], brand, {});
}

std::string size_text(std::span<const Band> bands, Num size, const std::string& brand, const std::string& other) {
  return filled(band_text(static_cast<double>(size), bands), brand, other);
}

}  // namespace

void roster_feedback(const Store& store, PromotionView p, bool split, std::vector<std::string>& out) {
  const Tally t = tally(store, p);
  const double morale = t.active > 0 ? static_cast<double>(t.morale) / static_cast<double>(t.active) : 0.0;
  out.push_back("Locker Room morale is" + std::string(band_text(morale, morale_words)));
  if (!split) {
    out.push_back(by_count(faces_plain, t.all.faces, {}));
    out.push_back(by_count(heels_plain, t.all.heels, {}));
    out.push_back(size_text(size_plain, t.all.size, {}, {}));
    if (t.all.mvp) out.push_back("Our M.V.P is " + store.worker(*t.all.mvp).name() + ".");
    return;
  }
  const std::string& name1 = p.at(prom::brand1_name);
  const std::string& name2 = p.at(prom::brand2_name);
  out.push_back(by_count(faces_brand, t.brand1.faces, name1));
  out.push_back(by_count(heels_brand, t.brand1.heels, name1));
  out.push_back(by_count(faces_brand, t.brand2.faces, name2));
  out.push_back(by_count(heels_brand, t.brand2.heels, name2));
  out.push_back(size_text(size_brand, t.brand1.size, name1, name2));
  out.push_back(size_text(size_brand, t.brand2.size, name2, name1));
  if (t.brand1.mvp) out.push_back("The M.V.P of " + name1 + " is " + store.worker(*t.brand1.mvp).name() + ".");
  if (t.brand2.mvp) out.push_back("The M.V.P of " + name2 + " is " + store.worker(*t.brand2.mvp).name() + ".");
}

}  // namespace rv
