#include "shell/event_table.h"

#include "common/control_ids.h"
#include "preflop/preflop_catalogue.h"
#include "scores/highscore_file.h"
#include "shell/help_texts.h"
#include "shell/trainer_set.h"

namespace velmo {
namespace {

using namespace ids;

constexpr EventRow kRows[] = {
    // Manual Range Practice
    {kRangeHelp, [](TrainerSet& t) { ShowHelp(t.platform, kRangeHelp); }},
    {kRangeDone, [](TrainerSet& t) { t.range.Done(); }},
    {kRangeCorrect, [](TrainerSet& t) { t.range.CorrectNext(); }},
    {kRangeIncorrect, [](TrainerSet& t) { t.range.IncorrectNext(); }},
    // Tilt Sensor
    {kTiltHelp, [](TrainerSet& t) { ShowHelp(t.platform, kTiltHelp); }},
    {kTiltStart, [](TrainerSet& t) { t.tilt.StartNext(); }},
    {kTiltYes, [](TrainerSet& t) { t.tilt.Yes(); }},
    {kTiltNo, [](TrainerSet& t) { t.tilt.No(); }},
    {kTiltReset, [](TrainerSet& t) { t.tilt.Reset(); }},
    // RE/Odds
    {kOddsHelp, [](TrainerSet& t) { ShowHelp(t.platform, kOddsHelp); }},
    {kOddsStart, [](TrainerSet& t) { t.odds.StartNext(); }},
    {kOddsFold, [](TrainerSet& t) { t.odds.Fold(); }},
    {kOddsCall, [](TrainerSet& t) { t.odds.Call(); }},
    {kOddsReset, [](TrainerSet& t) { t.odds.Reset(); }},
    // How to fold
    {kFoldHelp, [](TrainerSet& t) { ShowHelp(t.platform, kFoldHelp); }},
    {kFoldFold, [](TrainerSet& t) { t.fold.Fold(); }},
    {kFoldCallOpen, [](TrainerSet& t) { t.fold.CallOpen(); }},
    // Patience
    {kPatienceHit, [](TrainerSet& t) { t.patience.Hit(); }},
    {kPatienceHelp, [](TrainerSet& t) { ShowHelp(t.platform, kPatienceHelp); }},
    {kPatienceDone, [](TrainerSet& t) { t.patience.Done(); }},
    // SCORES
    {kScoresHighscores, [](TrainerSet& t) { t.scores.Highscores(); }},
    {kScoresHelp, [](TrainerSet& t) { ShowHelp(t.platform, kScoresHelp); }},
    {kScoresReset, [](TrainerSet& t) { t.scores.Reset(); }},
    // Tournaments
    {kTourStart, [](TrainerSet& t) { t.tournament.StartNext(); }},
    {kTourHelp, [](TrainerSet& t) { ShowHelp(t.platform, kTourHelp); }},
    {kTourPush, [](TrainerSet& t) { t.tournament.Push(); }},
    {kTourFold, [](TrainerSet& t) { t.tournament.Fold(); }},
    {kTourReset, [](TrainerSet& t) { t.tournament.Reset(); }},
    // Preflop Situation Trainer
    {kPreflopReset, [](TrainerSet& t) { t.preflop.Reset(); }},
    {kPreflopHelp, [](TrainerSet& t) { ShowHelp(t.platform, kPreflopHelp); }},
    {kPreflopStart, [](TrainerSet& t) { t.preflop.StartNext(); }},
    {kPreflopOpen, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::Open); }},
    {kPreflopFold, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::Fold); }},
    {kPreflopCall, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::Call); }},
    {kPreflopThreeBet, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::ThreeBet); }},
    {kPreflopOpenFoldToThreeBet, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::OpenFoldToThreeBet); }},
    {kPreflopOpenCallThreeBet, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::OpenCallThreeBet); }},
    {kPreflopOpenFourBet, [](TrainerSet& t) { t.preflop.Answer(PreflopAnswer::OpenFourBet); }},
};

} // namespace

std::span<const EventRow> EventTable()
{
    return kRows;
}

const EventRow* FindEvent(int controlId)
{
    for (const EventRow& row : kRows)
        if (row.controlId == controlId)
            return &row;
    return nullptr;
}

bool Dispatch(TrainerSet& trainers, int controlId)
{
    const EventRow* row = FindEvent(controlId);
    if (!row)
        return false;
    row->run(trainers);
    return true;
}

void StartUp(TrainerSet& trainers)
{
    EnsureHighscoreFile(trainers.platform.files());
}

} // namespace velmo
