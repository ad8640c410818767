#include "state/saves.h"

#include <cctype>
#include <system_error>

#include "state/date.h"
#include "state/fileio.h"
#include "state/history.h"
#include "state/ledger.h"
#include "state/invariants.h"
#include "state/tables.h"

namespace rv {

namespace {

bool same_name_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

fs::path staging_folder(const Home& home, std::string_view name) {
  return home.root() / ("." + std::string(name) + ".saving");
}
fs::path previous_folder(const Home& home, std::string_view name) {
  return home.root() / ("." + std::string(name) + ".previous");
}

// A save interrupted between moving the old folder aside and moving the new one in leaves only
// the previous folder: put it back.
void recover_interrupted_save(const Home& home, std::string_view name) {
  std::error_code ec;
  const fs::path folder = home.save_folder(name);
  const fs::path previous = previous_folder(home, name);
  if (!fs::exists(folder, ec) && fs::is_directory(previous, ec)) fs::rename(previous, folder, ec);
}

}  // namespace

std::vector<std::string> list_saves(const Home& home) { return list_files(home.root(), "*.sav"); }

Result<SaveInfo> read_save_info(const Home& home, std::string_view sav_file) {
  auto lines = read_lines(home.root() / std::string(sav_file));
  if (!lines) return Failure{lines.error()};
  if (lines->empty() || lines->front().empty()) {
    return Failure{"The save description " + std::string(sav_file) + " is empty."};
  }
  const std::string own_name = fs::path(std::string(sav_file)).stem().string();
  if (lines->front() != own_name || !save_name_problems(own_name).empty()) {
    return Failure{"The save description " + std::string(sav_file) + " names the save '" + lines->front() +
                   "' instead of its own, " + own_name + ". It was left as it was."};
  }
  SaveInfo info;
  info.folder = (*lines)[0];
  info.game_info = line_at(*lines, 1);
  info.saved_on = line_at(*lines, 2);
  info.saved_at = line_at(*lines, 3);
  return info;
}

std::string load_screen_info(const SaveInfo& info) {
  return "Game Info:\n" + info.game_info + "\nSaved on: " + info.saved_on + " at " + info.saved_at + ".";
}

std::string save_screen_info(const SaveInfo& info) {
  return info.game_info + "\nSaved on " + info.saved_on + " at " + info.saved_at + ".";
}

std::string game_info_line(const Store& store) {
  return store.md(md::player_name) + " (" + store.md(md::player_initials) + ") " + current_full_date(store);
}

std::vector<std::string> save_name_problems(std::string_view name) {
  std::vector<std::string> problems;
  for (char c : name) {
    const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!ok) problems.emplace_back(bad_save_name_message);
  }
  if (problems.empty()) {
    for (std::string_view reserved : {"Data", "Images", "Scenarios"}) {
      if (same_name_ignoring_case(name, reserved)) {
        problems.push_back("The name " + std::string(name) +
                           " belongs to one of the game's own folders. Please choose another name.");
      }
    }
  }
  return problems;
}

void merge_stipulations(Lines& saved, const Lines& data_set) {
  // Records are matched by position: a file cut short would match nothing and gain everything.
  if (saved.size() % rec::stipulation != 0 || data_set.size() % rec::stipulation != 0) return;
  const std::size_t saved_records = record_count(saved, rec::stipulation);
  for (std::size_t d = 0; d + rec::stipulation <= data_set.size(); d += rec::stipulation) {
    bool found = false;
    for (std::size_t s = 0; s < saved_records && !found; ++s) {
      const std::size_t base = s * rec::stipulation;
      found = saved[base + stip::match_type] == data_set[d + stip::match_type] &&
              saved[base + stip::name] == data_set[d + stip::name];
    }
    if (!found) {
      saved.insert(saved.end(), data_set.begin() + static_cast<std::ptrdiff_t>(d),
                   data_set.begin() + static_cast<std::ptrdiff_t>(d + rec::stipulation));
    }
  }
}

void upgrade_maindata(Store& store) {
  if (store.maindata.size() != md::old_line_count) return;
  store.maindata.push_back("");
  store.maindata.push_back("");
  store.maindata.push_back("0");
  const std::string& big_show = store.md(md::next_big_show_name);
  if (!big_show.empty() && big_show != none_text && store.md(md::next_big_show_date) == current_full_date(store)) {
    store.set_md(md::today_slot2, big_show);
  }
}

