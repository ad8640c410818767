// Reading line files and typed input: every line end a Windows editor or a Unix one leaves, and
// the size limits, each at its edge.
#include <gtest/gtest.h>

#include <sstream>

#include "state/fileio.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t mib = 1024 * 1024;
constexpr std::size_t line_limit = mib;       // bytes on one line
constexpr std::size_t size_limit = 32 * mib;  // bytes in all
constexpr std::size_t lines_limit = 2'000'000;

TEST(LineEnds, CrLfLfAndALoneCrEachEndOneLine) {
  const struct {
    std::string_view contents;
    rv::Lines lines;
    std::size_t breaks;
  } cases[] = {
      {"a\rb\r", {"a", "b"}, 2},
      {"a\rb", {"a", "b"}, 1},
      {"a\r\rb", {"a", "", "b"}, 2},
      {"a\r\nb", {"a", "b"}, 1},
      {"a\n\rb", {"a", "", "b"}, 2},  // LF, then a CR of its own
      {"a\r\r\n", {"a", ""}, 2},
      {"\r", {""}, 1},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, 3},
      {"abc", {"abc"}, 0},
      {"", {}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rv::split_lines(c.contents), c.lines) << c.contents;
    EXPECT_EQ(rv::count_line_breaks(c.contents), c.breaks) << c.contents;
  }
  EXPECT_EQ(rv::join_lines({"a", ""}), "a\r\n\r\n");
  EXPECT_EQ(rv::data_path("Scenarios\\Old\\venues.txt"), fs::path("Scenarios/Old/venues.txt"));
}

// `count` lines of `bytes` bytes each, line break included.
std::string lines_of(std::size_t count, std::size_t bytes) {
  std::string line(bytes - 1, 'x');
  line += '\n';
  std::string all;
  all.reserve(count * bytes);
  for (std::size_t i = 0; i < count; ++i) all += line;
  return all;
}

TEST(LineFileLimits, EachLimitTakesItsEdgeAndRefusesOneMore) {
  rvtest::TempDir dir;
  const fs::path file = dir.path() / "calendar.rv1";
  const struct {
    std::string contents;
    std::string refusal;  // empty: read
  } cases[] = {
      {"a\r\n" + std::string(line_limit, 'x') + "\r\n", ""},
      {"a\r\n" + std::string(line_limit + 1, 'x') + "\r\n", "has a line longer than 1,048,576 bytes (line 2)"},
      {std::string(lines_limit, '\n'), ""},
      {std::string(lines_limit + 1, '\r'), "has more than 2,000,000 lines"},
      {lines_of(32, mib), ""},  // 32 lines of a MiB: exactly the size limit
      {lines_of(32, mib) + "y", "is larger than 33,554,432 bytes"},
  };
  for (const auto& c : cases) {
    rvtest::write_bytes(file, c.contents);
    const auto read = rv::read_lines(file);
    const std::string where = std::to_string(c.contents.size()) + " bytes";
    if (c.refusal.empty()) {
      EXPECT_TRUE(read.ok()) << where << ": " << read.error();
    } else {
      ASSERT_FALSE(read.ok()) << where;
      EXPECT_NE(read.error().find("calendar.rv1 " + c.refusal), std::string::npos) << read.error();
    }
  }
}

TEST(LineFileLimits, AFileThatCannotBeReadSaysWhy) {
  rvtest::TempDir dir;
  fs::create_directory(dir.path() / "turns.rv1");
  const struct {
    fs::path path;
    std::string reason;
  } cases[] = {
      {"", "the file name is empty"},
      {dir.path() / "inbox.rv1", "inbox.rv1 is missing"},
      {dir.path() / "turns.rv1", "turns.rv1 is a folder"},
      {dir.path() / "bad\x1b[2Jname.rv1", "bad?[2Jname.rv1 is missing"},  // no control byte is shown
  };
  for (const auto& c : cases) {
    const auto read = rv::read_lines(c.path);
    ASSERT_FALSE(read.ok()) << c.path;
    EXPECT_NE(read.error().find(c.reason), std::string::npos) << read.error();
    EXPECT_EQ(read.error().find('\x1b'), std::string::npos) << read.error();
  }
}

// Everything a reader gives for the input: the lines, "<long>" for a refused line and "<stop>"
// when it stops for good.
std::vector<std::string> read_all(const std::string& input) {
  std::istringstream in(input);
  rv::LineReader reader(in);
  std::vector<std::string> got;
  std::string line;
  for (auto g = reader.next(line); g != rv::LineReader::Got::end; g = reader.next(line)) {
    if (g == rv::LineReader::Got::too_much) {
      got.push_back("<stop>");
      EXPECT_EQ(reader.next(line), rv::LineReader::Got::too_much);  // it stays stopped
      break;
    }
    got.push_back(g == rv::LineReader::Got::too_long ? "<long>" : line);
  }
  return got;
}

TEST(TypedInput, ReadWithTheLimitsOfAFile) {
  using V = std::vector<std::string>;
  EXPECT_EQ(read_all("a\rb\r\nc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(read_all("\r\n\n"), (V{"", ""}));
  EXPECT_EQ(read_all(""), V{});

  const std::string longest(line_limit, 'x');
  EXPECT_EQ(read_all("5\n" + longest + "\nok\n"), (V{"5", longest, "ok"}));
  EXPECT_EQ(read_all("5\n" + longest + "x\nok\n"), (V{"5", "<long>", "ok"}));  // the next line is read again

  const auto whole = read_all(lines_of(32, mib));
  EXPECT_EQ(whole.size(), 32u);
  EXPECT_EQ(whole.back(), std::string(mib - 1, 'x'));
  const auto over = read_all(lines_of(32, mib) + "y\n");
  EXPECT_EQ(over.size(), 33u);
  EXPECT_EQ(over.back(), "<stop>");

  EXPECT_EQ(read_all(std::string(lines_limit, '\n')).size(), lines_limit);
  const auto too_many = read_all(std::string(lines_limit + 1, '\n'));
  ASSERT_EQ(too_many.size(), lines_limit + 1);
  EXPECT_EQ(too_many.back(), "<stop>");
}

}  // namespace
