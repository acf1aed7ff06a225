#include "common/recording_platform.h"
#include "odds/odds_panel.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "support/faulty_file_system.h"
#include "support/temp_work_dir.h"
#include "tournament/tournament_panel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <sstream>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;

class HighscoreFile : public ::testing::Test {
protected:
    HighscoreFile() : platform(files, 100000) {}

    HighscoreSlots Slots() const
    {
        std::istringstream in(ReadFile(kHighscoreFileName));
        return ParseHighscoreValues(in).slots;
    }
    int TempFilesLeft() const
    {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            n += entry.path().filename().string().rfind(".Highscores.txt.", 0) == 0;
        return n;
    }

    TempWorkDir dir;
    FaultyFileSystem files;
    RecordingPlatform platform;
};

TEST_F(HighscoreFile, FirstStartCreatesTenZeros)
{
    EnsureHighscoreFile(files);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(ReadFile(kHighscoreFileName).size(), 20u);
}

TEST_F(HighscoreFile, StartLeavesAnyExistingFileUntouched)
{
    for (const std::string content : {"", "garbage\n", "1 2 3", "5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n"}) {
        WriteFile(kHighscoreFileName, content);
        EnsureHighscoreFile(files);
        EXPECT_EQ(ReadFile(kHighscoreFileName), content);
    }
}

TEST_F(HighscoreFile, StartWithADirectoryInThePlaceIsSilent)
{
    fs::create_directory(kHighscoreFileName);
    EnsureHighscoreFile(files);
    EXPECT_TRUE(fs::is_directory(kHighscoreFileName));
    EXPECT_EQ(TempFilesLeft(), 0);
}

struct ParseCase {
    const char* name;
    std::string content;
    int count;
    HighscoreSlots slots;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << ::testing::PrintToString(c.content);
}

class HighscoreParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(HighscoreParse, ReadsWhatTheFileSupplies)
{
    std::istringstream in(GetParam().content);
    const HighscoreValues values = ParseHighscoreValues(in);
    EXPECT_EQ(values.count, GetParam().count);
    EXPECT_EQ(values.slots, GetParam().slots);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, HighscoreParse,
    ::testing::Values(
        ParseCase{"OneLine", "1 2 3 4 5 6 7 8 9 10 ", 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        ParseCase{"LinesAndTabs", "1\n2\t3   4\r\n5\n\n6 7 8 9 10\n", 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        ParseCase{"CrLf", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n", 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        ParseCase{"ByteOrderMark",
                  "\xEF\xBB\xBF"
                  "4 5 6",
                  3,
                  {4, 5, 6}},
        ParseCase{"BrokenByteOrderMark",
                  "\xEF\xBB"
                  "4 5 6",
                  0,
                  {}},
        ParseCase{"Empty", "", 0, {}}, ParseCase{"ShortFile", "7 8 9", 3, {7, 8, 9}},
        ParseCase{"StopsAtText", "1 2 x 4 5 6 7 8 9 10", 2, {1, 2}},
        ParseCase{"StopsAtDecimalPoint", "1 2.5 3", 2, {1, 2}},
        ParseCase{"SignsAndExtremes", "-5 +6 2147483647 -2147483648", 4, {-5, 6, 2147483647, -2147483647 - 1}},
        ParseCase{"BeyondThirtyTwoBits", "1 2147483648 3", 1, {1}}, ParseCase{"HugeNegative", "-99999999999 3", 0, {}},
        ParseCase{"LoneMinus", "1 - 2", 1, {1}},
        ParseCase{"OnlyTenAreRead", "1 2 3 4 5 6 7 8 9 10 11 12", 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        ParseCase{"BinaryGarbage", std::string("\x00\x01\xff\xfe 1 2", 8), 0, {}}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST_F(HighscoreFile, TenMegabytesOfDigitsReadAsNothing)
{
    WriteFile(kHighscoreFileName, std::string(10 * 1024 * 1024, '7'));
    const auto values = ReadHighscoreValues(files);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->count, 0) << "the value overflows and ends the reading at once";
}

TEST_F(HighscoreFile, ADirectoryCannotBeRead)
{
    fs::create_directory(kHighscoreFileName);
    EXPECT_FALSE(ReadHighscoreValues(files));
}

TEST_F(HighscoreFile, ScoreThatBeatsTheSlotIsStoredKeepingTheOthers)
{
    WriteFile(kHighscoreFileName, "1\n2\n3\n4\n20\n6\n7\n8\n9\n10\n11 12");
    const HighscoreResult result = UpdateHighscore(platform, slots::kPreflop, 37);
    EXPECT_EQ(result.outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(result.stored, 37);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 37 6 7 8 9 10 ") << "one line, values after the tenth dropped";
    EXPECT_EQ(platform.MessageCount(), 0);
    EXPECT_EQ(TempFilesLeft(), 0);
}

TEST_F(HighscoreFile, EqualOrLowerScoresDoNotBeatTheSlot)
{
    WriteFile(kHighscoreFileName, "0 0 0 0 20 0 0 0 0 0 ");
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 20).outcome, HighscoreOutcome::NotBeaten);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, -3).outcome, HighscoreOutcome::NotBeaten);
    EXPECT_EQ(UpdateHighscore(platform, slots::kRange, 0).outcome, HighscoreOutcome::NotBeaten);
    EXPECT_EQ(UpdateHighscore(platform, slots::kRange, -1).outcome, HighscoreOutcome::NotBeaten);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "0 0 0 0 20 0 0 0 0 0 ");
}

