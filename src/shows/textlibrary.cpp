#include "shows/reports.h"

#include "state/fileio.h"

namespace rv {

namespace {

constexpr std::string_view any_value = "Any";
constexpr std::string_view any_turn = "Turning*";

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::size_t record_length(LibraryKind kind) {
  static constexpr std::array<std::size_t, library_count> lengths = {26, 34, 23, 9, 9};
  return lengths[static_cast<std::size_t>(kind)];
}

std::size_t condition_lines(LibraryKind kind) {
  static constexpr std::array<std::size_t, library_count> lines = {16, 19, 17, 4, 4};
  return lines[static_cast<std::size_t>(kind)];
}

std::string_view library_file(LibraryKind kind) {
  static constexpr std::array<std::string_view, library_count> files = {"normreports.rv1", "feudreports.rv1", "turnreports.rv1",
                                                                        "interviews.rv1", "talkshow.rv1"};
  return files[static_cast<std::size_t>(kind)];
}

TextLibrary parse_library(LibraryKind kind, const Lines& lines) {
  TextLibrary lib;
  lib.conditions = condition_lines(kind);
  const std::size_t size = record_length(kind);
  for (std::size_t at = 0; at + size <= lines.size(); at += size) lib.records.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(at),
                                                                                          lines.begin() + static_cast<std::ptrdiff_t>(at + size));
  return lib;
}

ShowLibraries load_libraries(const Home& home) {
  ShowLibraries out;
  for (std::size_t k = 0; k < library_count; ++k) {
    const auto kind = static_cast<LibraryKind>(k);
    auto lines = read_lines(home.data() / std::string(library_file(kind)));
    out.libraries[k] = lines ? parse_library(kind, *lines) : TextLibrary{condition_lines(kind), {}};
  }
  return out;
}

bool condition_fits(std::string_view condition, std::string_view value) {
  condition = trimmed(condition);
  if (condition.empty()) return false;
  if (condition == any_value || condition == any_turn) return true;
  while (true) {
    const std::size_t comma = condition.find(',');
    if (trimmed(condition.substr(0, comma)) == value) return true;
    if (comma == std::string_view::npos) return false;
    condition.remove_prefix(comma + 1);
  }
}

}  // namespace rv
