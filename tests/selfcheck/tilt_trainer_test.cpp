#include "selfcheck/tilt_panel.h"
#include "support/highscore_slots.h"
#include "support/program_fixture.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace velmo::test {
namespace {

// Written out once more here, so that a slip in either copy shows.
const std::array<std::vector<std::string>, 8> kQuestionTexts = {{
    {"Did you sleep well last night?", "Do you feel completely well rested?", "Are you full of energy?"},
    {"Does your head spin when you close your eyes?", "Do you feel dizzy when you sit?",
     "Do you have problems walking straight?"},
    {"Did you lose or win big recently?", "Did you win big recently?", "Did you lose big recently?"},
    {"Did you snap at someone today?", "Did you yell at someone while driving today?",
     "Have you recently argued with your spouse?"},
    {"Have you been feeling absent-minded today?", "Are you unfocused today?", "Do you have trouble concentrating?"},
    {"Do you drift away, daydreaming a lot today?", "Does daydreaming interfere with your thoughts?",
     "Do you vividly imagine exotic other places?"},
    {"Did you meditate today?"},
    {"Are you worried about something else?"},
}};
constexpr std::array<std::uint32_t, 8> kDelays = {33, 25, 15, 5, 51, 51, 0, 0};

class TiltTrainerTest : public ProgramFixture {
protected:
    // One character per question: Y, N, or - for no answer; then the verdict.
    std::string Take(const std::string& answers)
    {
        for (char a : answers) {
            Press(ids::kTiltStart);
            if (a == 'Y')
                Press(ids::kTiltYes);
            else if (a == 'N')
                Press(ids::kTiltNo);
        }
        Press(ids::kTiltStart);
        return Box(ids::kTiltTextBox);
    }
    std::int32_t Level() const { return trainers.tilt.level(); }
};

TEST_F(TiltTrainerTest, EachQuestionShowsOneOfItsVariantsAfterItsDelay)
{
    for (std::size_t q = 0; q < kQuestionTexts.size(); ++q) {
        const std::uint32_t t = platform.Ticks();
        const std::uint32_t slept = platform.sleptMs();
        const std::size_t effects = platform.effects().size();
        Press(ids::kTiltStart);
        EXPECT_EQ(platform.sleptMs() - slept, kDelays[q]) << "question " << q + 1;
        EXPECT_EQ(platform.effects().size(), effects + 1) << "one text per press";
        const auto& variants = kQuestionTexts[q];
        const std::size_t v = variants.size() == 1 ? 0 : static_cast<std::size_t>(FirstRand(t + kDelays[q]) % 3);
        EXPECT_EQ(Box(ids::kTiltTextBox), variants[v]) << "question " << q + 1;
        Wait(17);
    }
    const std::uint32_t slept = platform.sleptMs();
    Press(ids::kTiltStart);
    EXPECT_EQ(platform.sleptMs(), slept) << "the verdict takes no pause";
}

TEST_F(TiltTrainerTest, EveryVariantComesUp)
{
    std::array<std::set<std::string>, 8> seen;
    for (int test = 0; test < 60; ++test) {
        Press(ids::kTiltReset);
        for (auto& shown : seen) {
            Press(ids::kTiltStart);
            shown.insert(Box(ids::kTiltTextBox));
        }
        Wait(static_cast<std::uint32_t>(test * 13 + 1));
    }
    for (std::size_t q = 0; q < seen.size(); ++q)
        EXPECT_EQ(seen[q], std::set<std::string>(kQuestionTexts[q].begin(), kQuestionTexts[q].end()))
            << "question " << q + 1;
}

struct VerdictCase {
    const char* name;
    std::string answers;
    std::int32_t level;
    std::string text;
};

void PrintTo(const VerdictCase& c, std::ostream* os)
{
    *os << c.name;
}

class TiltVerdict : public TiltTrainerTest, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(TiltVerdict, LevelAndVerdict)
{
    EXPECT_EQ(Take(GetParam().answers), GetParam().text);
    EXPECT_EQ(Level(), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TiltVerdict,
    ::testing::Values(VerdictCase{"NoAnswers", "--------", 225, "Serious tilt, don't play.Level: 225"},
                      VerdictCase{"AllFavourable", "YNNNNNYN", 0, "No tilt, safe to play.Level: 0"},
                      VerdictCase{"AllFavourableButFive", "YNNN-NYN", 15, "Minor tilt, should be OK.Level: 15"},
                      VerdictCase{"AllUnfavourable", "NYYYYYNY", 445, "Serious tilt, don't play.Level: 445"},
                      VerdictCase{"NinetyFive", "--NNN-YN", 95, "Minor tilt, should be OK.Level: 95"},
                      VerdictCase{"OneHundred", "-NNNN--N", 100, "Some tilt, be careful.Level: 100"},
                      VerdictCase{"OneNinetyFive", "-N------", 195, "Some tilt, be careful.Level: 195"},
                      VerdictCase{"TwoHundredTakesTheMilderVerdict", "YYYYYNYN", 200,
                                  "Some tilt, be careful.Level: 200"},
                      VerdictCase{"TwoHundredFive", "-----N--", 205, "Serious tilt, don't play.Level: 205"}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

TEST_F(TiltTrainerTest, OnlyTheFirstAnswerToAQuestionCounts)
{
    Press(ids::kTiltStart);
    const std::string question = Box(ids::kTiltTextBox);
    Press(ids::kTiltYes);
    Press(ids::kTiltNo);
    Press(ids::kTiltYes);
    EXPECT_EQ(Level(), 180);
    EXPECT_EQ(Box(ids::kTiltTextBox), question) << "answers show nothing";
    Press(ids::kTiltStart);
    Press(ids::kTiltNo);
    EXPECT_EQ(Level(), 150) << "a new question opens the gate again";
}

TEST_F(TiltTrainerTest, AnAnswerWhileTheVerdictIsOnShowDoesNothing)
{
    const std::string verdict = Take("--------");
    Press(ids::kTiltNo);
    EXPECT_EQ(Box(ids::kTiltTextBox), verdict);
    EXPECT_EQ(Level(), 225);
}

TEST_F(TiltTrainerTest, AfterTheVerdictTheTestIsOver)
{
    Take("YNNNNNYN");
    Press(ids::kTiltStart);
    EXPECT_EQ(Box(ids::kTiltTextBox), "Test over.");
    Press(ids::kTiltYes);
    EXPECT_EQ(Box(ids::kTiltTextBox), "test over");
    Press(ids::kTiltStart);
    EXPECT_EQ(Box(ids::kTiltTextBox), "Test over.");
    Press(ids::kTiltNo);
    EXPECT_EQ(Box(ids::kTiltTextBox), "test over");
    EXPECT_EQ(Level(), 0) << "the level stays until Reset";
}

TEST_F(TiltTrainerTest, AnAnswerBeforeTheFirstQuestionIsTestOver)
{
    Press(ids::kTiltYes);
    EXPECT_EQ(Box(ids::kTiltTextBox), "test over");
    EXPECT_EQ(Level(), 225);
}

TEST_F(TiltTrainerTest, ResetInTheMiddleStartsAgainFromQuestionOne)
{
    Press(ids::kTiltStart);
    Press(ids::kTiltYes);
    Press(ids::kTiltStart);
    Press(ids::kTiltYes);
    Press(ids::kTiltReset);
    EXPECT_EQ(Box(ids::kTiltTextBox), "");
    EXPECT_EQ(Level(), 225);
    EXPECT_EQ(trainers.tilt.questionIndex(), 0);

    Press(ids::kTiltStart);
    const auto& first = kQuestionTexts[0];
    EXPECT_NE(std::find(first.begin(), first.end(), Box(ids::kTiltTextBox)), first.end());
    Press(ids::kTiltYes);
    EXPECT_EQ(Take("NNNNNYN"), "No tilt, safe to play.Level: 0");
}

TEST_F(TiltTrainerTest, ResetLeavesTheAnswerGateAsItIs)
{
    Press(ids::kTiltStart);
    Press(ids::kTiltYes);
    Press(ids::kTiltReset);
    Press(ids::kTiltYes);
    EXPECT_EQ(Box(ids::kTiltTextBox), "") << "the answer count is still above 1";
    Press(ids::kTiltStart);
    Press(ids::kTiltYes);
    EXPECT_EQ(Level(), 180);
}

TEST_F(TiltTrainerTest, LevelAndCountersStopAtTheThirtyTwoBitLimits)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    Press(ids::kTiltStart);
    TrainerStateAccess::Level(trainers.tilt) = kMax - 10;
    Press(ids::kTiltNo); // +45
    EXPECT_EQ(trainers.tilt.level(), kMax);

    TrainerStateAccess::AnswerCount(trainers.tilt) = kMax;
    Press(ids::kTiltYes);
    EXPECT_EQ(trainers.tilt.answerCount(), kMax);
    EXPECT_EQ(trainers.tilt.level(), kMax);

    // A test counted up to the limit stays over, press after press.
    TrainerStateAccess::QuestionIndex(trainers.tilt) = kMax;
    for (int n = 0; n < 2; ++n) {
        Press(ids::kTiltStart);
        ASSERT_EQ(trainers.tilt.questionIndex(), kMax);
        EXPECT_EQ(Box(ids::kTiltTextBox), "Test over.");
    }
}

} // namespace
} // namespace velmo::test
