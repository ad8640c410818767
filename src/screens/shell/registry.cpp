#include "screens/shell/registry.h"

#include "screens/cycle/inboxscreen.h"
#include "screens/cycle/mainscreen.h"
#include "screens/feedback/feedbackscreen.h"
#include "screens/feedback/historyscreen.h"
#include "screens/feedback/ledgerscreen.h"
#include "screens/feedback/rankingsscreen.h"
#include "screens/feedback/recordsscreen.h"
#include "screens/feuds/feudsscreen.h"
#include "screens/promotion/bigshowscreen.h"
#include "screens/promotion/generalinfoscreen.h"
#include "screens/promotion/showsscreen.h"
#include "screens/promotion/staffscreen.h"
#include "screens/promotion/teamsscreen.h"
#include "screens/shows/battleroyalscreen.h"
#include "screens/shows/bookingscreen.h"
#include "screens/shows/lineupscreen.h"
#include "screens/shows/playbackscreen.h"
#include "screens/shows/reportscreen.h"
#include "screens/shows/resultsscreen.h"
#include "screens/shows/royaldetailsscreen.h"
#include "screens/shows/showintroscreen.h"
#include "screens/shows/venuesscreen.h"
#include "screens/start/frontmenu.h"
#include "screens/start/introscreen.h"
#include "screens/start/promotionchoicescreen.h"
#include "screens/talent/contractscreen.h"
#include "screens/talent/editinfoscreen.h"
#include "screens/talent/indybookingscreen.h"
#include "screens/talent/negotiationscreen.h"
#include "screens/talent/outsideprofilescreen.h"
#include "screens/talent/profilescreen.h"
#include "screens/talent/rosterscreen.h"
#include "screens/talent/signingscreen.h"
#include "screens/talent/trainingcampscreen.h"
#include "screens/titles/championshipsscreen.h"
#include "screens/titles/titlehistoryscreen.h"

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
