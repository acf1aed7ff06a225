// Score files loaded from outside, merged into the list kept in the site's
// storage.
#include "app/web/score_import.h"
#include "scores/highscore_file.h"
#include "support/fake_web_storage.h"
#include "system/web/web_file_system.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

using test::FakeWebStorage;

TEST(ScoreImport, KeepsTheHigherValueOfEachSlotAndSaysWhatChanged)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {kHighscoreFileName});
    ASSERT_TRUE(files.CreateExclusively(kHighscoreFileName, "5 0 0 0 9 0 0 0 0 0 "));
    EXPECT_EQ(LoadScores(files, "\xEF\xBB\xBF"
                                "3\r\n4 0 0 12 -1 0 0 0 7"),
              "Scores raised:\nRE/Odds: 0 to 4\nPreflop Situation Trainer: 9 to 12\nSlot 9: 0 to 7\n");
    EXPECT_EQ(storage.texts[kHighscoreFileName], "5 4 0 0 12 0 0 0 0 7 ");
    EXPECT_EQ(LoadScores(files, "1 1 "), "No score in this file beats the one kept here. Nothing was changed.");
}

TEST(ScoreImport, RefusesWhatIsNotAHighscoreListAndChangesNothing)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {kHighscoreFileName});
    ASSERT_TRUE(files.CreateExclusively(kHighscoreFileName, "1 2 3 4 5 6 7 8 9 10 "));
    for (const std::string& bad : {std::string(), std::string("1 2 x"), std::string("1 2 3 4 5 6 7 8 9 10 11"),
                                   std::string("99999999999"), std::string("1.5"), std::string("7\0 8", 4),
                                   std::string("\xC3\xA9"), std::string(kMaxScoreFileBytes + 1, ' ')})
        EXPECT_TRUE(LoadScores(files, bad).ends_with("Nothing was changed.")) << bad.substr(0, 20);
    EXPECT_EQ(storage.texts[kHighscoreFileName], "1 2 3 4 5 6 7 8 9 10 ");
    // Only the size limit's edge is taken: exactly 64 KiB of blanks and a number.
    EXPECT_TRUE(LoadScores(files, std::string(kMaxScoreFileBytes - 2, ' ') + "11").starts_with("Scores raised:"));
}

TEST(ScoreImport, TakesAListAsTheProgramReadsItsOwn)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {kHighscoreFileName});
    ASSERT_TRUE(files.CreateExclusively(kHighscoreFileName, "0 0 0 0 0 0 0 0 0 0 "));
    EXPECT_TRUE(LoadScores(files, "+5\v2-3\f").starts_with("Scores raised:"));
    EXPECT_EQ(storage.texts[kHighscoreFileName], "5 2 0 0 0 0 0 0 0 0 ");
}

TEST(ScoreImport, AMissingListIsAnnounced)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {kHighscoreFileName});
    EXPECT_EQ(LoadScores(files, "1 "), "Highscore list gone? Nothing was changed.");
}

} // namespace
} // namespace velmo
