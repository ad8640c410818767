#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "state/fileio.h"
#include "state/ledger.h"
#include "state/saves.h"
#include "state/tables.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;
using rvtest::file_bytes;
using rvtest::write_bytes;

const rv::WallTime noon{2026, 12, 5, 12, 0, 0, 1};

std::string crlf(const rv::Lines& lines) { return rv::join_lines(lines); }

// Writes a save by hand, the way an older version or a player's editor may have left it.
void write_hand_made_save(const rv::Home& home, const std::string& name) {
  rv::Store s = rvtest::small_store();
  s.worker(2).set(rv::Col::pop, "lots");         // not a number in a numeric column
  s.set_md(150, "a line nobody names");          // an unnamed maindata line
  s.promotions[rv::prom::slogan] = "";           // an empty line inside a record
  s.promotions[rv::prom::website] = "caf\xe9 wrestling";  // a Windows-1252 byte
  const fs::path dir = home.save_folder(name);
  write_bytes(dir / "maindata.rv1", crlf(s.maindata));
  write_bytes(dir / "promotions.rv1", crlf(s.promotions));
  write_bytes(dir / "wrestlers.rv1", crlf(s.wrestlers.to_lines()));
  write_bytes(dir / "stipulations.rv1", crlf(s.stipulations));
  write_bytes(dir / "calendar.rv1", crlf(s.calendar));
  // An LF file and some empty tables.
  write_bytes(dir / "titlehistory.rv1", "World Title\nMonday 1st January 2007\nWorld Title Created\n");
  for (const char* f : {"turns.rv1", "weeklytop10.rv1", "neglist.rv1", "indydates.rv1", "indydates2.rv1", "inbox.rv1"}) {
    write_bytes(dir / f, "");
  }
  write_bytes(home.sav_file(name), crlf({name, "Player 1 (RVA) Monday 1st January 2007", "01/01/2026", "10:00:00"}));
}

struct SaveFixture : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home home{dir.path()};
  void SetUp() override { rvtest::write_small_world(home); }
};

TEST_F(SaveFixture, LoadThenSaveWritesTheSameBytes) {
  write_hand_made_save(home, "Slot1");
  std::map<std::string, std::string> before;
  for (const auto& t : rv::saved_tables) before[std::string(t.file)] = file_bytes(home.save_folder("Slot1") / std::string(t.file));

  auto store = rv::load_game(home, "Slot1.sav");
  ASSERT_TRUE(store.ok()) << store.error();
  EXPECT_EQ(store->worker(2).pop(), 0);
  EXPECT_EQ(store->md(150), "a line nobody names");
  ASSERT_TRUE(rv::save_game(*store, home, "Slot1", noon).ok());

  for (const auto& t : rv::saved_tables) {
    const std::string_view f = t.file;
    const std::string after = file_bytes(home.save_folder("Slot1") / std::string(f));
    if (f == "titlehistory.rv1") {
      EXPECT_EQ(after, "World Title\r\nMonday 1st January 2007\r\nWorld Title Created\r\n");  // LF read, CRLF written
    } else {
      EXPECT_EQ(after, before[std::string(f)]) << f;
    }
  }
  EXPECT_EQ(file_bytes(home.sav_file("Slot1")),
            "Slot1\r\nPlayer 1 (RVA) Monday 1st January 2007\r\n05/12/2026\r\n12:00:00\r\n");
}

TEST_F(SaveFixture, OlderMaindataIsBroughtUpToDate) {
  write_hand_made_save(home, "Old");
  rv::Lines md = rv::split_lines(file_bytes(home.save_folder("Old") / "maindata.rv1"));
  md.resize(rv::md::old_line_count);
  md[rv::md::next_big_show_name] = "Winter Rumble";
  md[rv::md::next_big_show_date] = "Monday 1st January 2007";
  write_bytes(home.save_folder("Old") / "maindata.rv1", crlf(md));
  auto store = rv::load_game(home, "Old.sav");
  ASSERT_TRUE(store.ok()) << store.error();
  ASSERT_EQ(store->maindata.size(), rv::md::line_count);
  EXPECT_EQ(store->md(249), "");
  EXPECT_EQ(store->md(rv::md::today_slot2), "Winter Rumble");  // the big show is today
  EXPECT_EQ(store->md(251), "0");

  // Any other length is left alone.
  md.resize(240);
  write_bytes(home.save_folder("Old") / "maindata.rv1", crlf(md));
  auto odd = rv::read_game_folder(home, "Old");
  ASSERT_TRUE(odd.ok());
  EXPECT_FALSE(rv::load_game(home, "Old.sav").ok());  // and such a save is not sound
  EXPECT_EQ(odd->maindata.size(), 240u);
}

