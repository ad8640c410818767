#include "app/cli_args.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>
#include <system_error>

namespace rv::cli {

std::optional<std::string> Args::get(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

bool is_flag(const std::string& name) {
  // Options that stand alone, without a value.
  static constexpr std::string_view flags[] = {"help", "quiet", "replace", "suggest", "stop-at-show", "stables", "until-show", "csv"};
  return std::find(std::begin(flags), std::end(flags), name) != std::end(flags);
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

std::optional<Args> parse_args(int argc, char** argv, std::string& error) {
  Args args;
  args.program_folder = program_folder(argc > 0 ? argv[0] : nullptr);
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a.rfind("--", 0) == 0 && a.size() > 2) {
      std::string name = a.substr(2);
      std::string value;
      if (auto eq = name.find('='); eq != std::string::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      } else if (!is_flag(name)) {
        if (i + 1 >= argc) {
          error = "The option --" + name + " needs a value.";
          return std::nullopt;
        }
        value = argv[++i];
      }
      args.options[name] = value;
    } else if (args.command.empty()) {
      args.command = a;
    } else {
      args.positional.push_back(a);
    }
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
