#include "state/datacheck.h"

#include <map>
#include <set>
#include <system_error>

#include "state/date.h"
#include "state/dates.h"
#include "state/fileio.h"
#include "state/layout.h"
#include "state/naming.h"
#include "state/ranges.h"
#include "state/store.h"
#include "state/text.h"

namespace rv {

namespace {

namespace fs = std::filesystem;

bool one_of(std::string_view value, std::initializer_list<std::string_view> allowed) {
  for (auto a : allowed) {
    if (value == a) return true;
  }
  return false;
}

// Team and stable names that mean "none".
bool no_group(std::string_view v) { return v.empty() || v == "no" || v == "No" || v == "None" || v == "none"; }

class Checker {
 public:
  explicit Checker(fs::path folder) : folder_(std::move(folder)) {}

  DataSetCheck run() {
    std::error_code ec;
    if (!fs::is_directory(folder_, ec)) {
      problem(folder_.string(), 0, "not a folder");
      return std::move(result_);
    }
    const bool scenario = fs::exists(folder_ / "scenario.txt", ec);
    load_required("maindata.rv1");
    load_required("wrestlers.rv1");
    for (const char* f : {"stipulations.rv1", "New Indy.rv1", "venues.txt", "alteregos.rv1", "normreports.rv1",
                          "feudreports.rv1", "turnreports.rv1", "interviews.rv1", "talkshow.rv1"}) {
      if (scenario) {
        if (fs::exists(folder_ / f, ec)) load(f);
      } else {
        load_required(f);
      }
    }
    fed_files_ = list_files(folder_, "*.fed");
    result_.summary.promotions = fed_files_.size();
    if (fed_files_.empty()) problem("*.fed", 0, "no promotion files in the folder");
    for (const auto& f : fed_files_) load_required(f);
    if (scenario) check_scenario_text();

    check_wrestlers_shape();
    check_promotions();
    check_wrestlers();
    check_maindata();
    check_new_indy();
    check_stipulations();
    check_venues();
    check_alteregos();
    check_libraries();
    check_ranges();
    return std::move(result_);
  }

 private:
  void problem(const std::string& file, std::size_t line, const std::string& message) {
    result_.problems.push_back(file + ":" + std::to_string(line) + ": " + message);
  }

  const Lines* load(const std::string& file) {
    auto lines = read_lines(folder_ / file);
    if (!lines) {
      problem(file, 0, "cannot be read: " + lines.error());
      return nullptr;
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
      if ((*lines)[i].find('\0') != std::string::npos) {
        problem(file, i + 1, "holds binary data");
        break;
      }
    }
    return &(files_[file] = std::move(*lines));
  }

  const Lines* load_required(const std::string& file) {
    std::error_code ec;
    if (!fs::exists(folder_ / file, ec)) {
      problem(file, 0, "missing");
      return nullptr;
    }
    return load(file);
  }

  const Lines* get(const std::string& file) const {
    auto it = files_.find(file);
    return it == files_.end() ? nullptr : &it->second;
  }

  bool whole_records(const std::string& file, std::size_t size) {
    const Lines* l = get(file);
    if (!l) return false;
    if (l->size() % size != 0) {
      problem(file, l->size(), std::to_string(l->size()) + " lines is not a whole number of " + std::to_string(size) +
                                   "-line records (the last record is cut short)");
      return false;
    }
    return true;
  }

  void number_at(const std::string& file, const Lines& l, std::size_t index, const std::string& what) {
    if (index < l.size() && !whole_number(l[index])) {
      problem(file, index + 1, what + " should be a whole number, not \"" + l[index] + "\"");
    }
  }

  void check_scenario_text() {
    const Lines* l = load("scenario.txt");
    if (l && l->size() < 3) problem("scenario.txt", l->size(), "needs three lines: title, description, author");
  }

