#pragma once
// The store's invariants, checked all at once: every violation is reported, none is repaired.
#include <string>
#include <vector>

#include "state/store.h"

namespace rv {

std::vector<std::string> check_store(const Store& store);

}  // namespace rv
