#include "talent/split.h"

#include "state/naming.h"

namespace rv {

namespace {

bool is_brand(std::string_view text) { return text == brand_one || text == brand_two; }

// The brand tokens the workers draw from: half the roster (rounded up) of each brand.
std::vector<std::string_view> brand_tokens(std::size_t workers) {
  const std::size_t half = (workers + 1) / 2;
  std::vector<std::string_view> tokens(half, brand_one);
  tokens.insert(tokens.end(), half, brand_two);
  return tokens;
}

void reset_if_brand(const Promotion& p, std::size_t offset) {
  if (is_brand(p.at(offset))) p.set(offset, std::string(brand_all));
}

}  // namespace

bool roster_split(const Store& store) {
  const auto player = store.player_index();
  return player && store.promotion(*player).at(prom::roster_split) == split_on;
}

std::string split_button_caption(const Store& store) {
  return std::string(roster_split(store) ? end_split_caption : create_split_caption);
}

std::vector<std::size_t> player_workers(const Store& store) {
  std::vector<std::size_t> rows;
  if (!store.player_index()) return rows;
  const std::string& initials = store.md(md::player_initials);
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (store.worker(r).promotion() == initials) rows.push_back(r);
  }
  return rows;
}

std::optional<std::string> split_refusal(const Store& store) {
  if (player_workers(store).size() < split_minimum) return std::string(split_too_few_message);
  return std::nullopt;
}

SplitResult create_split(Game& game, const std::string& brand1, const std::string& brand2) {
  Store& store = game.store;
  if (auto refusal = split_refusal(store)) return {false, *refusal};
  if (brand1.empty() || brand2.empty()) return {false, std::string(split_cancelled_message)};
  if (auto problem = name_problem(brand1, NameKind::brand)) return {false, *problem};
  if (auto problem = name_problem(brand2, NameKind::brand, {brand1})) return {false, *problem};

  const auto p = store.promotion(*store.player_index());
  p.set(prom::roster_split, std::string(split_on));
  p.set(prom::brand1_name, brand1);
  p.set(prom::brand2_name, brand2);
  const std::vector<std::size_t> rows = player_workers(store);
  std::vector<std::string_view> tokens = brand_tokens(rows.size());
  for (std::size_t row : rows) {
    const auto pick = static_cast<std::size_t>(game.rng.draw(static_cast<int>(tokens.size())) - 1);
    store.worker(row).set_brand(std::string(tokens[pick]));
    tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  return {true, "Your roster has now been randomly divided between " + brand1 + " and " + brand2 + "."};
}

void end_split(Store& store) {
  const auto player = store.player_index();
  if (!player) return;
  for (std::size_t row : player_workers(store)) store.worker(row).set_brand(std::string(brand_all));
  const auto p = store.promotion(*player);
  p.set(prom::roster_split, std::string(split_off));
  p.set(prom::brand1_name, "");
  p.set(prom::brand2_name, "");
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) reset_if_brand(p, p.show_offset(k, prom::show::brand));
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = p.title(k);
    if (is_brand(t.get(TitleField::brand))) t.put(TitleField::brand, std::string(brand_all));
  }
  for (std::size_t m = 0; m < prom::monthly_big_show_count; ++m) {
    reset_if_brand(p, prom::monthly_big_shows + m * prom::monthly_big_show_size + prom::monthly::brand);
  }
  if (is_brand(store.md(md::next_big_show_brand))) store.set_md(md::next_big_show_brand, std::string(brand_all));
}

}  // namespace rv
