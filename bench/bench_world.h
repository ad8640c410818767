#pragma once
// The world the benchmarks measure on.
#include <cstdlib>
#include <filesystem>

#include "state/fileio.h"
#include "state/newgame.h"
#include "support/generated_world.h"
#include "support/world.h"

namespace rvbench {

// The bundled default world when it is complete, else a generated world of its size.
// RINGVALE_BENCH_WORLD names another bundle (a folder holding Data/) to measure instead.
inline rv::Store default_world() {
  const char* other = std::getenv("RINGVALE_BENCH_WORLD");
  const std::filesystem::path bundled = other ? std::filesystem::path(other) : std::filesystem::path(RINGVALE_SOURCE_DIR) / "data";
  const std::filesystem::path data = bundled / "Data";
  const bool ready = std::filesystem::exists(data / "maindata.rv1") && std::filesystem::exists(data / "wrestlers.rv1") &&
                     std::filesystem::exists(data / "stipulations.rv1") && !rv::list_files(data, "*.fed").empty();
  if (ready) {
    rvtest::TempDir dir;
    const rv::Home home(dir.path());
    if (rv::prepare_home(home, bundled).ok()) {
      auto game = rv::start_new_game(home, "Bench Player");
      if (game.ok() && rv::confirm_promotion(*game, game->store.promotion(0).initials(), false).ok()) {
        return std::move(game->store);
      }
    }
  }
  return rvtest::generated_store(11, 460);
}

}  // namespace rvbench
