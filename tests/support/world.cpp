#include "support/world.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include "state/calendar.h"
#include "state/fileio.h"

namespace rvtest {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  path_ = fs::temp_directory_path() /
          ("ringvale-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::array<std::string, rv::column_count> worker_row(const std::string& name, const std::string& promotion,
                                                     const std::string& gender, int pop) {
  return {name,  name.substr(0, name.find(' ')), promotion, "All", gender, std::to_string(pop), "60",
          "A worker.", promotion == "Free Agent" ? "Free Agent" : "June 2008", "2000", "Yes", "500", "None",
          "2", "Face", "Spin Drop", "Slam", "None", "None", "0", "Active", "90", "None", "Technical", "70",
          "12", "55", "40", "Heavy", "50", "UK"};
}

rv::Lines promotion_record(const std::string& initials, const std::string& name, int size_level) {
  rv::Lines r(rv::rec::promotion, "");
  using namespace rv::prom;
  r[rv::prom::initials] = initials;
  r[full_name] = name;
  r[logo] = "NA";
  r[rv::prom::size_level] = std::to_string(size_level);
  r[balance] = "1500000";
  r[website] = "www.example.test";
  r[slogan] = "Test slogan";
  r[roster_split] = "No";
  r[tv_status] = "Regional";
  r[regular_shows + show::name] = name + " Weekly";
  r[regular_shows + show::weekday] = "Thursday";
  r[regular_shows + show::brand] = "All";
  r[regular_shows + show::kind] = "TV";
  r[regular_shows + show::rating] = "50";
  r[regular_shows + show::audience] = "300";
  r[house_attendance] = "400";
  r[tv_attendance] = "300";
  r[big_show_attendance] = "900";
  r[popularity] = "40";
  r[ppv_deal] = "No";
  for (std::size_t m = 0; m < 12; ++m) {
    r[monthly_big_shows + m * monthly_big_show_size + 1] = "All";
    r[monthly_big_shows + m * monthly_big_show_size + 2] = "NA";
  }
  r[short_titles] = name + " Title";
  r[short_titles + 1] = name + " Champion";
  r[short_titles + 2] = "80";
  r[short_titles + 6] = "50";
  r[short_titles + 8] = "Vacant";
  r[short_titles + 10] = "No Record Yet";
  r[short_titles + 13] = "Title history line one";
  r[short_titles + 14] = "Title history line two";
  r[interviewer1] = "None";
  r[interviewer2] = "None";
  r[country] = "UK";
  r[next_big_show_name] = "None";
  return r;
}

rv::Lines small_maindata() {
  rv::Lines md(rv::md::line_count, "");
  md[rv::md::player_initials] = "RVA";
  md[rv::md::player_name] = "Player 1";
  md[rv::md::weekday] = "Monday";
  md[rv::md::day_number] = "1";
  md[rv::md::month] = "January";
  md[rv::md::year] = "2007";
  md[rv::md::board_rating] = "50";
  md[rv::md::board_state] = "No";
  md[rv::md::turn_freshness] = "100";
  md[rv::md::next_big_show_name] = "None";
  md[rv::md::venue_file] = "venues.txt";
  md[rv::md::main_caption] = std::string(rv::caption_of(rv::MainAction::next_day));
  md[rv::md::day_heading] = "No Shows Today";
  md[rv::md::spare_251] = "0";
  md[rv::md::review_weeks] = "0";
  for (std::size_t level = 1; level <= 6; ++level) md[rv::md::money_baseline_base + level] = std::to_string(level * 250000);
  return md;
}

rv::NewMessage rival_offer(const std::string& worker, const std::string& from, int days, const std::string& amount) {
  rv::NewMessage m;
  m.sender = "Ringvale Beta";
  m.subject = "Offer For " + worker;
  m.body = "A rival wants " + worker + ".";
  m.kind = "OFFER";
  m.days_left = days;
  m.ref1 = from;
  m.ref2 = worker;
  m.ref3 = amount;
  return m;
}

void start_feud(rv::Store& s, const std::string& first, const std::string& second, const std::string& state,
                const std::string& duration) {
  s.set_md(rv::md::feuds_first + rv::feud::type, "Singles");
  s.set_md(rv::md::feuds_first + rv::feud::worker1, first);
  s.set_md(rv::md::feuds_first + rv::feud::worker2, second);
  if (!state.empty()) s.set_md(rv::md::feuds_first + rv::feud::state, state);
  if (!duration.empty()) s.set_md(rv::md::feuds_first + rv::feud::duration, duration);
}

rv::Store small_store() {
  rv::Store s;
  s.maindata = small_maindata();
  for (const auto& line : promotion_record("RVA", "Ringvale Alpha", 4)) s.promotions.push_back(line);
  for (const auto& line : promotion_record("RVB", "Ringvale Beta", 1)) s.promotions.push_back(line);
  for (int i = 0; i < 10; ++i) s.wrestlers.add(worker_row("Alpha Worker " + std::to_string(i), "RVA", i % 3 ? "Male" : "Female"));
  for (int i = 0; i < 10; ++i) s.wrestlers.add(worker_row("Beta Worker " + std::to_string(i), "RVB"));
  for (int i = 0; i < 4; ++i) s.wrestlers.add(worker_row("Free Worker " + std::to_string(i), "Free Agent"));
  rv::Lines stip(rv::rec::stipulation, "0");
  stip[0] = "Singles";
  stip[1] = "Steel Cage";
  s.stipulations = stip;
  rv::create_calendar(s);
  s.reset_matches();
  return s;
}

void write_small_world(const rv::Home& home) {
  const rv::Store s = small_store();
  fs::create_directories(home.data());
  fs::create_directories(home.images());
  fs::create_directories(home.scenarios());
  rv::write_lines(home.data() / "maindata.rv1", s.maindata);
  rv::write_lines(home.data() / "stipulations.rv1", s.stipulations);
  rv::write_lines(home.data() / "wrestlers.rv1", s.wrestlers.to_lines());
  for (std::size_t i = 0; i < s.promotion_count(); ++i) {
    rv::Lines rec(s.promotions.begin() + static_cast<std::ptrdiff_t>(i * rv::rec::promotion),
                  s.promotions.begin() + static_cast<std::ptrdiff_t>((i + 1) * rv::rec::promotion));
    rv::write_lines(home.data() / (rec[0] + ".fed"), rec);
  }
  rv::Lines indy = promotion_record("Indy Initials", "", 1);
  indy[rv::prom::balance] = "600000";
  indy[rv::prom::short_titles] = "";
  rv::write_lines(home.data() / "New Indy.rv1", indy);
  rv::write_lines(home.data() / "venues.txt", {"Harbour Hall", "Harbour Hall, Dockside", "Portsmouth", "400", "UK", "123",
                                              "Old Mill Arena", "Old Mill, Riverside", "Leeds", "5000", "UK", "3456"});
  rv::write_lines(home.data() / "alteregos.rv1", {"Alpha Worker 1", "The Masked One", "2003", "2005"});
  auto library = [&](const char* file, std::size_t size, const std::string& text) {
    rv::Lines record(size, "Any");
    record[size - 2] = text;
    record[size - 1] = "-BLANK-";
    rv::write_lines(home.data() / file, record);
  };
  library("normreports.rv1", 26, "<att1fullname> pins <recfullname> after the <attfinisher>.");
  library("feudreports.rv1", 34, "<feudname1> and <feudname2> brawl.");
  library("turnreports.rv1", 23, "<att1shortname> turns on <atttagpartner>!");
  library("interviews.rv1", 9, "<interviewer> talks to <wrestler1longname> in <town>.");
  library("talkshow.rv1", 9, "<hostname> welcomes <guest1longname> to <talkshowname>.");
}

std::string file_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_bytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace rvtest