  void check_wrestlers_shape() {
    const Lines* l = get("wrestlers.rv1");
    if (!l) return;
    if (l->size() % column_count != 0) {
      const std::size_t last_start = (l->size() / column_count) * column_count;
      problem("wrestlers.rv1", last_start + 1,
              "the last worker has " + std::to_string(l->size() - last_start) + " lines instead of " +
                  std::to_string(column_count));
    }
    const std::size_t rows = l->size() / column_count;
    for (std::size_t r = 0; r < rows; ++r) {
      const std::string& name = (*l)[r * column_count];
      if (name.empty()) problem("wrestlers.rv1", r * column_count + 1, "a worker without a ring name");
      else if (auto refused = name_problem(name, NameKind::ring_name)) problem("wrestlers.rv1", r * column_count + 1, *refused);
      if (!workers_.emplace(name, r).second) {
        problem("wrestlers.rv1", r * column_count + 1, "the ring name " + name + " is used twice");
      }
    }
  }

  std::string worker_text(std::size_t row, Col c) const {
    return (*get("wrestlers.rv1"))[row * column_count + static_cast<std::size_t>(c)];
  }

  void check_promotions() {
    std::set<std::string> names;
    for (const auto& file : fed_files_) {
      const Lines* l = get(file);
      if (!l) continue;
      if (l->size() != rec::promotion) {
        problem(file, l->size(), std::to_string(l->size()) + " lines instead of " + std::to_string(rec::promotion));
        continue;
      }
      const PromotionView p(*l, 0);
      if (p.initials().empty()) problem(file, prom::initials + 1, "no initials");
      if (!initials_.insert(p.initials()).second) problem(file, prom::initials + 1, "the initials " + p.initials() + " are used twice");
      if (!names.insert(p.full_name()).second) problem(file, prom::full_name + 1, "the name " + p.full_name() + " is used twice");
      if (!one_of(p.at(prom::size_level), {"1", "2", "3", "4", "5", "6"})) {
        problem(file, prom::size_level + 1, "the size level must be 1 to 6");
      }
      for (std::size_t off : {prom::balance, prom::popularity, prom::house_attendance, prom::tv_attendance,
                              prom::big_show_attendance, prom::reference_level}) {
        number_at(file, *l, off, "this figure");
      }
      if (p.popularity() < 0 || p.popularity() > 100) problem(file, prom::popularity + 1, "popularity must be 0 to 100");
      for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
        if (p.show(k, prom::show::name).empty()) continue;
        const std::size_t line = p.show_offset(k, 0) + 1;
        if (!weekday_index(p.show(k, prom::show::weekday))) problem(file, line + prom::show::weekday, "not a weekday");
        if (!one_of(p.show(k, prom::show::kind), {"TV", "House", "PPV"})) {
          problem(file, line + prom::show::kind, "the show kind must be TV, House or PPV");
        }
        if (!one_of(p.show(k, prom::show::brand), {"All", "Brand 1", "Brand 2"})) {
          problem(file, line + prom::show::brand, "the brand must be All, Brand 1 or Brand 2");
        }
        number_at(file, *l, p.show_offset(k, prom::show::rating), "the show rating");
        number_at(file, *l, p.show_offset(k, prom::show::audience), "the show audience");
      }
      if (p.at(prom::next_big_show_name) != none_text) check_big_show_date(file, p.at(prom::next_big_show_date));
    }
    // References need every promotion's initials first.
    for (const auto& file : fed_files_) {
      const Lines* l = get(file);
      if (!l || l->size() != rec::promotion) continue;
      check_promotion_people(file, *l);
    }
  }

  void must_work_for(const std::string& file, std::size_t offset, const std::string& name, const std::string& initials,
                     const std::string& role) {
    auto it = workers_.find(name);
    if (it == workers_.end()) {
      problem(file, offset + 1, role + " " + name + " does not exist");
    } else if (worker_text(it->second, Col::promotion) != initials &&
               !contains(worker_text(it->second, Col::multiproms), initials)) {
      problem(file, offset + 1, role + " " + name + " does not work for " + initials);
    }
  }

