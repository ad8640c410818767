#pragma once
// The player's feuds: ten slots in maindata, their daily upkeep and ending one.
#include <cstddef>
#include <string>

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

}  // namespace rv
