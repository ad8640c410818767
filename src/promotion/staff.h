#pragma once
// The promotion's on-screen staff: power figures, interviewers and talk show segments.
#include <cstddef>
#include <string>

#include "state/store.h"

namespace rv {

// Empties every power figure, interviewer and talk show slot of the promotion that names the
// worker (a power figure slot becomes empty, an interviewer "None", a talk show segment "NA").
// Returns how many slots were emptied.
int remove_from_staff(Store& store, std::size_t promotion, const std::string& worker);
// Every power figure, interviewer and talk show host slot naming `from` names `to` instead.
void rename_in_staff(Store& store, std::size_t promotion, const std::string& from, const std::string& to);

}  // namespace rv
