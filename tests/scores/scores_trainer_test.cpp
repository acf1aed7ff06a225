#include "common/file_system.h"
#include "common/recording_platform.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "scores/scores_trainer.h"
#include "selfcheck/patience_panel.h"
#include "support/program_fixture.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTenZeros = "0 0 0 0 0 0 0 0 0 0 ";

class ScoresTrainerTest : public ProgramFixture {
protected:
    std::string FileText() const { return ReadFile(kHighscoreFileName); }
};

TEST_F(ScoresTrainerTest, FreshFileShowsZero)
{
    Press(ids::kScoresHighscores);
    EXPECT_EQ(Box(ids::kScoresTotalBox), "0");
    EXPECT_EQ(FileText(), kTenZeros);
    EXPECT_EQ(platform.MessageCount(), 0);
}

struct TotalCase {
    const char* name;
    std::string before;
    std::string shown;
    std::string after;
};

void PrintTo(const TotalCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScoresTotal : public ScoresTrainerTest, public ::testing::WithParamInterface<TotalCase> {};

TEST_P(ScoresTotal, ShowsTheTotalAndRewritesTheFile)
{
    WriteFile(kHighscoreFileName, GetParam().before);
    Press(ids::kScoresHighscores);
    EXPECT_EQ(Box(ids::kScoresTotalBox), GetParam().shown);
    EXPECT_EQ(FileText(), GetParam().after);
    EXPECT_EQ(platform.MessageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScoresTotal,
    ::testing::Values(
        TotalCase{"TrainerBests", "12 30 0 2 25 40 0 0 0 0 ", "109", "12 30 0 2 25 40 0 0 109 0 "},
        TotalCase{"LargerCombinedBestIsKept", "1 2 0 0 0 0 0 0 500 0 ", "3", "1 2 0 0 0 0 0 0 500 0 "},
        TotalCase{"EqualCombinedBestStays", "4 0 0 3 0 0 0 0 7 0 ", "7", "4 0 0 3 0 0 0 0 7 0 "},
        TotalCase{"UnwrittenSlotsCount", "0 0 5 0 0 0 6 7 0 9 ", "27", "0 0 5 0 0 0 6 7 27 9 "},
        TotalCase{"NegativeValuesLower", "10 -4 0 0 0 0 0 0 0 0 ", "6", "10 -4 0 0 0 0 0 0 6 0 "},
        TotalCase{"NegativeTotalBeatsNothing", "-5 0 0 0 0 0 0 0 0 0 ", "-5", "-5 0 0 0 0 0 0 0 0 0 "},
        TotalCase{"NegativeBestIsBeaten", "-5 0 0 0 0 0 0 0 -9 0 ", "-5", "-5 0 0 0 0 0 0 0 -5 0 "},
        TotalCase{"HandEditedLayout", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n", "46", "1 2 3 4 5 6 7 8 46 10 "},
        TotalCase{"ShortFile", "5 6", "11", "5 6 0 0 0 0 0 0 11 0 "}, TotalCase{"EmptyFile", "", "0", kTenZeros},
        TotalCase{"LargeButInRange", "1000000 0 0 0 0 0 0 0 0 0 ", "1e+006", "1000000 0 0 0 0 0 0 0 1000000 0 "},
        TotalCase{"SumOutOfRangeOnTheWayOnly", "2147483647 2147483647 -2147483647 -2147483647 0 0 0 0 0 0 ", "0",
                  "2147483647 2147483647 -2147483647 -2147483647 0 0 0 0 0 0 "},
        TotalCase{"TooLargeIsClamped", "2147483647 1 0 0 0 0 0 0 0 0 ", "2.14748e+009",
                  "2147483647 1 0 0 0 0 0 0 2147483647 0 "},
        TotalCase{"TooSmallIsClamped", "-2147483648 -1 0 0 0 0 0 0 -2147483648 0 ", "-2.14748e+009",
                  "-2147483648 -1 0 0 0 0 0 0 -2147483648 0 "}),
    [](const ::testing::TestParamInfo<TotalCase>& info) { return std::string(info.param.name); });

TEST_F(ScoresTrainerTest, TwiceInARowGivesTheSame)
{
    WriteFile(kHighscoreFileName, "12 30 0 2 25 40 0 0 0 0 ");
    Press(ids::kScoresHighscores);
    const std::string shown = Box(ids::kScoresTotalBox);
    const std::string file = FileText();
    Press(ids::kScoresHighscores);
    EXPECT_EQ(Box(ids::kScoresTotalBox), shown);
    EXPECT_EQ(FileText(), file);
}

TEST_F(ScoresTrainerTest, ResetWipesEverySlotWithoutAsking)
{
    WriteFile(kHighscoreFileName, "12 30 1 2 25 40 3 4 109 5 ");
    Press(ids::kScoresReset);
    EXPECT_EQ(FileText(), kTenZeros);
    EXPECT_EQ(Box(ids::kScoresTotalBox), "0");
    EXPECT_EQ(platform.MessageCount(), 0);
    Press(ids::kScoresHighscores);
    EXPECT_EQ(Box(ids::kScoresTotalBox), "0");
    EXPECT_EQ(FileText(), kTenZeros);
}

TEST_F(ScoresTrainerTest, AfterResetAnyPositiveScoreIsANewHighscore)
{
    WriteFile(kHighscoreFileName, "0 0 0 100 0 0 0 0 0 0 ");
    Press(ids::kPatienceHit);
    Press(ids::kScoresReset);
    Press(ids::kPatienceDone);
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "Highscore! 0");
}

TEST_F(ScoresTrainerTest, MissingFileShowsTheMessageOnly)
{
    WriteFile(kHighscoreFileName, "12 30 0 2 25 40 0 0 0 0 ");
    Press(ids::kScoresHighscores);
    fs::remove(kHighscoreFileName);
    Press(ids::kScoresHighscores);
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, kApplicationName);
    EXPECT_EQ(Box(ids::kScoresTotalBox), "109");
    EXPECT_FALSE(fs::exists(kHighscoreFileName));

    Press(ids::kScoresReset);
    EXPECT_EQ(FileText(), kTenZeros) << "Reset creates the file again";
    EXPECT_EQ(Box(ids::kScoresTotalBox), "0");
}

TEST_F(ScoresTrainerTest, DirectoryInThePlace)
{
    Press(ids::kScoresHighscores);
    fs::remove(kHighscoreFileName);
    fs::create_directory(kHighscoreFileName);
    Press(ids::kScoresHighscores);
    EXPECT_EQ(platform.MessageCount(), 1);
    Press(ids::kScoresReset);
    EXPECT_EQ(platform.MessageCount(), 2);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(ids::kScoresTotalBox), "0") << "from the first press; Reset leaves the box";
    EXPECT_TRUE(fs::is_directory(kHighscoreFileName));
}