TEST_F(SaveFixture, DataSetStipulationsAreMergedIntoOlderSaves) {
  write_hand_made_save(home, "Slot1");
  rv::Lines data(rv::rec::stipulation * 3, "5");
  data[0] = "Singles";  // same as the saved one: not added again
  data[1] = "Steel Cage";
  data[19] = "Singles";  // same type, new name: added
  data[20] = "Ladder";
  data[38] = "Tag Team";  // new type, saved name: added
  data[39] = "Steel Cage";
  rv::write_lines(home.data() / "stipulations.rv1", data);
  auto store = rv::load_game(home, "Slot1.sav");
  ASSERT_TRUE(store.ok());
  ASSERT_EQ(store->stipulations.size(), 3 * rv::rec::stipulation);
  EXPECT_EQ(store->stipulations[2], "0");  // the saved record is kept as it was
  EXPECT_EQ(store->stipulations[20], "Ladder");
  EXPECT_EQ(store->stipulations[38], "Tag Team");
}

TEST_F(SaveFixture, BrokenSavesAreRefusedWithAMessageNamingTheProblem) {
  write_hand_made_save(home, "Slot2");
  rv::Lines w = rv::split_lines(file_bytes(home.save_folder("Slot2") / "wrestlers.rv1"));
  w.pop_back();
  write_bytes(home.save_folder("Slot2") / "wrestlers.rv1", crlf(w));
  auto short_worker = rv::load_game(home, "Slot2.sav");
  ASSERT_FALSE(short_worker.ok());
  EXPECT_NE(short_worker.error().find("wrestlers.rv1"), std::string::npos);
  EXPECT_NE(short_worker.error().find("31"), std::string::npos);

  EXPECT_FALSE(rv::load_game(home, "Nothing.sav").ok());
  write_bytes(home.sav_file("Ghost"), "Ghost\r\n");
  EXPECT_FALSE(rv::load_game(home, "Ghost.sav").ok());
  write_bytes(home.sav_file("Empty"), "");
  EXPECT_FALSE(rv::load_game(home, "Empty.sav").ok());
}

TEST_F(SaveFixture, AFailedSaveLeavesThePreviousSaveWhole) {
  write_hand_made_save(home, "Slot1");
  const std::string old_main = file_bytes(home.save_folder("Slot1") / "maindata.rv1");
  const std::string old_sav = file_bytes(home.sav_file("Slot1"));
  auto store = rv::load_game(home, "Slot1.sav");
  ASSERT_TRUE(store.ok());
  store->set_md(rv::md::player_name, "Changed");
  // A folder standing where the new description must be written makes the save fail after
  // every table has been written.
  fs::create_directories(home.root() / "Slot1.sav.tmp" / "x");
  const rv::Status s = rv::save_game(*store, home, "Slot1", noon);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(file_bytes(home.save_folder("Slot1") / "maindata.rv1"), old_main);
  EXPECT_EQ(file_bytes(home.sav_file("Slot1")), old_sav);
  EXPECT_FALSE(fs::exists(home.root() / ".Slot1.saving"));
  EXPECT_NE(s.error().find("previous save is unchanged"), std::string::npos);
}

TEST_F(SaveFixture, AnInterruptedSwapIsRepairedOnLoad) {
  write_hand_made_save(home, "Slot1");
  // The moment between moving the old folder aside and moving the new one in.
  fs::rename(home.save_folder("Slot1"), home.root() / ".Slot1.previous");
  auto store = rv::load_game(home, "Slot1.sav");
  ASSERT_TRUE(store.ok()) << store.error();
  EXPECT_TRUE(fs::is_directory(home.save_folder("Slot1")));
}

TEST_F(SaveFixture, NewSaveNamesAreLettersAndDigitsOnly) {
  EXPECT_TRUE(rv::save_name_problems("A").empty());
  EXPECT_TRUE(rv::save_name_problems("Season2").empty());
  EXPECT_EQ(rv::save_name_problems("My Save!").size(), 2u);  // one message per offending character
  EXPECT_EQ(rv::save_name_problems("caf\xe9").size(), 1u);
  EXPECT_EQ(rv::save_name_problems("data").size(), 1u);  // the game's own folder
  const rv::Store s = rvtest::small_store();
  EXPECT_FALSE(rv::save_game(s, home, "../x", noon).ok());
  EXPECT_FALSE(rv::save_game(s, home, "Data", noon).ok());
  EXPECT_TRUE(fs::exists(home.data() / "maindata.rv1"));
}

TEST_F(SaveFixture, SaveListDescriptionAndDelete) {
  const rv::Store s = rvtest::small_store();
  ASSERT_TRUE(rv::save_game(s, home, "Alpha", noon).ok());
  ASSERT_TRUE(rv::save_game(s, home, "Beta", noon).ok());
  EXPECT_EQ(rv::list_saves(home), (std::vector<std::string>{"Alpha.sav", "Beta.sav"}));
  auto info = rv::read_save_info(home, "Alpha.sav");
  ASSERT_TRUE(info.ok());
  EXPECT_EQ(rv::load_screen_info(*info),
            "Game Info:\nPlayer 1 (RVA) Monday 1st January 2007\nSaved on: 05/12/2026 at 12:00:00.");
  EXPECT_EQ(rv::save_screen_info(*info), "Player 1 (RVA) Monday 1st January 2007\nSaved on 05/12/2026 at 12:00:00.");

  write_bytes(home.save_folder("Alpha") / "notes.txt", "mine");
  ASSERT_TRUE(rv::save_game(s, home, "Alpha", noon).ok());  // overwriting keeps the player's own file
  EXPECT_TRUE(fs::exists(home.save_folder("Alpha") / "notes.txt"));
  fs::remove(home.save_folder("Alpha") / "notes.txt");

  ASSERT_TRUE(rv::delete_save(home, "Alpha.sav").ok());
  EXPECT_FALSE(fs::exists(home.sav_file("Alpha")));
  EXPECT_FALSE(fs::exists(home.save_folder("Alpha")));
  EXPECT_EQ(rv::list_saves(home), (std::vector<std::string>{"Beta.sav"}));

  // A description that points at the data folder deletes nothing.
  write_bytes(home.sav_file("Evil"), "Data\r\n");
  EXPECT_FALSE(rv::delete_save(home, "Evil.sav").ok());
  EXPECT_TRUE(fs::exists(home.data() / "maindata.rv1"));
}

