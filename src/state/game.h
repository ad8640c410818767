#pragma once
// A running game: the store, the one random generator and the name of the current save.
#include <string>

#include "state/random.h"
#include "state/store.h"

namespace rv {

struct Game {
  Store store;
  Rng rng;
  std::string save_name;  // empty until the first save
};

}  // namespace rv
