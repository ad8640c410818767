#include "screens/registry.h"

#include "screens/battleroyalscreen.h"
#include "screens/bigshowscreen.h"
#include "screens/bookingscreen.h"
#include "screens/championshipsscreen.h"
#include "screens/contractscreen.h"
#include "screens/editinfoscreen.h"
#include "screens/feedbackscreen.h"
#include "screens/feudsscreen.h"
#include "screens/frontmenu.h"
#include "screens/generalinfoscreen.h"
#include "screens/historyscreen.h"
#include "screens/inboxscreen.h"
#include "screens/indybookingscreen.h"
#include "screens/lineupscreen.h"
#include "screens/playbackscreen.h"
#include "screens/reportscreen.h"
#include "screens/resultsscreen.h"
#include "screens/rosterscreen.h"
#include "screens/royaldetailsscreen.h"
#include "screens/showintroscreen.h"
#include "screens/introscreen.h"
#include "screens/ledgerscreen.h"
#include "screens/mainscreen.h"
#include "screens/negotiationscreen.h"
#include "screens/outsideprofilescreen.h"
#include "screens/profilescreen.h"
#include "screens/promotionchoicescreen.h"
#include "screens/rankingsscreen.h"
#include "screens/recordsscreen.h"
#include "screens/showsscreen.h"
#include "screens/signingscreen.h"
#include "screens/staffscreen.h"
#include "screens/teamsscreen.h"
#include "screens/titlehistoryscreen.h"
#include "screens/trainingcampscreen.h"
#include "screens/venuesscreen.h"

namespace rvgui {

const std::vector<ScreenEntry>& screen_registry() {
  static const std::vector<ScreenEntry> screens = {
      {screen_name::intro, Needs::nothing, make_screen<IntroScreen>},
      {screen_name::front_menu, Needs::nothing, make_screen<FrontMenu>},
      {screen_name::choice, Needs::world, make_screen<PromotionChoiceScreen>},
      {screen_name::main, Needs::game, make_screen<MainScreen>},
      {screen_name::inbox, Needs::game, make_screen<InboxScreen>},
      {screen_name::championships, Needs::game, make_screen<ChampionshipsScreen>},
      {screen_name::feuds, Needs::game, make_screen<FeudsScreen>},
      {screen_name::title_history, Needs::game, make_screen<TitleHistoryScreen>},
      {screen_name::shows, Needs::game, make_screen<ShowsScreen>},
      {screen_name::big_show, Needs::game, make_screen<BigShowScreen>},
      {screen_name::teams, Needs::game, make_screen<TeamsScreen>},
      {screen_name::booking, Needs::game, make_screen<BookingScreen>},
      {screen_name::venues, Needs::game, make_screen<VenuesScreen>},
      {screen_name::battle_royal, Needs::game, make_screen<BattleRoyalScreen>},
      {screen_name::line_up, Needs::game, make_screen<LineUpScreen>},
      {screen_name::show_intro, Needs::game, make_screen<ShowIntroScreen>},
      {screen_name::playback, Needs::game, make_screen<PlaybackScreen>},
      {screen_name::results, Needs::game, make_screen<ResultsScreen>},
      {screen_name::royal_details, Needs::game, make_screen<RoyalDetailsScreen>},
      {screen_name::report, Needs::game, make_screen<ReportScreen>},
      {screen_name::roster, Needs::game, make_screen<RosterScreen>},
      {screen_name::profile, Needs::game, make_screen<ProfileScreen>},
      {screen_name::edit_info, Needs::game, make_screen<EditInfoScreen>},
      {screen_name::contract, Needs::game, make_screen<ContractScreen>},
      {screen_name::signing, Needs::game, make_screen<SigningScreen>},
      {screen_name::outside_profile, Needs::game, make_screen<OutsideProfileScreen>},
      {screen_name::negotiation, Needs::game, make_screen<NegotiationScreen>},
      {screen_name::indy_booking, Needs::game, make_screen<IndyBookingScreen>},
      {screen_name::training_camp, Needs::game, make_screen<TrainingCampScreen>},
      {screen_name::general_info, Needs::game, make_screen<GeneralInfoScreen>},
      {screen_name::records, Needs::game, make_screen<RecordsScreen>},
      {screen_name::rankings, Needs::game, make_screen<RankingsScreen>},
      {screen_name::feedback, Needs::game, make_screen<FeedbackScreen>},
      {screen_name::history, Needs::game, make_screen<HistoryScreen>},
      {screen_name::ledger, Needs::game, make_screen<LedgerScreen>},
      {screen_name::staff, Needs::game, make_screen<StaffScreen>},
  };
  return screens;
}

const ScreenEntry* find_screen_entry(const QString& name) {
  for (const auto& e : screen_registry()) {
    if (e.name == name) return &e;
  }
  return nullptr;
}

}  // namespace rvgui
