// One instance of every trainer, for the life of the program (or of one
// test).  The Qt dialog and the replay tool each own one TrainerSet over
// their platform and send every button press into it through the event table.
#pragma once

#include "common/platform.h"
#include "common/situation_clock.h"
#include "odds/equity_trainer.h"
#include "odds/fold_drill.h"
#include "preflop/preflop_session.h"
#include "scores/scores_panel.h"
#include "selfcheck/patience_trainer.h"
#include "selfcheck/range_practice.h"
#include "selfcheck/tilt_sensor.h"
#include "tournament/tournament_session.h"

namespace velmo {

struct TrainerSet {
    explicit TrainerSet(Platform& p)
        : platform(p), range(p), tilt(p), odds(p, clock), fold(p), patience(p), scores(p), tournament(p),
          preflop(p, clock)
    {
    }
    TrainerSet(const TrainerSet&) = delete;
    TrainerSet& operator=(const TrainerSet&) = delete;

    Platform& platform;
    SituationClock clock; // situationStartTick, shared by preflop and odds
    RangePractice range;
    TiltSensor tilt;
    EquityTrainer odds;
    FoldDrill fold;
    PatienceTrainer patience;
    ScoresPanel scores;
    TournamentSession tournament;
    PreflopSession preflop;
};

// The program's start-up work before the user can press anything.
void StartUp(TrainerSet& trainers);

} // namespace velmo
