#pragma once
// Command-line arguments of the headless tool: a command followed by "--name value" options.
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace rv::cli {

struct Args {
  std::string command;
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  std::filesystem::path program_folder;  // where ringvale-cli itself is, to find the bundled world

  std::optional<std::string> get(const std::string& name) const;
  bool has(const std::string& name) const { return options.count(name) > 0; }
};

// Options that take no value.
bool is_flag(const std::string& name);

// The running program's folder: from /proc/self/exe where there is one, else from argv[0].
std::filesystem::path program_folder(const char* argv0);

// Parses argv; an option missing its value gives an error text.
std::optional<Args> parse_args(int argc, char** argv, std::string& error);

// Reads a whole number option; an absent one gives `fallback`, a bad one nothing.
std::optional<long long> number_option(const Args& args, const std::string& name, long long fallback);

// Exit codes.
inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_usage = 2;
inline constexpr int exit_dismissed = 3;

}  // namespace rv::cli
