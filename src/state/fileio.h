#pragma once
// Line files: Windows-1252 text, one table line per text line. Bytes are kept as they are;
// CRLF, LF or a CR alone end a line when read, CRLF is written.
#include <cstdint>
#include <filesystem>
#include <istream>

#include "state/result.h"
#include "state/text.h"

namespace rv {

namespace fs = std::filesystem;

// Splits file contents into lines. A final line without a line break still counts.
Lines split_lines(std::string_view contents);
// How many line breaks the contents hold (a CRLF counts once).
std::size_t count_line_breaks(std::string_view contents);
// Joins lines, each followed by CRLF.
std::string join_lines(const Lines& lines);

// Files larger than this, or of more lines, are refused by name before they are read: no game
// comes near them (a long career's inbox, the largest file, stays under a few megabytes).
inline constexpr std::uintmax_t max_file_bytes = 32u * 1024 * 1024;
inline constexpr std::size_t max_file_lines = 2'000'000;
// No line the game writes comes near this either: a text box takes at most 32,767 characters.
inline constexpr std::size_t max_line_bytes = 1024 * 1024;

// Reads the lines of a stream one at a time, with the limits a file gets: a line longer than
// max_line_bytes is refused (and not kept), and reading stops for good once the stream has
// given more than max_file_bytes or max_file_lines.
class LineReader {
 public:
  enum class Got { line, too_long, too_much, end };
  explicit LineReader(std::istream& in) : in_(in) {}
  // The next line into `line` (without its line break); too_long leaves `line` empty.
  Got next(std::string& line);
  // The reason for the last too_long or too_much, for the player.
  std::string problem() const { return problem_; }

 private:
  std::istream& in_;
  std::uintmax_t bytes_ = 0;
  std::size_t lines_ = 0;
  bool stopped_ = false;
  std::string problem_;
};

// The most a file may hold and still be read.
struct FileLimits {
  std::uintmax_t bytes = max_file_bytes;
  std::size_t lines = max_file_lines;
};

Result<Lines> read_lines(const fs::path& path, FileLimits limits = {});
// Writes through a temporary file renamed into place, so a failed write leaves the old file.
Status write_lines(const fs::path& path, const Lines& lines);
Status write_text(const fs::path& path, std::string_view contents);

// Makes what was written durable: a file's contents, or a folder's list of names, reach the disk
// before a save is swapped in, so that a power cut cannot leave an empty save behind.
class DiskSync {
 public:
  virtual ~DiskSync() = default;
  virtual Status flush(const fs::path& path) const = 0;
};
// The operating system's flush.
const DiskSync& system_disk();

// A path written inside the data with backslashes ("Scenarios\x\venues.txt") as a path here.
fs::path data_path(std::string_view text);

// Names of the files in `folder` matching any of the patterns joined by ";" ("*.jpg;*.bmp"),
// sorted by name. A missing folder gives an empty list.
std::vector<std::string> list_files(const fs::path& folder, std::string_view patterns);
std::vector<std::string> list_folders(const fs::path& folder);

}  // namespace rv
