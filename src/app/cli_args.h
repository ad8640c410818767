#pragma once
// Command-line arguments of the headless tool: a command followed by its options, "--name value"
// or "--name=value" for an option that takes a value and "--name" alone for a flag.
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
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

// What one command takes besides the flags every command takes (--help and --quiet): the options
// written with a value, the flags that stand alone (both space-separated names) and how many plain
// arguments may follow.
struct CommandSyntax {
  std::string_view values;
  std::string_view flags;
  std::size_t arguments = 0;
};

// The running program's folder: from /proc/self/exe where there is one, else from argv[0].
std::filesystem::path program_folder(const char* argv0);

// The command: the first argument, or nothing when there is none or it is an option.
std::optional<std::string> command_name(int argc, char** argv);

// Why arguments were refused, and the exit code for it.
struct ArgsError {
  std::string message;
  int exit_code = 0;
};

// Reads the arguments after the command by the command's syntax. An option the command does not
// take, a flag given a value, an option without a value or with an empty one, an option given
// twice and a plain argument too many are refused with a message naming the option and the command.
std::optional<Args> parse_args(int argc, char** argv, const CommandSyntax& syntax, ArgsError& error);

// Reads a whole number option; an absent one gives `fallback`, a bad one nothing.
std::optional<long long> number_option(const Args& args, const std::string& name, long long fallback);

// Exit codes.
inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_usage = 2;
inline constexpr int exit_dismissed = 3;

}  // namespace rv::cli