  // The date of a promotion's next big show exists and carries the weekday the world gives it.
  void check_big_show_date(const std::string& file, const std::string& text) {
    const auto day = parse_full_date(text);
    if (!day) return problem(file, prom::next_big_show_date + 1, "the next big show needs a full date");
    const Lines* md_lines = get("maindata.rv1");
    if (!md_lines) return;
    const auto today = date_from_texts(line_at(*md_lines, md::weekday), line_at(*md_lines, md::day_number),
                                       line_at(*md_lines, md::month), line_at(*md_lines, md::year));
    if (!today) return;
    const auto weekday = static_cast<std::size_t>(weekday_in_world(*today, *day));
    if (static_cast<int>(weekday) == day->weekday) return;
    problem(file, prom::next_big_show_date + 1, "the next big show's date says " + std::string(day->weekday_name()) +
                                                    ", but in this world that day is a " + std::string(weekday_names[weekday]));
  }

  void check_promotion_people(const std::string& file, const Lines& lines) {
    const PromotionView p(lines, 0);
    if (!get("wrestlers.rv1")) return;
    for (std::size_t k = 0; k < prom::title_slots; ++k) {
      const auto t = p.title(k);
      if (!t.exists()) continue;
      number_at(file, lines, t.line_of(TitleField::value), "the title value");
      number_at(file, lines, t.line_of(TitleField::level), "the title level");
      const std::string& holder = t.holder();
      const std::size_t holder_offset = t.line_of(TitleField::holder);
      if (holder.empty()) {
        problem(file, holder_offset + 1, "the title " + t.name() + " has no holder (\"Vacant\" when vacant)");
      } else if (holder != vacant) {
        if (t.is_tag()) {
          for (auto f : {TitleField::coholder1, TitleField::coholder2}) {
            const std::string& co = t.get(f);
            const std::size_t off = t.line_of(f);
            if (!co.empty() && co != vacant) must_work_for(file, off, co, p.initials(), "co-holder");
          }
        } else {
          must_work_for(file, holder_offset, holder, p.initials(), "title holder");
        }
      }
    }
    for (std::size_t off : {prom::interviewer1, prom::interviewer2}) {
      const std::string& who = p.at(off);
      if (who != none_text && !who.empty()) must_work_for(file, off, who, p.initials(), "interviewer");
    }
    for (std::size_t k = 0; k < prom::power_figure_count; ++k) {
      const std::size_t off = prom::power_figures + prom::power_figure_size * k;
      const std::string& who = p.at(off);
      if (!no_group(who) && who != "NA") must_work_for(file, off, who, p.initials(), "power figure");
    }
    for (std::size_t k = 0; k < prom::talk_show_count; ++k) {
      const std::size_t base = prom::talk_shows + k * prom::talk_show_size;
      if (p.at(base + prom::talk::name) == "NA" || p.at(base + prom::talk::name).empty()) continue;
      must_work_for(file, base + prom::talk::host, p.at(base + prom::talk::host), p.initials(), "talk show host");
    }
  }

