#pragma once
// Line files: Windows-1252 text, one table line per text line. Bytes are kept as they are;
// CRLF or LF are read, CRLF is written.
#include <filesystem>

#include "state/result.h"
#include "state/text.h"

namespace rv {

namespace fs = std::filesystem;

// Splits file contents into lines. A final line without a line break still counts.
Lines split_lines(std::string_view contents);
// Joins lines, each followed by CRLF.
std::string join_lines(const Lines& lines);

Result<Lines> read_lines(const fs::path& path);
// Writes through a temporary file renamed into place, so a failed write leaves the old file.
Status write_lines(const fs::path& path, const Lines& lines);
Status write_text(const fs::path& path, std::string_view contents);

// A path written inside the data with backslashes ("Scenarios\x\venues.txt") as a path here.
fs::path data_path(std::string_view text);

// Names of the files in `folder` matching any of the patterns joined by ";" ("*.jpg;*.bmp"),
// sorted by name. A missing folder gives an empty list.
std::vector<std::string> list_files(const fs::path& folder, std::string_view patterns);
std::vector<std::string> list_folders(const fs::path& folder);

}  // namespace rv
