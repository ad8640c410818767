#pragma once
// Where every value lives: the record sizes of the tables, the fields of a promotion record,
// the lines of maindata, the columns of the wrestler table and the marker texts the tables hold.
// Line numbers, record offsets and markers are written here once; everything else uses these names.
#include <array>
#include <cstddef>
#include <string_view>

namespace rv {

// Lines per record of the record tables.
namespace rec {
inline constexpr std::size_t promotion = 238;
inline constexpr std::size_t stipulation = 19;
inline constexpr std::size_t calendar_day = 3;
inline constexpr std::size_t turn = 6;
inline constexpr std::size_t indy_booking = 3;
inline constexpr std::size_t top10_entry = 3;
inline constexpr std::size_t negotiation = 10;
inline constexpr std::size_t title_history = 3;
inline constexpr std::size_t message = 12;
inline constexpr std::size_t match = 20;
inline constexpr std::size_t venue = 6;
inline constexpr std::size_t alter_ego = 4;
inline constexpr std::size_t match_slots = 10;  // not lines: the match records of a show card
}  // namespace rec

// Columns of the wrestler table, in file order. Numeric columns are read with the number parser.
#define RV_WORKER_TEXT_COLUMNS(X) \
  X(names) X(shortname) X(promotion) X(brand) X(gender) X(desc) X(expires) X(indybookings) \
  X(multiproms) X(roles) X(faceheel) X(finisher) X(finishertype) X(tagteam) X(stable) X(injury) \
  X(status) X(manager) X(ringstyle) X(retire) X(weight) X(basecountry)
#define RV_WORKER_NUMBER_COLUMNS(X) \
  X(pop) X(ent) X(wages) X(bookingfee) X(cond) X(morale) X(micskills) X(hardcore) X(charisma)

enum class Col : int {
  names, shortname, promotion, brand, gender, pop, ent, desc, expires, wages, indybookings,
  bookingfee, multiproms, roles, faceheel, finisher, finishertype, tagteam, stable, injury, status,
  cond, manager, ringstyle, morale, retire, micskills, hardcore, weight, charisma, basecountry
};
inline constexpr std::size_t column_count = 31;

inline constexpr std::array<std::string_view, column_count> column_names = {
    "names",   "shortname", "promotion", "brand",     "gender",       "pop",          "ent",
    "desc",    "expires",   "wages",     "indybookings", "bookingfee", "multiproms",  "roles",
    "faceheel", "finisher", "finishertype", "tagteam", "stable",      "injury",       "status",
    "cond",    "manager",   "ringstyle", "morale",    "retire",       "micskills",    "hardcore",
    "weight",  "charisma",  "basecountry"};

// Offsets inside a promotion record.
namespace prom {
inline constexpr std::size_t initials = 0;
inline constexpr std::size_t full_name = 1;
inline constexpr std::size_t logo = 2;
inline constexpr std::size_t size_level = 3;
inline constexpr std::size_t balance = 4;
inline constexpr std::size_t website = 5;
inline constexpr std::size_t slogan = 6;
inline constexpr std::size_t extra_value = 7;
inline constexpr std::size_t roster_split = 8;
inline constexpr std::size_t brand1_name = 9;
inline constexpr std::size_t brand2_name = 10;
inline constexpr std::size_t tv_status = 11;
// Four regular shows of seven lines each, in slots 0 to 3 (shows 1 to 4). Shows 1 and 2 are the
// main shows; the growth steps put show 1 on television first and a weekly house show in slot 2.
inline constexpr std::size_t regular_shows = 12;
inline constexpr std::size_t regular_show_size = 7;
inline constexpr std::size_t regular_show_count = 4;
inline constexpr std::size_t primary_show = 0;     // show 1
inline constexpr std::size_t main_show_count = 2;  // shows 1 and 2
inline constexpr std::size_t house_show_slot = 2;  // show 3
namespace show {
inline constexpr std::size_t name = 0;
inline constexpr std::size_t weekday = 1;
inline constexpr std::size_t image = 2;  // the show's picture, "NA" for none
inline constexpr std::size_t brand = 3;
inline constexpr std::size_t kind = 4;
inline constexpr std::size_t rating = 5;
inline constexpr std::size_t audience = 6;
inline constexpr std::string_view house = "House";  // the kind of a show that is not televised
}  // namespace show
inline constexpr std::size_t house_attendance = 40;
inline constexpr std::size_t tv_attendance = 41;
inline constexpr std::size_t production_levels = 42;  // 42, 43, 44
inline constexpr std::size_t popularity = 45;
inline constexpr std::size_t ppv_deal = 46;
inline constexpr std::size_t ppv_rating = 47;
inline constexpr std::size_t big_show_attendance = 48;
// Twelve monthly big shows, three lines each (name, brand, logo), January first.
inline constexpr std::size_t monthly_big_shows = 49;
inline constexpr std::size_t monthly_big_show_size = 3;
inline constexpr std::size_t monthly_big_show_count = 12;
namespace monthly {
inline constexpr std::size_t name = 0;
inline constexpr std::size_t brand = 1;
inline constexpr std::size_t logo = 2;
}  // namespace monthly
// Titles: slots 1 to 4 are 15-line blocks from 85, slots 5 to 8 are 18-line blocks from 145.
inline constexpr std::size_t short_titles = 85;
inline constexpr std::size_t short_title_size = 15;
inline constexpr std::size_t long_titles = 145;
inline constexpr std::size_t long_title_size = 18;
inline constexpr std::size_t title_slots = 8;
inline constexpr std::size_t reference_level = 91;  // title 1's level
inline constexpr std::size_t power_figures = 217;    // four (name, job title) pairs, 217 to 224
inline constexpr std::size_t power_figure_size = 2;
inline constexpr std::size_t power_figure_count = 4;
inline constexpr std::size_t interviewer1 = 225;
inline constexpr std::size_t interviewer2 = 226;
inline constexpr std::size_t talk_shows = 227;  // two segments (name, host, show), 227 to 232
inline constexpr std::size_t talk_show_size = 3;
inline constexpr std::size_t talk_show_count = 2;
namespace talk {
inline constexpr std::size_t name = 0;
inline constexpr std::size_t host = 1;
inline constexpr std::size_t show = 2;
}  // namespace talk
inline constexpr std::size_t country = 233;
inline constexpr std::size_t next_big_show_name = 234;
inline constexpr std::size_t next_big_show_level = 235;
inline constexpr std::size_t next_big_show_date = 236;
inline constexpr std::size_t next_big_show_value = 237;
}  // namespace prom

// Fields of a title block; not every field exists in the short (15-line) block.
enum class TitleField : int {
  name, called, kind, value, gender_limit, weight_limit, flag, level, brand, holder, coholder1,
  coholder2, reigns, record_holder, record_length, record_data, history1, history2
};
inline constexpr int no_offset = -1;
inline constexpr std::array<int, 18> short_title_offsets = {
    0, 1, no_offset, 2, 3, 4, 5, 6, 7, 8, no_offset, no_offset, 9, 10, 11, 12, 13, 14};
inline constexpr std::array<int, 18> long_title_offsets = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
// The days of the current reign and the count of defences in it, by their use.
inline constexpr TitleField current_reign = TitleField::reigns;
inline constexpr TitleField defences = TitleField::record_data;
inline constexpr TitleField hardcore_flag = TitleField::flag;

// Lines of maindata.
namespace md {
inline constexpr std::size_t player_initials = 0;
inline constexpr std::size_t player_name = 1;
inline constexpr std::size_t weekday = 2;
inline constexpr std::size_t day_number = 3;
inline constexpr std::size_t month = 4;
inline constexpr std::size_t year = 5;
inline constexpr std::size_t board_rating = 6;
inline constexpr std::size_t board_state = 7;
inline constexpr std::size_t review_weeks = 8;
inline constexpr std::size_t turn_freshness = 9;
inline constexpr std::size_t days_since_growth = 10;
inline constexpr std::size_t prospect_first = 11;  // the last prospect, 11 to 19
inline constexpr std::size_t prospect_name = 11;
inline constexpr std::size_t prospect_pop = 12;
inline constexpr std::size_t prospect_gender = 13;
inline constexpr std::size_t prospect_style = 14;
inline constexpr std::size_t prospect_weight = 15;
inline constexpr std::size_t prospect_hardcore = 16;
inline constexpr std::size_t prospect_ent = 17;
inline constexpr std::size_t prospect_mic = 18;
inline constexpr std::size_t prospect_charisma = 19;
inline constexpr std::size_t prospect_last = 19;
inline constexpr std::size_t records_first = 20;  // value/holder pairs 20 to 33
// Each record is a figure line and, after it, the show and date that set it.
inline constexpr std::size_t record_top_rating = 20;
inline constexpr std::size_t record_low_rating = 22;
inline constexpr std::size_t record_top_buy_rate = 24;
inline constexpr std::size_t record_low_buy_rate = 26;
inline constexpr std::size_t record_top_attendance = 28;
inline constexpr std::size_t record_low_attendance = 30;
inline constexpr std::size_t record_longest_feud = 32;
inline constexpr std::size_t record_longest_feud_days = 33;
inline constexpr std::size_t last_show_first = 34;  // name/date pairs 34 to 41
inline constexpr std::size_t last_big_show_name = 42;
inline constexpr std::size_t last_show_figures = 43;  // 43 to 46
inline constexpr std::size_t last_big_show_date = 47;
inline constexpr std::size_t last_buy_rate = 48;
inline constexpr std::size_t last_big_show_gross = 49;
inline constexpr std::size_t top_tv_ratings = 51;      // 51 to 70
inline constexpr std::size_t top_indy_attendance = 71;  // 71 to 90
inline constexpr std::size_t feuds_first = 91;          // ten feuds of twelve lines
inline constexpr std::size_t feud_size = 12;
inline constexpr std::size_t feud_slots = 10;
inline constexpr std::size_t next_big_show_name = 211;
inline constexpr std::size_t next_big_show_brand = 212;
inline constexpr std::size_t next_big_show_level = 213;
inline constexpr std::size_t next_big_show_counter = 214;
inline constexpr std::size_t next_big_show_date = 215;
inline constexpr std::size_t next_big_show_logo = 216;
inline constexpr std::size_t venue_file = 218;
inline constexpr std::size_t top10_started = 219;
inline constexpr std::size_t cancelled_shows = 220;
inline constexpr std::size_t growth_counters_first = 221;  // the growth step's counters, 221 to 237
inline constexpr std::size_t popularity_streak = 221;      // days in a row at popularity 80 or more
inline constexpr std::size_t audience_streak1 = 222;       // days in a row show 1's audience reached line 236
inline constexpr std::size_t audience_streak2 = 223;       // days in a row show 1's audience reached line 237
inline constexpr std::size_t audience_mark1 = 236;
inline constexpr std::size_t audience_mark2 = 237;
inline constexpr std::size_t growth_counters_last = 237;
// The money baselines of size levels 1 to 6 stand on lines 238 to 243: this base plus the level.
inline constexpr std::size_t money_baseline_base = 237;
inline constexpr std::size_t rival_growth_day = 244;  // runs 0 to 135; rivals grow above 120
inline constexpr std::size_t main_caption = 245;
inline constexpr std::size_t day_heading = 246;
inline constexpr std::size_t day_event1 = 247;
inline constexpr std::size_t day_event2 = 248;
inline constexpr std::size_t today_slot1 = 249;
inline constexpr std::size_t today_slot2 = 250;
inline constexpr std::size_t spare_251 = 251;
inline constexpr std::size_t line_count = 252;
inline constexpr std::size_t old_line_count = 249;
}  // namespace md

// Lines of a calendar day.
namespace cal {
inline constexpr std::size_t date = 0;
inline constexpr std::size_t regular = 1;
inline constexpr std::size_t big = 2;
}  // namespace cal

// Lines of an inbox message.
namespace msg {
inline constexpr std::size_t sender = 0;
inline constexpr std::size_t date = 1;
inline constexpr std::size_t subject = 2;
inline constexpr std::size_t body = 3;
inline constexpr std::size_t body2 = 4;
inline constexpr std::size_t body3 = 5;
inline constexpr std::size_t kind = 6;
inline constexpr std::size_t days_left = 7;
inline constexpr std::size_t status = 8;
inline constexpr std::size_t ref1 = 9;
inline constexpr std::size_t ref2 = 10;
inline constexpr std::size_t ref3 = 11;
// The kinds of message that wait for the player's answer.
inline constexpr std::string_view offer = "OFFER";
inline constexpr std::string_view release = "RELEASE";
inline constexpr std::string_view unread = "Unread";
}  // namespace msg

// Lines of a planned face or heel turn.
namespace turn {
inline constexpr std::size_t worker = 0;
inline constexpr std::size_t disposition = 1;  // "Face" or "Heel": what the worker turns into
inline constexpr std::size_t standing = 2;     // "Upper", "Mid" or "Lower"
inline constexpr std::size_t tagteam = 3;
inline constexpr std::size_t brand = 4;
}  // namespace turn

// Lines of a pending contract offer.
namespace neg {
inline constexpr std::size_t name = 0;
inline constexpr std::size_t from_promotion = 1;
inline constexpr std::size_t wages = 2;
inline constexpr std::size_t role = 3;
inline constexpr std::size_t expiry = 4;
inline constexpr std::size_t indy = 5;
inline constexpr std::size_t outcome = 6;
inline constexpr std::size_t days = 7;
inline constexpr std::size_t morale_change = 8;  // an offer to one of the player's own workers
inline constexpr std::size_t reply = 9;
// An offer to a worker from outside: line 1 holds his promotion then ("Free Agent" for none),
// line 5 the disposition he is to join with and line 8 the sum agreed with his promotion.
inline constexpr std::size_t disposition = 5;
inline constexpr std::size_t buy_out_sum = 8;
}  // namespace neg

// Lines of a stipulation.
namespace stip {
inline constexpr std::size_t match_type = 0;
inline constexpr std::size_t name = 1;
inline constexpr std::size_t danger = 7;
inline constexpr std::size_t crowd_value = 8;
inline constexpr std::size_t rating_bonus = 9;
inline constexpr std::size_t crowd_wear = 12;  // a number, or "NA" for no wear
inline constexpr std::size_t bonus_wear = 13;
inline constexpr std::size_t skill = 17;       // "Yes" hardcore only, "No" in-ring only, "Both"
inline constexpr std::string_view no_wear = "NA";
}  // namespace stip

// Lines of a match record of the show card (rec::match_slots records of rec::match lines).
namespace match {
inline constexpr std::size_t slot = 0;  // the slot number once opened; empty for an unbooked slot
inline constexpr std::size_t type = 1;
inline constexpr std::size_t stipulation = 2;
inline constexpr std::size_t title = 3;
inline constexpr std::size_t winners = 4;
inline constexpr std::size_t win_type = 5;
inline constexpr std::size_t first_worker = 6;
inline constexpr std::size_t worker_lines = 10;
inline constexpr std::size_t first_team = 16;
inline constexpr std::size_t team_lines = 4;
inline constexpr std::string_view automatic = "Auto";  // winners or win type left to the game
inline constexpr std::string_view normal_win = "Normal";
inline constexpr std::string_view dq_win = "DQ";
}  // namespace match

// Lines of a venue.
namespace venue {
inline constexpr std::size_t name = 0;
inline constexpr std::size_t place = 1;
inline constexpr std::size_t town = 2;
inline constexpr std::size_t capacity = 3;
inline constexpr std::size_t country = 4;
inline constexpr std::size_t size_levels = 5;
}  // namespace venue

// Lines of a title history entry.
namespace hist {
inline constexpr std::size_t title = 0;
inline constexpr std::size_t date = 1;
inline constexpr std::size_t event = 2;
}  // namespace hist

// Lines of an indy booking and of a weekly top ten entry. The indy bookings (indydates) hold the
// worker, the date and the promotion he works for; the dates a worker cannot be booked for
// (indydates2) hold the worker, the date and the reason.
namespace indy {
inline constexpr std::size_t worker = 0;
inline constexpr std::size_t date = 1;
inline constexpr std::size_t promotion = 2;
inline constexpr std::size_t reason = 2;
inline constexpr std::string_view unavailable = "unavailable";  // the reason an injury check writes
inline constexpr int weeks_ahead = 6;                            // how far ahead a worker can be booked
inline constexpr std::string_view refused = "No";  // a worker's indybookings column when his contract forbids them
inline constexpr int national_size_level = 6;             // promotions of this size keep their workers to themselves
}  // namespace indy
namespace top10 {
inline constexpr std::size_t kind = 0;  // "TV Rating" or "Attendence"
inline constexpr std::size_t name = 1;
inline constexpr std::size_t value = 2;
inline constexpr std::size_t entries_shown = 10;
}  // namespace top10

// Lines of a feud (ten feuds in maindata from md::feuds_first).
namespace feud {
inline constexpr std::size_t type = 0;
inline constexpr std::size_t duration = 1;
inline constexpr std::size_t start_date = 2;
inline constexpr std::size_t cooling = 3;
inline constexpr std::size_t heat = 4;
inline constexpr std::size_t state = 5;
inline constexpr std::size_t worker1 = 6;
inline constexpr std::size_t worker2 = 7;
inline constexpr std::size_t worker3 = 8;
inline constexpr std::size_t worker4 = 9;
inline constexpr std::size_t pair1 = 10;
inline constexpr std::size_t pair2 = 11;
// The kinds of feud on the type line.
inline constexpr std::string_view singles = "Singles";
inline constexpr std::string_view tag_team = "Tag Team";
inline constexpr std::string_view hot = "Hot";  // the feud's state until it cools
inline constexpr std::string_view cold = "Cold";
inline constexpr std::size_t slots_per_page = 5;  // the feuds screen shows the ten slots in two pages
inline constexpr std::string_view pair_joint = " & ";  // between the two names of a tag pair
}  // namespace feud

// A worker's gender column.
namespace genders {
inline constexpr std::string_view male = "Male";
inline constexpr std::string_view female = "Female";
}  // namespace genders

// A worker's place with the fans (the faceheel column, and what a turn makes of it).
namespace alignment {
inline constexpr std::string_view face = "Face";
inline constexpr std::string_view heel = "Heel";
}  // namespace alignment

// Marker texts the tables use.
inline constexpr std::string_view free_agent = "Free Agent";  // a worker's promotion when unsigned
inline constexpr std::string_view vacant = "Vacant";          // a title's holder when nobody holds it
inline constexpr std::string_view no_record_yet = "No Record Yet";
inline constexpr std::string_view not_applicable = "N/A";  // a figure that does not apply (an unset record)
inline constexpr std::string_view no_entry = "NA";  // an empty power figure, talk show segment or picture in the data
inline constexpr std::string_view cleared = "no";   // a team, stable or manager taken away by a move
inline constexpr std::string_view none_text = "None";
inline constexpr std::string_view brand_all = "All";
inline constexpr std::string_view brand_one = "Brand 1";
inline constexpr std::string_view brand_two = "Brand 2";
inline constexpr std::string_view split_on = "Yes";   // a promotion's roster split line
inline constexpr std::string_view split_off = "No";
inline constexpr std::string_view non_worker = "Non-Worker";  // the ring style of a worker who does not wrestle
inline constexpr std::string_view champion_mark = " (CHAMPION)";  // behind a title holder's name in a pick list
inline constexpr std::string_view injured_condition = "Inj";  // a worker's condition while out injured
inline constexpr std::string_view not_injured = "0";          // a worker's injury column while fit

// A worker's role on the card.
namespace role {
inline constexpr std::string_view upper = "3";
inline constexpr std::string_view mid = "2";
inline constexpr std::string_view lower = "1";
}  // namespace role

// A worker's retirement state.
namespace retire {
inline constexpr std::string_view retired = "R";
inline constexpr std::string_view retiring = "D";
}  // namespace retire

// The board's state on maindata's board line.
namespace board {
inline constexpr std::string_view dismissed = "x";
inline constexpr std::string_view reviewing = "Yes";
inline constexpr std::string_view settled = "No";
inline constexpr std::string_view warned = "s";
inline constexpr std::string_view failing = "bad";
}  // namespace board

// The main action's caption on maindata's caption line.
namespace caption {
inline constexpr std::string_view next_day = "Next Day";
inline constexpr std::string_view go_to_show = "Go To Show";
inline constexpr std::string_view go_to_shows = "Go To Shows";
}  // namespace caption

// The two slots of a calendar day and of today's shows.
enum class ShowSlot : int { regular = 1, big = 2 };

}  // namespace rv
