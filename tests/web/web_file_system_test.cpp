// The web edition's file system over a storage that can refuse or keep its
// locks, score files loaded from outside, and the 32-bit tick count.
#include "app/web/score_import.h"
#include "app/web/web_clock.h"
#include "app/web/web_file_system.h"
#include "scores/highscore_file.h"
#include "support/fake_web_storage.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace velmo {
namespace {

using test::FakeWebStorage;

std::optional<std::string> Append(std::istream& in, const char* tail)
{
    std::stringstream all;
    all << in.rdbuf() << tail;
    return all.str();
}

// What only the site's storage does: another tab's write is seen at the next
// read, another tab's lock is waited for and then given up on, and a refused
// write keeps the old text.  The rest is the file-system contract's.
TEST(WebFileSystem, SharesTheStorageWithOtherTabs)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {"f"}, std::chrono::milliseconds(20));
    const auto append = [](std::istream& in) { return Append(in, "b"); };
    EXPECT_TRUE(files.CreateExclusively("f", "a"));
    storage.texts["f"] = "c"; // another tab
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::Written);
    EXPECT_EQ(storage.texts["f"], "cb");
    storage.refuseWrites = true;
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::WriteFailed);
    EXPECT_FALSE(files.Rewrite("f", "x"));
    storage.refuseWrites = false;
    storage.locked.insert("f"); // another tab holds it past the wait
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::LockTimedOut);
    EXPECT_FALSE(files.Rewrite("f", "x"));
    storage.locked.clear();
    EXPECT_TRUE(files.Rewrite("f", "x"));
    EXPECT_TRUE(storage.locked.empty()) << "every lock taken is let go";
    EXPECT_EQ(storage.texts, (std::map<std::string, std::string>{{"f", "x"}}));
}

TEST(WebFileSystem, ScratchRoundTripStaysInMemory)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {kHighscoreFileName});
    const ScratchRoundTrip trip = files.RoundTripScratch("studs1.txt", "75");
    EXPECT_EQ(trip.status, ScratchRoundTrip::Status::Done);
    EXPECT_EQ(trip.readBack, "75");
    EXPECT_TRUE(storage.texts.empty());
}

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

TEST(WebClock, TicksWrapAt32Bits)
{
    EXPECT_EQ(WrapTicks(0.0), 0u);
    EXPECT_EQ(WrapTicks(4294967295.9), 4294967295u);
    EXPECT_EQ(WrapTicks(4294967296.0 + 17.5), 17u);
    EXPECT_EQ(WrapTicks(1893456000000.0), static_cast<std::uint32_t>(1893456000000ull % 4294967296ull));
}

} // namespace
} // namespace velmo
