#include "odds/odds_trainer.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/situation_timing.h"
#include "odds/bet_size_table.h"
#include "odds/odds_panel.h"
#include "scores/highscore_file.h"

#include <iterator>
#include <string>

namespace velmo {

namespace {

constexpr std::int32_t kFastMs = 10000;
constexpr std::int32_t kSlowMs = 20000;

constexpr const char* kSessionOver = "Session over.";
constexpr const char* kRightCall = "correct, call";
constexpr const char* kRightFold = "Correct, fold.";
constexpr const char* kSlowSuffix = ", SLOW!";
constexpr const char* kIncorrect = "That is incorrect.";

struct DrawRule {
    std::uint32_t pauseMs;
    int range;
    int offset;
};

// Indexed by OddsValue - 1: pot size, bet-size row, outs, streets left.
constexpr DrawRule kDrawRules[] = {
    {155, 5000, 10},
    {13, 12, 1},
    {213, 20, 2},
    {133, 2, 1},
};

std::string Text(Platform& platform, std::int32_t value)
{
    return NumberToText(platform, static_cast<float>(value));
}

} // namespace

int DrawOddsValue(Platform& platform, OddsValue value)
{
    const int index = static_cast<int>(value) - 1;
    if (index < 0 || index >= static_cast<int>(std::size(kDrawRules)))
        return 0;
    const DrawRule& rule = kDrawRules[index];
    platform.PauseAndReseed(rule.pauseMs);
    return platform.rand() % rule.range + rule.offset;
}

float BetFractionForRow(int row)
{
    if (row < 1 || row > static_cast<int>(kBetSizeTable.size()))
        return 0.0f;
    return kBetSizeTable[static_cast<std::size_t>(row - 1)].fraction;
}

int RequiredEquityForFraction(float fraction)
{
    for (const BetSizeRow& row : kBetSizeTable) {
        if (row.fraction == fraction)
            return row.requiredEquity;
    }
    return 0; // no situation dealt yet (fraction 0)
}

std::int32_t OddsBetAmount(std::int32_t pot, float fraction)
{
    return static_cast<std::int32_t>(static_cast<double>(pot) * static_cast<double>(fraction));
}

bool OddsCallExpected(std::int32_t outs, std::int32_t streetsLeft, float fraction)
{
    const std::int32_t hero = outs * (streetsLeft == 1 ? 2 : 4);
    return hero >= RequiredEquityForFraction(fraction);
}

OddsTrainer::OddsTrainer(Platform& platform, SituationStartTick& situationStart, PracticeLog& log)
    : platform_(platform), situationStart_(situationStart),
      quiz_(platform, log, LogPanel::Odds, slots::kOdds, {oddsSituationCount, oddsAnswerCount, oddsScore})
{
}

void OddsTrainer::StartNext()
{
    if (!quiz_.NextSituation()) {
        EndSession();
        return;
    }

    oddsPotSize = DrawOddsValue(platform_, OddsValue::PotSize);
    const std::string potText = Text(platform_, oddsPotSize);

    oddsBetRow = DrawOddsValue(platform_, OddsValue::BetRow);
    oddsBetFraction = BetFractionForRow(oddsBetRow);
    oddsBetAmount = OddsBetAmount(oddsPotSize, oddsBetFraction);
    const std::string betText = Text(platform_, oddsBetAmount);

    oddsOuts = DrawOddsValue(platform_, OddsValue::Outs);
    const std::string outsText = Text(platform_, oddsOuts);

    oddsStreetsLeft = DrawOddsValue(platform_, OddsValue::StreetsLeft);
    const std::string streetsText = Text(platform_, oddsStreetsLeft);

    // The answer clock starts only after the pauses of the draws.
    situationStart_.situationStartTick = platform_.Ticks();

    quiz_.ShowSituation(ids::kOddsTextBox, "Pot size: " + potText + ". V bets: " + betText +
                                               ". Hero outs: " + outsText + ". Streets left: " + streetsText + ".");
}

void OddsTrainer::Fold()
{
    Judge(Answer::Fold);
}

void OddsTrainer::Call()
{
    Judge(Answer::Call);
}

void OddsTrainer::Reset()
{
    quiz_.Reset({ids::kOddsTextBox, ids::kOddsScoreBox});
}

void OddsTrainer::Judge(Answer given)
{
    if (!quiz_.PassGate())
        return;
    if (quiz_.SessionOver()) {
        platform_.SetBoxText(ids::kOddsTextBox, kSessionOver);
        return;
    }

    const Answer expected = OddsCallExpected(oddsOuts, oddsStreetsLeft, oddsBetFraction) ? Answer::Call : Answer::Fold;

    // The score box follows every change of the score, so that it never
    // lags behind a time bonus or a slow penalty.
    const bool credited = given == expected;
    std::string message(credited ? (given == Answer::Call ? kRightCall : kRightFold) : "");
    if (credited) {
        platform_.SetBoxText(ids::kOddsTextBox, message);
        quiz_.Add(1);
        ShowScore();
    }

    const std::int32_t elapsed = ElapsedMs(situationStart_.situationStartTick, platform_.Ticks());
    if (elapsed > kSlowMs) {
        message += kSlowSuffix;
        platform_.SetBoxText(ids::kOddsTextBox, message);
        quiz_.Add(-3);
        ShowScore();
    }
    if (elapsed < kFastMs && credited) {
        platform_.SetBoxText(ids::kOddsTextBox, message);
        quiz_.Add(1 + SpeedBonus(elapsed));
        ShowScore();
    }
    if (!credited) {
        message = kIncorrect;
        platform_.SetBoxText(ids::kOddsTextBox, message);
        quiz_.Add(-2);
        ShowScore();
    }
    const auto caption = [](Answer answer) {
        return CaptionOf(OddsPanel(), answer == Answer::Call ? ids::kOddsCall : ids::kOddsFold);
    };
    quiz_.Judged({credited, caption(expected), caption(given), elapsed});
}

void OddsTrainer::EndSession()
{
    platform_.SetBoxText(ids::kOddsTextBox, kSessionOver);
    const HighscoreResult result = quiz_.OfferScore();
    // A file failure has already been announced there.
    if (result.outcome != HighscoreOutcome::NewHighscore)
        return;
    platform_.SetBoxText(ids::kOddsTextBox, "Session over. " + HighscoreText(platform_, result));
    platform_.SetBoxText(ids::kOddsScoreBox, "");
}

void OddsTrainer::ShowScore()
{
    platform_.SetBoxText(ids::kOddsScoreBox, Text(platform_, oddsScore));
}

} // namespace velmo
