// Reaches into a trainer's state fields so that a test can start it from a
// state no run of presses reaches in a test's time, such as a score one
// point below the 32-bit limit.  Each trainer is an object of its own test.
// A trainer whose fields a test sets names this struct its friend, and only
// that: the reason is given here once.
#pragma once

#include "odds/fold_trainer.h"
#include "odds/odds_trainer.h"
#include "preflop/preflop_trainer.h"
#include "selfcheck/patience_trainer.h"
#include "selfcheck/range_trainer.h"
#include "selfcheck/tilt_trainer.h"
#include "tournament/tournament_trainer.h"

#include <cstdint>

namespace velmo {

struct TrainerStateAccess {
    static std::int32_t& Score(FoldTrainer& t) { return t.foldScore; }

    static std::int32_t& Score(PreflopTrainer& t) { return t.preflopScore; }
    static std::int32_t& SituationCount(PreflopTrainer& t) { return t.preflopSituationCount; }
    static std::int32_t& AnswerCount(PreflopTrainer& t) { return t.preflopAnswerCount; }

    static std::int32_t& Score(TournamentTrainer& t) { return t.tourScore; }
    static std::int32_t& SituationCount(TournamentTrainer& t) { return t.tourSituationCount; }
    static std::int32_t& AnswerCount(TournamentTrainer& t) { return t.tourAnswerCount; }

    static std::int32_t& Score(OddsTrainer& t) { return t.oddsScore; }
    static std::int32_t& SituationCount(OddsTrainer& t) { return t.oddsSituationCount; }
    static std::int32_t& AnswerCount(OddsTrainer& t) { return t.oddsAnswerCount; }

    static std::int32_t& PressCount(RangeTrainer& t) { return t.rangePressCount; }
    static float& AnsweredCount(RangeTrainer& t) { return t.rangeAnsweredCount; }
    static float& Percent(RangeTrainer& t) { return t.rangePercent; }

    static std::int32_t& Level(TiltTrainer& t) { return t.tiltLevel; }
    static std::int32_t& QuestionIndex(TiltTrainer& t) { return t.tiltQuestionIndex; }
    static std::int32_t& AnswerCount(TiltTrainer& t) { return t.tiltAnswerCount; }

    static std::int32_t& HitCount(PatienceTrainer& t) { return t.patienceHitCount; }
    static float& Points(PatienceTrainer& t) { return t.patiencePoints; }
};

} // namespace velmo
