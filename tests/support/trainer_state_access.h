// Reaches into a trainer's state fields so that a test can start it from a
// state no run of presses reaches in a test's time, such as a score one
// point below the 32-bit limit.  Each trainer is an object of its own test.
#pragma once

#include "odds/equity_trainer.h"
#include "odds/fold_drill.h"
#include "preflop/preflop_session.h"
#include "selfcheck/patience_trainer.h"
#include "selfcheck/range_practice.h"
#include "selfcheck/tilt_sensor.h"
#include "tournament/tournament_session.h"

#include <cstdint>

namespace velmo {

struct TrainerStateAccess {
    static std::int32_t& Score(FoldDrill& t) { return t.foldScore; }

    static std::int32_t& Score(PreflopSession& t) { return t.preflopScore; }
    static std::int32_t& SituationCount(PreflopSession& t) { return t.preflopSituationCount; }
    static std::int32_t& AnswerCount(PreflopSession& t) { return t.preflopAnswerCount; }

    static std::int32_t& Score(TournamentSession& t) { return t.tourScore; }
    static std::int32_t& SituationCount(TournamentSession& t) { return t.tourSituationCount; }
    static std::int32_t& AnswerCount(TournamentSession& t) { return t.tourAnswerCount; }

    static std::int32_t& Score(EquityTrainer& t) { return t.oddsScore; }
    static std::int32_t& SituationCount(EquityTrainer& t) { return t.oddsSituationCount; }
    static std::int32_t& AnswerCount(EquityTrainer& t) { return t.oddsAnswerCount; }

    static std::int32_t& PressCount(RangePractice& t) { return t.rangePressCount; }
    static float& AnsweredCount(RangePractice& t) { return t.rangeAnsweredCount; }
    static float& Percent(RangePractice& t) { return t.rangePercent; }

    static std::int32_t& Level(TiltSensor& t) { return t.tiltLevel; }
    static std::int32_t& QuestionIndex(TiltSensor& t) { return t.tiltQuestionIndex; }
    static std::int32_t& AnswerCount(TiltSensor& t) { return t.tiltAnswerCount; }

    static std::int32_t& HitCount(PatienceTrainer& t) { return t.patienceHitCount; }
    static float& Points(PatienceTrainer& t) { return t.patiencePoints; }
};

} // namespace velmo
