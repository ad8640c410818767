#include "state/fileio.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

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

Result<Lines> read_lines(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    return Failure{"The file " + path.filename().string() + " is missing (" + path.string() + ")."};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure{"The file " + path.string() + " could not be opened."};
  std::string contents;
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  if (size < 0) return Failure{"The file " + path.string() + " could not be read."};
  contents.resize(static_cast<std::size_t>(size));
  in.seekg(0, std::ios::beg);
  in.read(contents.data(), size);
  if (!in && !in.eof()) return Failure{"The file " + path.string() + " could not be read."};
  return split_lines(contents);
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
