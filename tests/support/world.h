#pragma once
// A small hand-made world for tests: a few promotions and workers, a full maindata.
#include <array>
#include <filesystem>
#include <string>

#include "state/home.h"
#include "state/inbox.h"
#include "state/store.h"

namespace rvtest {

namespace fs = std::filesystem;

// A fresh folder under the system temp folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::array<std::string, rv::column_count> worker_row(const std::string& name, const std::string& promotion,
                                                     const std::string& gender = "Male", int pop = 50);
rv::Lines promotion_record(const std::string& initials, const std::string& name, int size_level);
rv::Lines small_maindata();

// Two promotions ("RVA" size 4, player; "RVB" size 1), ten workers each, four free agents,
// the date Monday 1st January 2007 and a 42-day calendar.
rv::Store small_store();

// Writes the small world as a whole data set into home/Data: the tables, the promotions, venues,
// alter egos and a record of each text library.
void write_small_world(const rv::Home& home);

// A rival's offer for a worker ("Offer For <worker>"), as the rivals post it.
rv::NewMessage rival_offer(const std::string& worker, const std::string& from = "RVB", int days = 2,
                           const std::string& amount = "300000");
// A singles feud between two workers in the first feud slot.
void start_feud(rv::Store& s, const std::string& first, const std::string& second, const std::string& state = "",
                const std::string& duration = "");

// Reads a whole file as bytes.
std::string file_bytes(const fs::path& path);
void write_bytes(const fs::path& path, const std::string& bytes);

}  // namespace rvtest
