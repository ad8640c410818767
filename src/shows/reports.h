#pragma once
// The written side of a show: each match's report and the interviews and talk show segments
// between matches, picked from the text libraries by what happened and filled with the names of
// the people involved.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/home.h"
#include "state/random.h"
#include "state/store.h"

namespace rv {

enum class LibraryKind { normal, feud, turn, interview, talk_show };
inline constexpr std::size_t library_count = 5;

// A text library: records of a fixed length, each its condition lines and then its text lines.
struct TextLibrary {
  std::size_t conditions = 0;
  std::vector<Lines> records;
};
std::size_t record_length(LibraryKind kind);
std::size_t condition_lines(LibraryKind kind);
std::string_view library_file(LibraryKind kind);
// Whole records only: a record cut short at the end is left out.
TextLibrary parse_library(LibraryKind kind, const Lines& lines);

struct ShowLibraries {
  std::array<TextLibrary, library_count> libraries;
  const TextLibrary& of(LibraryKind kind) const { return libraries[static_cast<std::size_t>(kind)]; }
};
// Reads the five libraries from the data folder; a missing or unreadable one is empty.
ShowLibraries load_libraries(const Home& home);

// True when a condition line admits the value: "Any", the value itself, or a list holding it.
bool condition_fits(std::string_view condition, std::string_view value);

struct ReportShow {
  bool big_show = false;
  bool house_show = false;  // a show without cameras
  bool primary_show = false;
  std::string name;          // the show's name, for its talk show
  std::string brand = "All";  // "All", "Brand 1" or "Brand 2"
  std::string town;
  std::vector<std::string> battle_royal_entrants;
  std::string battle_royal_runner_up;
};

// A face or heel turn planned for a worker, to take effect at this show.
struct PlannedTurn {
  std::string worker;
  std::string disposition;  // what the worker turns into: "Face" or "Heel"
};

struct EndingResult {
  LibraryKind kind = LibraryKind::normal;
  std::optional<PlannedTurn> turn;
};
// Appends the report of card slot `slot` (0-based): "-MATCH-", the match line and the chosen
// record's text lines. A match no record fits gets a plain line of its result.
EndingResult createending(const Store& store, const Lines& card, std::size_t slot, const ReportShow& show,
                          const std::vector<PlannedTurn>& turns, const ShowLibraries& libraries, Rng& rng,
                          std::vector<std::string>& commentary);

// Appends "-SEGMENT-" and an interview with the winners of card slot `slot`, or the show's own talk
// show segment when it has one; nothing when no record fits.
void interview(const Store& store, const Lines& card, std::size_t slot, const ReportShow& show,
               const ShowLibraries& libraries, Rng& rng, std::vector<std::string>& commentary);

}  // namespace rv
