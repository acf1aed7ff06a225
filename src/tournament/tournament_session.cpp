#include "tournament/tournament_session.h"
namespace velmo {
TournamentSession::TournamentSession(Platform& platform) : platform_(platform) {}
void TournamentSession::StartNext() {}
void TournamentSession::Push() {}
void TournamentSession::Fold() {}
void TournamentSession::Reset() {}
} // namespace velmo
