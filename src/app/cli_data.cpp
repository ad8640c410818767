// ringvale-cli check-data: checks a data set or scenario folder.
#include "app/cli_commands.h"
#include "state/datacheck.h"

namespace rv::cli {

int cmd_check_data(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.positional.size() != 1) {
    err << "Usage: ringvale-cli check-data DIR\n";
    return exit_usage;
  }
  const DataSetCheck check = check_data_set(args.positional[0]);
  for (const auto& p : check.problems) out << p << "\n";
  if (!check.problems.empty()) {
    err << check.problems.size() << " problem(s) found.\n";
    return exit_failure;
  }
  out << summary_line(check.summary) << "\n";
  return exit_ok;
}

}  // namespace rv::cli
