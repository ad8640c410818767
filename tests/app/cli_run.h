#pragma once
// Runs the ringvale-cli program built beside the tests and captures what it prints.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "state/home.h"
#include "state/tables.h"
#include "support/world.h"

namespace rvtest {

struct CliRun {
  int exit_code = -1;
  std::string output;  // standard output and standard error together
};

inline CliRun run_cli(const std::string& arguments) {
  CliRun run;
  const std::string command = std::string("'") + RINGVALE_CLI + "' " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) run.output += buffer.data();
  const int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

inline std::string quoted(const std::string& text) { return "'" + text + "'"; }

// A game home holding the small world, removed with the test; `home_arg` names it to the program.
struct CliHome : ::testing::Test {
  TempDir dir;
  rv::Home home{dir.path() / "home"};
  std::string home_arg = "--home " + quoted(home.root().string());
  void SetUp() override { write_small_world(home); }

  // A new game of "RVA" saved as "Career".
  CliRun new_game(const std::string& extra = "") {
    return run_cli("new-game " + home_arg + " --promotion RVA --save Career" + extra);
  }
  // `command` on the save "Career".
  CliRun on_career(const std::string& command, const std::string& options = "") {
    return run_cli(command + " " + home_arg + " --save Career " + options);
  }
  // The same with `steps` as what is typed.
  CliRun typed(const std::string& command, const std::string& options, const std::string& steps) {
    const std::filesystem::path script = dir.path() / "steps.txt";
    write_bytes(script, steps);
    return on_career(command, options + " < " + quoted(script.string()));
  }
  // Every table of a save folder, each after its file's name (by default the save "Career").
  std::string table_bytes(const std::filesystem::path& folder = {}) {
    const auto from = folder.empty() ? home.save_folder("Career") : folder;
    std::string all;
    for (const auto& t : rv::saved_tables) all += std::string(t.file) + "\n" + file_bytes(from / std::string(t.file));
    return all;
  }
};

}  // namespace rvtest