  void check_wrestlers() {
    const Lines* l = get("wrestlers.rv1");
    if (!l) return;
    const std::size_t rows = l->size() / column_count;
    result_.summary.workers = rows;
    std::map<std::string, std::string> team_promotion, stable_promotion;
    static constexpr Col numbers[] = {Col::pop,  Col::ent,    Col::wages,     Col::bookingfee, Col::cond,
                                      Col::morale, Col::micskills, Col::hardcore, Col::charisma};
    for (std::size_t r = 0; r < rows; ++r) {
      auto line = [&](Col c) { return r * column_count + static_cast<std::size_t>(c) + 1; };
      auto text = [&](Col c) { return worker_text(r, c); };
      const std::string name = text(Col::names);
      for (Col c : numbers) {
        if (!whole_number(text(c))) {
          problem("wrestlers.rv1", line(c), name + ": " + std::string(column_names[static_cast<std::size_t>(c)]) +
                                                " should be a whole number, not \"" + text(c) + "\"");
        }
      }
      const std::string promotion = text(Col::promotion);
      if (promotion == free_agent) {
        ++result_.summary.free_agents;
      } else if (!initials_.count(promotion)) {
        problem("wrestlers.rv1", line(Col::promotion), name + ": works for " + promotion + ", which is not a promotion of this data set");
      }
      if (!one_of(text(Col::gender), {"Male", "Female"})) problem("wrestlers.rv1", line(Col::gender), name + ": gender must be Male or Female");
      if (!one_of(text(Col::faceheel), {"Face", "Heel"})) problem("wrestlers.rv1", line(Col::faceheel), name + ": must be Face or Heel");
      if (!one_of(text(Col::weight), {"Light", "Heavy"})) problem("wrestlers.rv1", line(Col::weight), name + ": weight must be Light or Heavy");
      if (!one_of(text(Col::brand), {"All", "Brand 1", "Brand 2"})) problem("wrestlers.rv1", line(Col::brand), name + ": brand must be All, Brand 1 or Brand 2");
      if (!one_of(text(Col::ringstyle), {"Basic Wrestler", "Old Heavyweight", "Technical", "High Flyer", "Cruiserweight",
                                         "Big Man", "Powerful", "Hardcore", "Non-Worker"})) {
        problem("wrestlers.rv1", line(Col::ringstyle), name + ": unknown ring style \"" + text(Col::ringstyle) + "\"");
      }
      if (!one_of(text(Col::basecountry), {"UK", "USA", "Japan", "Other"})) {
        problem("wrestlers.rv1", line(Col::basecountry), name + ": home region must be UK, USA, Japan or Other");
      }
      const std::string retire = text(Col::retire);
      if (!whole_number(retire) && retire != retire::retired && retire != retire::retiring) {
        problem("wrestlers.rv1", line(Col::retire), name + ": retire must be years left, R or D");
      }
      if (!whole_number(text(Col::injury))) problem("wrestlers.rv1", line(Col::injury), name + ": injury must be a number (0 when fit)");
      const std::string multi = text(Col::multiproms);
      if (!no_group(multi) && multi != "NA") {
        bool names_one = false;
        for (const auto& i : initials_) names_one = names_one || contains(multi, i);
        if (!names_one) problem("wrestlers.rv1", line(Col::multiproms), name + ": multiproms names no promotion of this data set");
      }
      const std::string manager = text(Col::manager);
      if (!no_group(manager) && !workers_.count(manager)) {
        problem("wrestlers.rv1", line(Col::manager), name + ": manager " + manager + " does not exist");
      }
      for (auto [col, groups] : {std::pair{Col::tagteam, &team_promotion}, std::pair{Col::stable, &stable_promotion}}) {
        const std::string group = text(col);
        if (no_group(group)) continue;
        auto [it, fresh] = groups->emplace(group, promotion);
        if (!fresh && it->second != promotion) {
          problem("wrestlers.rv1", line(col), name + ": " + group + " has members in " + it->second + " and " + promotion);
        }
      }
    }
  }

  void check_maindata() {
    const Lines* l = get("maindata.rv1");
    if (!l) return;
    if (l->size() != md::line_count && l->size() != md::old_line_count) {
      problem("maindata.rv1", l->size(), std::to_string(l->size()) + " lines instead of " + std::to_string(md::line_count));
    }
    if (const auto wrong = date_texts_problem(line_at(*l, md::weekday), line_at(*l, md::day_number), line_at(*l, md::month),
                                              line_at(*l, md::year))) {
      problem("maindata.rv1", md::weekday + 1, "lines 2 to 5 must hold a weekday, a day number, a month and a year: " + *wrong);
    }
    for (std::size_t level = 1; level <= 6; ++level) number_at("maindata.rv1", *l, md::money_baseline_base + level, "the money baseline");
    for (std::size_t line : {md::board_rating, md::review_weeks, md::turn_freshness}) number_at("maindata.rv1", *l, line, "this value");
    if (line_at(*l, md::venue_file).empty()) problem("maindata.rv1", md::venue_file + 1, "the venue file is not named");
  }

