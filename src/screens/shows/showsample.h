#pragma once
// A show to picture the presentation screens with (`--screen showintro` and the others): today's
// or the next show of the loaded game, booked by the suggester and run on a copy of the game.
namespace rvgui {

struct Session;
// Fills the session's presentation (and, for the line-up, its booking) when it has none.
void prepare_sample_show(Session& session);

}  // namespace rvgui
