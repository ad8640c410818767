#include "state/names.h"

namespace rv {

// Finisher types: "p" a power move, "t" a technical move or strike, "s" a submission or a move
// from the top rope.
const std::array<RingStyle, 8> ring_styles = {{
    {"Old Heavyweight", "Old Heavyweight", 35, 72, "", {"Sleeper", "Piledriver", "DDT"}, {"Sleeper", "Piledriver", "DDT"},
     {"s", "p", "t"}, {"s", "p", "t"}},
    {"Basic Wrestler", "Basic Wrestler", 55, 85, "", {"Death Valley Driver", "Diamond Cutter", "Neckbreaker"},
     {"Death Valley Driver", "Diamond Cutter", "Neckbreaker"}, {"p", "t", "t"}, {"p", "t", "t"}},
    {"Technical", "Technical", 60, 95, "", {"Tiger Suplex", "STF", "Boston Crab"}, {"Tiger Suplex", "STF", "Boston Crab"},
     {"t", "s", "s"}, {"t", "s", "s"}},
    {"High Flyer", "High Flyer", 50, 90, "Light", {"Frog Splash", "Top Rope Legdrop", "Top Rope Cross Body"},
     {"Frog Splash", "Top Rope Legdrop", "Top Rope Cross Body"}, {"s", "s", "s"}, {"s", "s", "s"}},
    {"Cruiserweight", "Cruiserweight", 65, 95, "Light", {"Moonsault", "Tornado DDT", "Hurracanrana"},
     {"Moonsault", "Tornado DDT", "Hurracanrana"}, {"s", "t", "t"}, {"s", "t", "t"}},
    // Women of this row are basic wrestlers; the third finishers of both forms are this game's own.
    {"Big Man", "Basic Wrestler", 35, 65, "", {"Chokeslam", "Powerbomb", "Big Boot"},
     {"Neckbreaker", "Powerbomb", "Running Bulldog"}, {"p", "p", "t"}, {"t", "p", "t"}},
    {"Powerful", "Powerful", 60, 90, "", {"Spear", "Powerbomb", "Running Powerslam"},
     {"Spear", "Powerbomb", "Running Powerslam"}, {"p", "p", "p"}, {"p", "p", "p"}},
    {"Hardcore", "Hardcore", 45, 80, "", {"DDT", "Piledriver", "Chair Shot Slam"}, {"DDT", "Piledriver", "Chair Shot Slam"},
     {"t", "p", "p"}, {"t", "p", "p"}},
}};

const std::array<std::string_view, 48> male_first_names = {
    "Aldo",   "Bram",   "Cal",    "Dane",   "Eamon",  "Fergus", "Gil",    "Hal",    "Ivo",    "Jory",
    "Kit",    "Lorcan", "Mace",   "Nico",   "Orrin",  "Pike",   "Quill",  "Rory",   "Stellan", "Tam",
    "Ulric",  "Vance",  "Wade",   "Xavi",   "Yorick", "Zane",   "Abe",    "Brock",  "Corin",  "Dex",
    "Ewan",   "Flint",  "Garth",  "Hugo",   "Ike",    "Jasper", "Knox",   "Leif",   "Monty",  "Ned",
    "Otto",   "Pascal", "Rafe",   "Silas",  "Tobin",  "Vic",    "Wes",    "Zeb"};

const std::array<std::string_view, 40> female_first_names = {
    "Ada",   "Briar", "Cleo",  "Dara",  "Elsie", "Fen",   "Greer", "Hazel", "Isla",  "Juno",
    "Kaia",  "Lark",  "Mira",  "Nell",  "Opal",  "Pia",   "Quinn", "Roz",   "Sable", "Tess",
    "Uma",   "Vera",  "Wren",  "Xanthe",  "Yara",  "Zora",  "Alba",  "Bette", "Cora",  "Dot",
    "Edie",  "Faye",  "Gwen",  "Hollis", "Ines", "Jet",   "Kerys", "Lula",  "Maeve", "Noor"};

const std::array<std::string_view, 72> surnames = {
    "Ashdown",   "Blackthorn", "Carrow",    "Dunmore",   "Elwood",    "Falkner",   "Greaves",   "Hallorann",
    "Ironside",  "Jessop",     "Kettering", "Larkspur",  "Marlow",    "Northcott", "Oakes",     "Pellow",
    "Quarry",    "Redfern",    "Stroud",    "Thorne",    "Underhill", "Vickery",   "Wardle",    "Yarrow",
    "Ashcombe",  "Bellamy",    "Colborne",  "Dray",      "Everdeen",  "Fairweather", "Gantry",  "Holloway",
    "Inchcape",  "Jarrold",    "Kestrel",   "Lockwood",  "Merriman",  "Nettleton", "Orchard",   "Penhallow",
    "Ravenscroft", "Saltmarsh", "Tregarth", "Upton",     "Vane",      "Whitlock",  "Yelland",   "Zeller",
    "Brackley",  "Cadwell",    "Dorrington", "Emberley", "Fenwick",   "Goodall",   "Harrowby",  "Ingram",
    "Kilbride",  "Langstaff",  "Moorcroft", "Norbury",   "Osgood",    "Pritchard", "Ramsbottom", "Shadwell",
    "Tolland",   "Venn",       "Wickham",   "Boulder",   "Crag",      "Flintlock", "Granger",   "Hatchett"};

}  // namespace rv
