#pragma once
// Runs the ringvale-cli program built beside the tests and captures what it prints.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

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

}  // namespace rvtest