  void check_new_indy() {
    const Lines* l = get("New Indy.rv1");
    if (!l) return;
    if (l->size() != rec::promotion) {
      problem("New Indy.rv1", l->size(), std::to_string(l->size()) + " lines instead of " + std::to_string(rec::promotion));
    } else if ((*l)[prom::initials] != "Indy Initials") {
      problem("New Indy.rv1", 1, "the first line must be \"Indy Initials\"");
    }
  }

  void check_stipulations() {
    if (!whole_records("stipulations.rv1", rec::stipulation)) return;
    const Lines& l = *get("stipulations.rv1");
    std::set<std::pair<std::string, std::string>> seen;
    for (std::size_t b = 0; b < l.size(); b += rec::stipulation) {
      ++result_.summary.stipulations;
      if (l[b + stip::match_type].empty() || l[b + stip::name].empty()) problem("stipulations.rv1", b + 1, "a stipulation needs a match type and a name");
      if (!seen.insert({l[b + stip::match_type], l[b + stip::name]}).second) {
        problem("stipulations.rv1", b + stip::name + 1, "the stipulation " + l[b + stip::name] + " is listed twice");
      }
      for (std::size_t off : {stip::danger, stip::crowd_value, stip::rating_bonus}) {
        number_at("stipulations.rv1", l, b + off, "this stipulation value");
      }
    }
  }

  void check_venues() {
    const Lines* l = get("venues.txt");
    if (!l) return;
    const std::size_t whole = l->size() / rec::venue * rec::venue;
    if (whole != l->size()) {
      problem("venues.txt", whole + 1, "the last venue has " + std::to_string(l->size() - whole) + " lines instead of 6");
    }
    for (std::size_t b = 0; b < whole; b += rec::venue) {
      ++result_.summary.venues;
      const RecordView v(*l, b);
      const std::string& name = v.at(venue::name);
      if (name.empty()) problem("venues.txt", b + venue::name + 1, "a venue without a name");
      if (!whole_number(v.at(venue::capacity)) || v.num(venue::capacity) <= 0) {
        problem("venues.txt", b + venue::capacity + 1, name + ": the capacity must be a whole number above 0");
      }
      if (!one_of(v.at(venue::country), {"UK", "USA", "Japan", "Other"})) {
        problem("venues.txt", b + venue::country + 1, name + ": unknown country \"" + v.at(venue::country) + "\"");
      }
      const std::string& sizes = v.at(venue::size_levels);
      bool ok = !sizes.empty();
      for (char c : sizes) ok = ok && c >= '1' && c <= '6';
      if (!ok) problem("venues.txt", b + venue::size_levels + 1, name + ": the size levels must be digits 1 to 6");
    }
  }

  void check_alteregos() { whole_records("alteregos.rv1", rec::alter_ego); }