TEST_F(HighscoreFile, ShortFileTreatsMissingSlotsAsZero)
{
    WriteFile(kHighscoreFileName, "5 6");
    const HighscoreResult result = UpdateHighscore(platform, slots::kTournament, 9);
    EXPECT_EQ(result.outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "5 6 0 0 0 9 0 0 0 0 ");
}

TEST_F(HighscoreFile, PatiencePointsCompareAsRealsAndStoreTruncated)
{
    WriteFile(kHighscoreFileName, "0 0 0 5 0 0 0 0 0 0 ");
    HighscoreResult result = UpdateHighscore(platform, slots::kPatience, 5.5f);
    EXPECT_EQ(result.outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(result.stored, 5);
    EXPECT_EQ(Slots()[slots::kPatience], 5);

    WriteFile(kHighscoreFileName, "0 0 0 13 0 0 0 0 0 0 ");
    EXPECT_EQ(UpdateHighscore(platform, slots::kPatience, 12.9f).outcome, HighscoreOutcome::NotBeaten);
    WriteFile(kHighscoreFileName, "0 0 0 12 0 0 0 0 0 0 ");
    result = UpdateHighscore(platform, slots::kPatience, 12.9f);
    EXPECT_EQ(result.outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(result.stored, 12);
    WriteFile(kHighscoreFileName, "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(UpdateHighscore(platform, slots::kPatience, 0.0f).outcome, HighscoreOutcome::NotBeaten);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPatience, 0.5f).stored, 0);
}

TEST_F(HighscoreFile, MissingFileShowsTheMessageAndIsNotCreated)
{
    const HighscoreResult result = UpdateHighscore(platform, slots::kOdds, 12);
    EXPECT_EQ(result.outcome, HighscoreOutcome::FileMissing);
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, "velmorandine") << "no caption of its own: the application's name";
    EXPECT_FALSE(fs::exists(kHighscoreFileName));
}

TEST_F(HighscoreFile, FailedRewriteKeepsTheOldFileAndIsNoHighscore)
{
    WriteFile(kHighscoreFileName, "1 2 3 4 5 6 7 8 9 10 ");
    for (std::size_t bytes : {0u, 3u, 19u}) {
        files.FailWritesAfter(bytes);
        const HighscoreResult result = UpdateHighscore(platform, slots::kPreflop, 99);
        EXPECT_EQ(result.outcome, HighscoreOutcome::WriteFailed) << "after " << bytes << " bytes";
        EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
        EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 5 6 7 8 9 10 ");
        EXPECT_EQ(TempFilesLeft(), 0);
    }
    files.Heal();
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
}

TEST_F(HighscoreFile, ADirectoryInThePlaceIsGone)
{
    fs::create_directory(kHighscoreFileName);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 5).outcome, HighscoreOutcome::FileMissing);
    EXPECT_FALSE(WriteHighscoreValues(files, HighscoreSlots{}));
    EXPECT_TRUE(fs::is_directory(kHighscoreFileName));
    EXPECT_EQ(TempFilesLeft(), 0);
}

TEST_F(HighscoreFile, SymbolicLinkStaysALinkAndItsTargetIsReplaced)
{
    fs::create_directory("elsewhere");
    WriteFile("elsewhere/scores.txt", "0 0 0 0 3 0 0 0 0 0 ");
    fs::create_symlink("elsewhere/scores.txt", kHighscoreFileName);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 8).outcome, HighscoreOutcome::NewHighscore);
    EXPECT_TRUE(fs::is_symlink(kHighscoreFileName));
    EXPECT_EQ(ReadFile("elsewhere/scores.txt"), "0 0 0 0 8 0 0 0 0 0 ");
}

TEST_F(HighscoreFile, WriteOnAMissingFolderFails)
{
    EXPECT_FALSE(files.Rewrite("no/such/folder/Highscores.txt", "0 "));
}

} // namespace
} // namespace velmo::test