namespace {

// The history beside the tables: a save without one starts its history now, and rows that cannot
// be read are left out, with one message for the player; neither stops the load.
void read_saved_history(const fs::path& folder, Store& store) {
  std::error_code ec;
  const fs::path file = folder / std::string(history_file);
  if (!fs::exists(file, ec)) return;
  auto rows = read_lines(file, history_file_limits);
  if (!rows) {
    store.load_notice = rows.error() + " The promotion's history could not be read; it starts again from today.";
    return;
  }
  std::size_t unreadable = 0;
  store.history = readable_history_rows(std::move(*rows), unreadable);
  store.load_notice = unreadable_history_message(unreadable);
}

// The ledger likewise: a save without one starts an empty ledger; entries that cannot be read
// are left out, with one message.
void read_saved_ledger(const fs::path& folder, Store& store) {
  std::error_code ec;
  const fs::path file = folder / std::string(ledger_file);
  if (!fs::exists(file, ec)) return;
  std::string notice;
  if (auto rows = read_lines(file, history_file_limits)) {
    std::size_t unreadable = 0;
    store.ledger = readable_ledger_rows(std::move(*rows), unreadable);
    notice = unreadable_ledger_message(unreadable);
  } else {
    notice = rows.error() + " The promotion's ledger could not be read; it starts again from today.";
  }
  if (notice.empty()) return;
  if (!store.load_notice.empty()) store.load_notice += ' ';
  store.load_notice += notice;
}

// The staff's choices likewise: a save without them leaves every area with the player, and so
// does a file that cannot be read, with one message.
void read_saved_assistant(const fs::path& folder, Store& store) {
  std::error_code ec;
  const fs::path file = folder / std::string(assistant_file);
  if (!fs::exists(file, ec)) return;
  auto rows = read_lines(file);
  std::string notice;
  if (rows) {
    auto choices = read_assistant(*rows);
    if (choices) store.assistant = *choices;
    else notice = "The staff's choices could not be read (" + choices.error() + "); every area is back with you.";
  } else {
    notice = rows.error() + " The staff's choices could not be read; every area is back with you.";
  }
  if (notice.empty()) return;
  if (!store.load_notice.empty()) store.load_notice += ' ';
  store.load_notice += notice;
}

}  // namespace

Result<Store> read_game_folder(const Home& home, std::string_view folder_name) {
  if (folder_name.empty() || !save_name_problems(folder_name).empty()) {
    return Failure{"'" + std::string(folder_name) + "' is not the name of a saved game."};
  }
  recover_interrupted_save(home, folder_name);
  const fs::path folder = home.save_folder(folder_name);
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    return Failure{"The saved game folder '" + std::string(folder_name) + "' does not exist."};
  }
  Store store;
  for (const SavedTable& t : saved_tables) {
    auto lines = read_lines(folder / std::string(t.file));
    if (!lines) {
      return Failure{"The saved game '" + std::string(folder_name) + "' could not be loaded: " + lines.error()};
    }
    if (t.lines) {
      store.*t.lines = std::move(*lines);
      continue;
    }
    if (lines->size() % column_count != 0) {
      return Failure{"The saved game '" + std::string(folder_name) + "' could not be loaded: wrestlers.rv1 has " +
                     std::to_string(lines->size()) + " lines, which is not a whole number of workers (" +
                     std::to_string(column_count) + " lines each)."};
    }
    store.wrestlers.from_lines(*lines);
  }
  read_saved_history(folder, store);
  read_saved_ledger(folder, store);
  read_saved_assistant(folder, store);
  if (auto data_stips = read_lines(home.data() / "stipulations.rv1")) {
    merge_stipulations(store.stipulations, *data_stips);
  }
  upgrade_maindata(store);
  store.reset_matches();
  return store;
}

Result<Store> load_game_folder(const Home& home, std::string_view folder) {
  auto store = read_game_folder(home, folder);
  if (!store) return store;
  const auto problems = check_store(*store);
  if (problems.empty()) return store;
  const std::string text = "The saved game '" + std::string(folder) + "' is broken and was left as it was:";
  return Failure{listed(text, problems)};
}

Result<Store> load_game(const Home& home, std::string_view sav_file) {
  auto info = read_save_info(home, sav_file);
  if (!info) return Failure{info.error()};
  return load_game_folder(home, info->folder);
}

Result<OpenedSave> open_save(const Home& home, std::string_view sav_file) {
  auto info = read_save_info(home, sav_file);
  if (!info) return Failure{info.error()};
  auto store = load_game_folder(home, info->folder);
  if (!store) return Failure{store.error()};
  return OpenedSave{std::move(*store), std::move(info->folder)};
}

bool save_exists(const Home& home, std::string_view name) {
  std::error_code ec;
  return fs::exists(home.sav_file(name), ec) || fs::exists(home.save_folder(name), ec);
}

