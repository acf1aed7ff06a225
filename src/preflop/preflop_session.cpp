#include "preflop/preflop_session.h"
namespace velmo {
PreflopSession::PreflopSession(Platform& platform, SituationClock& clock) : platform_(platform), clock_(clock) {}
void PreflopSession::StartNext() {}
void PreflopSession::Answer(int) {}
void PreflopSession::Reset() {}
} // namespace velmo
