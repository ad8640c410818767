// The aligned tables the reading commands of ringvale-cli print.
#include <algorithm>

#include "app/cli_commands.h"

namespace rv::cli {

void print_aligned(const std::vector<std::vector<std::string>>& rows, std::span<const bool> to_the_right,
                   std::ostream& out) {
  std::vector<std::size_t> width;
  for (const auto& row : rows) {
    if (width.size() < row.size()) width.resize(row.size(), 0);
    for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string pad(width[i] - row[i].size(), ' ');
      const bool right = i < to_the_right.size() && to_the_right[i];
      if (i > 0) line += "  ";
      line += right ? pad + row[i] : row[i] + pad;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

}  // namespace rv::cli
