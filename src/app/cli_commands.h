#pragma once
// The commands of ringvale-cli. Each prints to `out` and `err` and returns the exit code.
#include <ostream>

#include "app/cli_args.h"

namespace rv::cli {

int cmd_resave(const Args& args, std::ostream& out, std::ostream& err);
int cmd_check_save(const Args& args, std::ostream& out, std::ostream& err);
int cmd_check_data(const Args& args, std::ostream& out, std::ostream& err);
int cmd_new_game(const Args& args, std::ostream& out, std::ostream& err);
int cmd_next_day(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace rv::cli
