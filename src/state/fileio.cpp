#include "state/fileio.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define RINGVALE_HAS_FSYNC 1
#endif

namespace rv {

Lines split_lines(std::string_view contents) {
  Lines lines;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = contents.size();
    std::size_t stop = end;
    if (stop > start && contents[stop - 1] == '\r') --stop;
    lines.emplace_back(contents.substr(start, stop - start));
    if (last) break;
    start = end + 1;
  }
  return lines;
}

std::string join_lines(const Lines& lines) {
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

Result<Lines> read_lines(const fs::path& path, FileLimits limits) {
  const std::string name = path.filename().string();
  std::error_code ec;
  if (!fs::exists(path, ec)) return Failure{"The file " + name + " is missing (" + path.string() + ")."};
  if (!fs::is_regular_file(path, ec)) return Failure{"The file " + name + " is not a plain file (" + path.string() + ")."};
  const std::uintmax_t bytes = fs::file_size(path, ec);
  if (ec) return Failure{"The file " + path.string() + " could not be read."};
  if (bytes > limits.bytes) {
    return Failure{"The file " + name + " is too large to be one of the game's files (" + std::to_string(bytes) +
                   " bytes, at most " + std::to_string(limits.bytes) + ")."};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure{"The file " + path.string() + " could not be opened."};
  std::string contents(static_cast<std::size_t>(bytes), '\0');
  in.read(contents.data(), static_cast<std::streamsize>(bytes));
  contents.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return Failure{"The file " + path.string() + " could not be read."};
  const auto line_breaks = static_cast<std::size_t>(std::count(contents.begin(), contents.end(), '\n'));
  if (line_breaks > limits.lines) {
    return Failure{"The file " + name + " is too large to be one of the game's files (" + std::to_string(line_breaks) +
                   " lines, at most " + std::to_string(limits.lines) + ")."};
  }
  return split_lines(contents);
}

namespace {

class SystemDisk final : public DiskSync {
 public:
  Status flush(const fs::path& path) const override {
#ifdef RINGVALE_HAS_FSYNC
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return Failure{"The file " + path.string() + " could not be flushed to the disk."};
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) return Failure{"The file " + path.string() + " could not be flushed to the disk."};
#else
    (void)path;
#endif
    return success();
  }
};

}  // namespace

const DiskSync& system_disk() {
  static const SystemDisk disk;
  return disk;
}

Status write_text(const fs::path& path, std::string_view contents) {
  const fs::path temp = path.string() + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return Failure{"The file " + path.string() + " could not be written."};
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return Failure{"The file " + path.string() + " could not be written."};
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return Failure{"The file " + path.string() + " could not be written: " + ec.message() + "."};
  }
  return success();
}

Status write_lines(const fs::path& path, const Lines& lines) { return write_text(path, join_lines(lines)); }

fs::path data_path(std::string_view text) {
  std::string s(text);
  std::replace(s.begin(), s.end(), '\\', '/');
  return fs::path(s);
}

std::vector<std::string> list_files(const fs::path& folder, std::string_view patterns) {
  std::vector<std::string> wanted;
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(';', start);
    if (end == std::string_view::npos) end = patterns.size();
    if (end > start) wanted.emplace_back(patterns.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fec;
    if (!it->is_regular_file(fec)) continue;
    const std::string name = it->path().filename().string();
    for (const auto& p : wanted) {
      if (like(name, p)) {
        names.push_back(name);
        break;
      }
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> list_folders(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fec;
    if (it->is_directory(fec)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace rv