// Untrusted saves: what a careless or hostile hand may leave in the game home.
TEST_F(SaveFixture, ADescriptionMustNameItsOwnSave) {
  // A home inside the test's own folder, so that what lies beside it is the test's alone.
  const rv::Home inner{dir.path() / "inner"};
  rvtest::write_small_world(inner);
  write_hand_made_save(inner, "Slot1");
  fs::create_directories(inner.root() / ".." / ".x.previous");  // what a swap repair would rename
  for (const std::string first : {"./../x", "Slot2", ""}) {
    write_bytes(inner.sav_file("Slot1"), crlf({first, "Player 1 (RVA) Monday 1st January 2007", "01/01/2026", "10:00"}));
    EXPECT_FALSE(rv::load_game(inner, "Slot1.sav").ok()) << first;
    EXPECT_FALSE(rv::delete_save(inner, "Slot1.sav").ok()) << first;
  }
  EXPECT_FALSE(fs::exists(inner.root() / ".." / "x"));
  fs::remove_all(inner.root() / ".." / ".x.previous");
}

TEST_F(SaveFixture, UnsoundTablesAreRefused) {
  write_hand_made_save(home, "Slot1");
  const fs::path stips = home.save_folder("Slot1") / "stipulations.rv1";
  rv::Lines lines = rv::split_lines(file_bytes(stips));
  lines.pop_back();
  write_bytes(stips, crlf(lines));
  EXPECT_FALSE(rv::load_game(home, "Slot1.sav").ok());
  EXPECT_EQ(rv::read_game_folder(home, "Slot1")->stipulations.size(), lines.size());  // nothing merged into it

  const auto refused = [&](const std::function<void(rv::Store&)>& spoil) {
    rv::Store s = rvtest::small_store();
    spoil(s);
    return rv::save_game(s, home, "Slot", noon).ok() && !rv::load_game(home, "Slot.sav").ok();
  };
  EXPECT_TRUE(refused([](rv::Store& s) { s.set_md(rv::md::day_number, "31"), s.set_md(rv::md::month, "February"); }));
  EXPECT_TRUE(refused([](rv::Store& s) { s.set_md(rv::md::day_number, "0"); }));
  EXPECT_TRUE(refused([](rv::Store& s) { s.set_md(rv::md::day_number, "29"), s.set_md(rv::md::month, "February"); }));
  EXPECT_TRUE(refused([](rv::Store& s) { s.calendar[rv::cal::date] = "Wednesday 31st February 1999"; }));
  EXPECT_TRUE(refused([](rv::Store& s) { s.promotions[rv::prom::balance] = "9223372036854775807"; }));
  EXPECT_TRUE(refused([](rv::Store& s) { s.worker(0).set(rv::Col::wages, "-5"); }));
}

TEST_F(SaveFixture, APlainFileNamedLikeTheSaveIsNeverReplaced) {
  write_bytes(home.save_folder("Notes"), "mine");
  EXPECT_FALSE(rv::save_game(rvtest::small_store(), home, "Notes", noon).ok());
  EXPECT_EQ(file_bytes(home.save_folder("Notes")), "mine");
}

struct RecordingDisk final : rv::DiskSync {
  mutable std::vector<fs::path> flushed;
  rv::Status flush(const fs::path& path) const override { return flushed.push_back(path), rv::success(); }
};

TEST_F(SaveFixture, EveryFileReachesTheDiskBeforeTheSwap) {
  RecordingDisk disk;
  ASSERT_TRUE(rv::save_game(rvtest::small_store(), home, "Slot", noon, disk).ok());
  // The tables, the history, the ledger, the staff's choices, their folder, the description.
  EXPECT_EQ(disk.flushed.size(), rv::saved_tables.size() + 6);
  const fs::path ledger = home.root() / ".Slot.saving" / std::string(rv::ledger_file);
  EXPECT_NE(std::find(disk.flushed.begin(), disk.flushed.end(), ledger), disk.flushed.end());
  EXPECT_EQ(disk.flushed.front(), home.root() / ".Slot.saving" / std::string(rv::saved_tables[0].file));
  EXPECT_EQ(disk.flushed.back(), home.root());  // the renames themselves
}

}  // namespace