namespace {

// Writes every table and the description into the staging folder and the description's
// temporary file, and flushes them to the disk.
Status write_staging(const Store& store, const fs::path& staging, const fs::path& sav_temp, std::string_view name,
                     const WallTime& now, const DiskSync& disk) {
  for (const SavedTable& t : saved_tables) {
    const fs::path file = staging / std::string(t.file);
    const Status s = t.lines ? write_lines(file, store.*t.lines) : write_lines(file, store.wrestlers.to_lines());
    if (!s) return s;
    if (const Status f = disk.flush(file); !f) return f;
  }
  const fs::path history = staging / std::string(history_file);
  if (const Status h = write_lines(history, store.history); !h) return h;
  if (const Status f = disk.flush(history); !f) return f;
  const fs::path ledger = staging / std::string(ledger_file);
  if (const Status l = write_lines(ledger, store.ledger); !l) return l;
  if (const Status f = disk.flush(ledger); !f) return f;
  const fs::path assistant = staging / std::string(assistant_file);
  if (const Status a = write_lines(assistant, assistant_lines(store.assistant)); !a) return a;
  if (const Status f = disk.flush(assistant); !f) return f;
  if (const Status f = disk.flush(staging); !f) return f;
  const Lines description = {std::string(name), game_info_line(store), wall_date_text(now), wall_time_text(now)};
  if (const Status s = write_lines(sav_temp, description); !s) return s;
  return disk.flush(sav_temp);
}

}  // namespace

Status save_game(const Store& store, const Home& home, std::string_view name, const WallTime& now,
                 const DiskSync& disk) {
  if (!save_name_problems(name).empty() || name.empty()) {
    return Failure{"'" + std::string(name) + "' cannot be used as the name of a saved game."};
  }
  std::error_code ec;
  const fs::path staging = staging_folder(home, name);
  const fs::path folder = home.save_folder(name);
  const fs::path previous = previous_folder(home, name);
  const fs::path sav = home.sav_file(name);
  const bool had_folder = fs::exists(folder, ec);
  if (had_folder && !fs::is_directory(folder, ec)) {
    return Failure{"The save could not be written: " + folder.string() + " is a file, not a saved game folder."};
  }
  fs::remove_all(staging, ec);
  fs::create_directories(staging, ec);
  if (ec) return Failure{"The save could not be written: the folder could not be created (" + ec.message() + ")."};

  const fs::path sav_temp = sav.string() + ".tmp";
  auto fail = [&](const std::string& why) -> Status {
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    fs::remove(sav_temp, ignored);
    return Failure{"The save could not be written: " + why + " Your previous save is unchanged."};
  };
  if (const Status s = write_staging(store, staging, sav_temp, name, now, disk); !s) return fail(s.error());

  // Swap the new folder in.
  fs::remove_all(previous, ec);
  if (had_folder) {
    fs::rename(folder, previous, ec);
    if (ec) return fail("the old save folder could not be moved aside (" + ec.message() + ").");
  }
  fs::rename(staging, folder, ec);
  if (ec) {
    std::error_code ignored;
    if (had_folder) fs::rename(previous, folder, ignored);
    return fail("the new save folder could not be moved into place (" + ec.message() + ").");
  }
  fs::rename(sav_temp, sav, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    if (had_folder) fs::rename(previous, folder, ignored);
    return fail("the save description could not be written (" + ec.message() + ").");
  }
  (void)disk.flush(home.root());  // the renames; the save is whole either way
  if (had_folder) {
    // Keep anything else the player left in the folder.
    for (fs::directory_iterator it(previous, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path target = folder / it->path().filename();
      std::error_code ignored;
      if (!fs::exists(target, ignored)) fs::rename(it->path(), target, ignored);
    }
    std::error_code ignored;
    fs::remove_all(previous, ignored);
  }
  return success();
}

Status delete_save(const Home& home, std::string_view sav_file) {
  auto info = read_save_info(home, sav_file);
  if (!info) return Failure{info.error()};
  std::error_code ec;
  const fs::path folder = home.save_folder(info->folder);
  if (!save_name_problems(info->folder).empty()) {
    return Failure{"The save description " + std::string(sav_file) + " names the folder '" + info->folder +
                   "', which is not a saved game. Nothing was deleted."};
  }
  fs::remove(home.root() / std::string(sav_file), ec);
  if (ec) return Failure{"The saved game could not be deleted: " + ec.message() + "."};
  for (const SavedTable& t : saved_tables) fs::remove(folder / std::string(t.file), ec);
  fs::remove(folder / std::string(history_file), ec);
  fs::remove(folder / std::string(ledger_file), ec);
  fs::remove(folder / std::string(assistant_file), ec);
  fs::remove(folder, ec);  // only removed when nothing else is left in it
  return success();
}

}  // namespace rv