  void check_libraries() {
    static const std::set<std::string> report_places = {
        "<att1fullname>", "<att1shortname>", "<att2fullname>", "<att2shortname>", "<recfullname>", "<recshortname>",
        "<attmanager>", "<recmanager>", "<attstable>", "<recstable>", "<attstablemem1>", "<attstablemem2>",
        "<recstablemem1>", "<recstablemem2>", "<atttagpartner>", "<rectagpartner>", "<attfinisher>", "<recfinisher>",
        "<titlename>", "<titleholder>", "<powerfig1>", "<powerfig1title>", "<powerfig2>", "<powerfig2title>",
        "<thisbrand>", "<otherbrand>", "<feudname1>", "<feudname2>", "<feudteam>", "<feudfinisher>", "<feudpftitle>",
        "<wrestler1>", "<wrestler2>", "<wrestler3>", "<wrestler4>", "<tagteam1>", "<tagteam2>"};
    static const std::set<std::string> interview_places = {
        "<wrestler1longname>", "<wrestler2longname>", "<wrestler3longname>", "<wrestler4longname>",
        "<wrestler1shortname>", "<wrestler2shortname>", "<wrestler3shortname>", "<wrestler4shortname>",
        "<tagteam1>", "<tagteam2>", "<interviewer>", "<town>"};
    static const std::set<std::string> talk_places = {"<hostname>", "<guest1longname>", "<guest1shortname>",
                                                      "<guest2longname>", "<guest2shortname>", "<talkshowname>"};
    struct Library {
      const char* file;
      std::size_t size;
      const std::set<std::string>* places;
      bool segments;
    };
    const Library libraries[] = {{"normreports.rv1", 26, &report_places, false},
                                 {"feudreports.rv1", 34, &report_places, false},
                                 {"turnreports.rv1", 23, &report_places, false},
                                 {"interviews.rv1", 9, &interview_places, true},
                                 {"talkshow.rv1", 9, &talk_places, true}};
    for (const auto& lib : libraries) {
      if (!whole_records(lib.file, lib.size)) continue;
      const Lines& l = *get(lib.file);
      result_.summary.library_records += l.size() / lib.size;
      for (std::size_t i = 0; i < l.size(); ++i) {
        const std::string& line = l[i];
        if (line.size() > 2 && line.front() == '-' && line.back() == '-' && line.find(' ') == std::string::npos) {
          if (line != "-BLANK-" && !(lib.segments && line == "-SEGMENT-")) problem(lib.file, i + 1, "unknown marker " + line);
        }
        for (std::size_t open = line.find('<'); open != std::string::npos; open = line.find('<', open + 1)) {
          const std::size_t close = line.find('>', open);
          if (close == std::string::npos) {
            problem(lib.file, i + 1, "a placeholder is not closed with >");
            break;
          }
          const std::string token = line.substr(open, close - open + 1);
          if (!lib.places->count(token)) problem(lib.file, i + 1, "unknown placeholder " + token);
        }
      }
    }
  }

  void range_at(const std::string& file, const Lines& l, std::size_t index, const std::string& what, Range r) {
    if (index >= l.size()) return;
    if (auto p = range_problem(l[index], r)) problem(file, index + 1, what + " " + *p);
  }

  // Every number inside the range the game keeps it in.
  void check_ranges() {
    if (const Lines* l = get("wrestlers.rv1")) {
      for (std::size_t i = 0; i + column_count <= l->size(); ++i) {
        const auto c = static_cast<Col>(i % column_count);
        if (const auto r = column_range(c)) range_at("wrestlers.rv1", *l, i, std::string(column_names[i % column_count]), *r);
      }
    }
    for (const auto& file : fed_files_) {
      const Lines* l = get(file);
      if (!l || l->size() != rec::promotion) continue;
      for (const auto& f : promotion_numbers()) range_at(file, *l, f.line, f.what, f.range);
    }
    if (const Lines* l = get("maindata.rv1")) {
      for (const auto& f : maindata_numbers()) range_at("maindata.rv1", *l, f.line, f.what, f.range);
    }
    if (const Lines* l = get("stipulations.rv1"); l && l->size() % rec::stipulation == 0) {
      for (std::size_t b = 0; b < l->size(); b += rec::stipulation) {
        for (const auto& f : stipulation_numbers()) range_at("stipulations.rv1", *l, b + f.line, f.what, f.range);
      }
    }
    if (const Lines* l = get("venues.txt")) {
      for (std::size_t b = 0; b + rec::venue <= l->size(); b += rec::venue) {
        range_at("venues.txt", *l, b + venue::capacity, "the capacity", range::capacity);
      }
    }
  }

  fs::path folder_;
  DataSetCheck result_;
  std::map<std::string, Lines> files_;
  std::vector<std::string> fed_files_;
  std::set<std::string> initials_;
  std::map<std::string, std::size_t> workers_;
};

}  // namespace

DataSetCheck check_data_set(const std::filesystem::path& folder) {
  DataSetCheck check = Checker(folder).run();
  return check;
}

std::string summary_line(const DataSetSummary& s) {
  return std::to_string(s.promotions) + " promotions, " + std::to_string(s.workers) + " workers (" +
         std::to_string(s.free_agents) + " free agents), " + std::to_string(s.stipulations) + " stipulations, " +
         std::to_string(s.venues) + " venues, " + std::to_string(s.library_records) + " library records";
}

}  // namespace rv
