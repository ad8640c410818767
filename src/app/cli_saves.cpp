// ringvale-cli resave / check-save: load a save, write it back or check its invariants.
#include "app/cli_commands.h"
#include "state/invariants.h"
#include "state/saves.h"

namespace rv::cli {

namespace {

struct SaveTarget {
  Home home;
  std::string name;
};

std::optional<SaveTarget> save_target(const Args& args, std::ostream& err) {
  auto home = args.get("home");
  if (!home || home->empty() || !args.has("save")) {
    err << "Usage: ringvale-cli " << args.command << " --home DIR --save NAME\n";
    return std::nullopt;
  }
  auto name = save_option(args, err);
  if (!name) return std::nullopt;
  return SaveTarget{Home(*home), *name};
}

// Loads the target's save (refused when unsound, unless `checked` is false), or prints why it
// cannot be loaded.
std::optional<Store> load_target(const SaveTarget& target, std::ostream& err, bool checked = true) {
  auto info = read_save_info(target.home, target.name + ".sav");
  auto store = !info ? Result<Store>(Failure{info.error()})
               : checked ? load_game_folder(target.home, info->folder)
                         : read_game_folder(target.home, info->folder);
  if (!store) {
    err << store.error() << "\n";
    return std::nullopt;
  }
  tell_load_notice(*store, err);
  return std::move(*store);
}

}  // namespace

int cmd_resave(const Args& args, std::ostream& out, std::ostream& err) {
  auto target = save_target(args, err);
  if (!target) return exit_usage;
  auto store = load_target(*target, err);
  if (!store) return exit_failure;
  const Status saved = save_game(*store, target->home, target->name, save_time());
  if (!saved) {
    err << saved.error() << "\n";
    return exit_failure;
  }
  out << save_successful_message << "\n";
  return exit_ok;
}

int cmd_check_save(const Args& args, std::ostream& out, std::ostream& err) {
  auto target = save_target(args, err);
  if (!target) return exit_usage;
  auto store = load_target(*target, err, false);
  if (!store) return exit_failure;
  const auto problems = check_store(*store);
  for (const auto& p : problems) out << p << "\n";
  if (!problems.empty()) return exit_failure;
  out << "The saved game " << target->name << " is consistent.\n";
  return exit_ok;
}

}  // namespace rv::cli
