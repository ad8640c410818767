#include "app/cli_args.h"

#include <charconv>
#include <system_error>

#include "state/text.h"

namespace rv::cli {

std::optional<std::string> Args::get(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::filesystem::path program_folder(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && self.is_absolute()) return self.parent_path();
  if (!argv0 || !*argv0) return {};
  const fs::path given(argv0);
  const fs::path absolute = fs::absolute(given, ec);
  return (ec ? given : absolute).parent_path();
}

namespace {

constexpr std::string_view common_flags = "help quiet";

bool listed_in(std::string_view names, std::string_view name) {
  while (!names.empty()) {
    const std::size_t blank = names.find(' ');
    if (names.substr(0, blank) == name) return true;
    if (blank == std::string_view::npos) break;
    names.remove_prefix(blank + 1);
  }
  return false;
}

bool is_option(std::string_view arg) { return arg.size() > 2 && arg.substr(0, 2) == "--"; }

// Reads one option at argv[i], moving i past a value written apart; false with the reason when refused.
bool take_option(int argc, char** argv, int& i, const CommandSyntax& syntax, Args& args, ArgsError& error) {
  const std::string arg = argv[i];
  std::string name = arg.substr(2);
  std::optional<std::string> value;
  if (const auto eq = name.find('='); eq != std::string::npos) {
    value = name.substr(eq + 1);
    name.resize(eq);
  }
  const std::string shown = quoted_excerpt("--" + name);
  const std::string of = " of " + args.command;
  const bool flag = listed_in(common_flags, name) || listed_in(syntax.flags, name);
  if (!flag && !listed_in(syntax.values, name)) {
    error = {"ringvale-cli: " + args.command + " does not take the option " + shown + ".", exit_failure};
    return false;
  }
  if (args.has(name)) {
    error = {"ringvale-cli: the option " + shown + of + " is given twice.", exit_failure};
    return false;
  }
  if (flag) {
    if (value) {
      error = {"ringvale-cli: the option " + shown + of + " stands alone and takes no value (" + quoted_excerpt(arg) + ").",
               exit_failure};
      return false;
    }
    args.options[name] = "";
    return true;
  }
  if (!value) {
    if (i + 1 >= argc) {
      error = {"The option " + shown + of + " needs a value.", exit_usage};
      return false;
    }
    value = argv[++i];
  }
  if (value->empty()) {
    error = {"ringvale-cli: the option " + shown + of + " needs a value; an empty one was given.", exit_failure};
    return false;
  }
  args.options[name] = *value;
  return true;
}

}  // namespace

std::optional<std::string> command_name(int argc, char** argv) {
  if (argc < 2 || is_option(argv[1])) return std::nullopt;
  return std::string(argv[1]);
}

std::optional<Args> parse_args(int argc, char** argv, const CommandSyntax& syntax, ArgsError& error) {
  Args args;
  args.program_folder = program_folder(argc > 0 ? argv[0] : nullptr);
  if (const auto command = command_name(argc, argv)) args.command = *command;
  for (int i = args.command.empty() ? 1 : 2; i < argc; ++i) {
    if (is_option(argv[i])) {
      if (!take_option(argc, argv, i, syntax, args, error)) return std::nullopt;
      continue;
    }
    if (args.positional.size() >= syntax.arguments) {
      error = {"ringvale-cli: " + args.command + " does not take the argument " + quoted_excerpt(argv[i]) + ".",
               exit_failure};
      return std::nullopt;
    }
    args.positional.emplace_back(argv[i]);
  }
  return args;
}

std::optional<long long> number_option(const Args& args, const std::string& name, long long fallback) {
  auto v = args.get(name);
  if (!v) return fallback;
  long long out = 0;
  const char* begin = v->data();
  const char* end = begin + v->size();
  auto [p, ec] = std::from_chars(begin, end, out);
  if (ec != std::errc() || p != end) return std::nullopt;
  return out;
}

}  // namespace rv::cli
