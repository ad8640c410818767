#pragma once
// The player's feuds: ten slots in maindata, their daily upkeep and ending one.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "state/game.h"

namespace rv {

// The feud in slot k (0 to 9).
Record feud_slot(Store& store, std::size_t k);
RecordView feud_slot(const Store& store, std::size_t k);
bool feud_running(const Store& store, std::size_t k);
// "A vs B" for a singles feud, "A & B vs C & D" for a tag feud.
std::string feud_heading(const Store& store, std::size_t k);
bool feud_involves(const Store& store, std::size_t k, const std::string& worker);

// Days a feud runs before it can cool.
inline constexpr int feud_days_before_cooling = 14;
inline constexpr int feud_min_cooling = 2;
inline constexpr int cold_feud_heat_loss = 10;

// The daily upkeep of every running feud: duration, cooling, turning "Cold", heat loss and the
// "Longest Feud" record.
void feud_upkeep(Game& game);

// Ends the feud in slot k: a "Hot" feud longer than the record becomes the "Longest Feud", then
// the slot is emptied.
void end_feud(Store& store, std::size_t k);
// Ends every feud the worker is part of; returns how many ended.
int end_feuds_of(Store& store, const std::string& worker);

// The feuds screen: the ten slots in two pages of five.
inline constexpr int feud_pages = 2;
inline constexpr std::string_view free_feud_slot_text = "Click Here To Start A Feud";
enum class HeatColour { none, dark_blue, orange, red };
struct FeudRow {
  std::size_t slot = 0;
  std::string text;  // the heading, or the invitation to start one in a free slot
  Num heat = 0;
  HeatColour colour = HeatColour::none;  // orange while "Hot", red at full heat, dark blue once cold
  bool running = false;
};
struct FeudPage {
  std::string heading;  // "- Page 1 of 2 -"
  std::array<FeudRow, feud::slots_per_page> rows;
};
// Page 1 or 2 (others read as the nearest).
FeudPage feud_page(const Store& store, int page);
// What a click on a running feud tells before asking whether to end it; empty for a free slot.
std::string feud_details_text(const Store& store, std::size_t k);

}  // namespace rv
