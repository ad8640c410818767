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
    const std::size_t end = contents.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(contents.substr(start));
      break;
    }
    lines.emplace_back(contents.substr(start, end - start));
    start = end + 1;
    if (contents[end] == '\r' && start < contents.size() && contents[start] == '\n') ++start;
  }
  return lines;
}

std::size_t count_line_breaks(std::string_view contents) {
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    if (contents[i] == '\n' || (contents[i] == '\r' && (i + 1 == contents.size() || contents[i + 1] != '\n'))) ++breaks;
  }
  return breaks;
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

namespace {

// A path as it may be shown: control bytes, which could drive the terminal, become '?'.
std::string shown_path(const fs::path& path) {
  std::string text = path.string();
  for (char& ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) ch = '?';
  }
  return text;
}

std::string limit_text(std::uintmax_t n) { return grouped(static_cast<std::int64_t>(n)); }

}  // namespace

Result<Lines> read_lines(const fs::path& path, FileLimits limits) {
  if (path.empty()) return Failure{"No file was named: the file name is empty."};
  const std::string name = shown_path(path.filename());
  const std::string where = " (" + shown_path(path) + ").";
  std::error_code ec;
  if (!fs::exists(path, ec)) return Failure{"The file " + name + " is missing" + where};
  if (fs::is_directory(path, ec)) return Failure{"The file " + name + " is a folder" + where};
  if (!fs::is_regular_file(path, ec)) return Failure{"The file " + name + " is not a plain file" + where};
  const std::uintmax_t bytes = fs::file_size(path, ec);
  if (ec) return Failure{"The file " + name + " could not be read" + where};
  if (bytes > limits.bytes) {
    return Failure{"The file " + name + " is larger than " + limit_text(limits.bytes) + " bytes" + where};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure{"The file " + name + " could not be opened" + where};
  std::string contents(static_cast<std::size_t>(bytes), '\0');
  in.read(contents.data(), static_cast<std::streamsize>(bytes));
  contents.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return Failure{"The file " + name + " could not be read" + where};
  if (count_line_breaks(contents) > limits.lines) {
    return Failure{"The file " + name + " has more than " + limit_text(limits.lines) + " lines" + where};
  }
  Lines lines = split_lines(contents);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() > max_line_bytes) {
      return Failure{"The file " + name + " has a line longer than " + limit_text(max_line_bytes) + " bytes (line " +
                     std::to_string(i + 1) + ")" + where};
    }
  }
  return lines;
}

LineReader::Got LineReader::next(std::string& line) {
  using traits = std::char_traits<char>;
  line.clear();
  std::streambuf* buf = in_.rdbuf();
  if (stopped_) return Got::too_much;
  if (!buf) return Got::end;
  bool too_long = false;
  bool any = false;
  for (auto c = buf->sbumpc(); !traits::eq_int_type(c, traits::eof()); c = buf->sbumpc()) {
    any = true;
    if (++bytes_ > max_file_bytes) {
      stopped_ = true;
      problem_ = "The input is larger than " + limit_text(max_file_bytes) + " bytes; the rest was not read.";
      line.clear();
      return Got::too_much;
    }
    const char ch = traits::to_char_type(c);
    if (ch == '\n') break;
    if (ch == '\r') {
      if (traits::eq_int_type(buf->sgetc(), traits::to_int_type('\n'))) {
        buf->sbumpc();
        ++bytes_;
      }
      break;
    }
    if (line.size() < max_line_bytes) line += ch;
    else too_long = true;
  }
  if (!any) return Got::end;
  if (++lines_ > max_file_lines) {
    stopped_ = true;
    problem_ = "The input has more than " + limit_text(max_file_lines) + " lines; the rest was not read.";
    line.clear();
    return Got::too_much;
  }
  if (too_long) {
    line.clear();
    problem_ = "the line is longer than " + limit_text(max_line_bytes) + " bytes";
    return Got::too_long;
  }
  return Got::line;
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