TEST_F(ScoresTrainerTest, ResetThatCannotWriteLeavesTheBox)
{
    WriteFile(kHighscoreFileName, "12 30 0 2 25 40 0 0 0 0 ");
    Press(ids::kScoresHighscores);
    files.FailWritesAfter(0);
    Press(ids::kScoresReset);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(ids::kScoresTotalBox), "109");
    EXPECT_EQ(FileText(), "12 30 0 2 25 40 0 0 109 0 ");
}

TEST_F(ScoresTrainerTest, FailedRewriteKeepsTheFile)
{
    WriteFile(kHighscoreFileName, "12 30 0 2 25 40 0 0 0 0 ");
    files.FailWritesAfter(0);
    Press(ids::kScoresHighscores);
    EXPECT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(FileText(), "12 30 0 2 25 40 0 0 0 0 ") << "slot 8 is not stored";
    // With every write failing, the number-to-text scratch file fails too.
    EXPECT_EQ(Box(ids::kScoresTotalBox), "Quorvix file problem 1");
}

TEST(ScoresTrainerReadOnly, TotalIsShownAfterTheMessage)
{
    TempWorkDir dir;
    FaultyFileSystem files; // only the highscore file refuses: the scratch file still works
    files.RefuseWritesTo(kHighscoreFileName);
    RecordingPlatform platform(files, 100000);
    ScoresTrainer panel(platform);
    WriteFile(kHighscoreFileName, "12 30 0 2 25 40 0 0 0 0 ");

    panel.Highscores();

    const auto& effects = platform.effects();
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0].kind, Effect::Kind::Message);
    EXPECT_EQ(effects[0].text, "Highscore list gone?");
    EXPECT_EQ(effects[1].kind, Effect::Kind::Box);
    EXPECT_EQ(effects[1].box, ids::kScoresTotalBox);
    EXPECT_EQ(effects[1].text, "109");
    EXPECT_EQ(ReadFile(kHighscoreFileName), "12 30 0 2 25 40 0 0 0 0 ");

    panel.Reset();
    EXPECT_EQ(platform.MessageCount(), 2);
    EXPECT_EQ(platform.BoxText(ids::kScoresTotalBox), "109");
}

} // namespace
} // namespace velmo::test
