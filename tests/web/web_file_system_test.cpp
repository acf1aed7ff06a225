// The web edition's file system over a storage that can refuse or keep its
// lock, score files loaded from outside, and the 32-bit tick count.
#include "app/web/score_import.h"
#include "app/web/web_clock.h"
#include "app/web/web_file_system.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace velmo {
namespace {

// The site's storage in memory: it refuses writes or the lock on demand and
// counts how the lock is used.
class FakeStorage : public WebStorage {
public:
    std::optional<std::string> Read(const std::string& name) override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::nullopt : std::optional(it->second);
    }
    bool Write(const std::string& name, std::string_view content) override
    {
        EXPECT_TRUE(locked) << "every write holds the lock";
        if (refuseWrites)
            return false;
        texts[name] = std::string(content);
        return true;
    }
    bool Lock(std::chrono::milliseconds wait) override
    {
        EXPECT_EQ(wait, WebFileSystem::kLockWait);
        if (lockTaken)
            return false;
        locked = true;
        return true;
    }
    void Unlock() override
    {
        EXPECT_TRUE(locked);
        locked = false;
    }

    std::map<std::string, std::string> texts;
    bool refuseWrites = false;
    bool lockTaken = false; // another tab keeps the lock past the wait
    bool locked = false;
};

std::optional<std::string> Append(std::istream& in, const char* tail)
{
    std::stringstream all;
    all << in.rdbuf() << tail;
    return all.str();
}

TEST(WebFileSystem, UpdatesUnderTheLockAndReportsEveryOutcome)
{
    FakeStorage storage;
    WebFileSystem files(storage);
    const auto append = [](std::istream& in) { return Append(in, "b"); };
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::Unreadable); // nothing is created
    EXPECT_TRUE(files.CreateExclusively("f", "a"));
    EXPECT_FALSE(files.CreateExclusively("f", "z"));
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::Written);
    EXPECT_EQ(files.Update("f", [](std::istream&) { return std::optional<std::string>(); }), UpdateOutcome::Unchanged);
    storage.refuseWrites = true;
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::WriteFailed);
    EXPECT_FALSE(files.Rewrite("f", "x"));
    storage.refuseWrites = false;
    storage.lockTaken = true;
    EXPECT_EQ(files.Update("f", append), UpdateOutcome::Unreadable);
    EXPECT_FALSE(files.Rewrite("f", "x"));
    EXPECT_EQ(storage.texts["f"], "ab");
    EXPECT_FALSE(storage.locked);
}

TEST(WebFileSystem, ScratchRoundTripStaysInMemory)
{
    FakeStorage storage;
    WebFileSystem files(storage);
    const ScratchRoundTrip trip = files.RoundTripScratch("studs1.txt", "75");
    EXPECT_EQ(trip.status, ScratchRoundTrip::Status::Done);
    EXPECT_EQ(trip.readBack, "75");
    EXPECT_TRUE(storage.texts.empty());
}

TEST(ScoreImport, KeepsTheHigherValueOfEachSlotAndSaysWhatChanged)
{
    FakeStorage storage;
    WebFileSystem files(storage);
    ASSERT_TRUE(files.CreateExclusively(kHighscoreFileName, "5 0 0 0 9 0 0 0 0 0 "));
    EXPECT_EQ(LoadScores(files, "\xEF\xBB\xBF"
                                "3\r\n4 0 0 12 -1 0 0 0 7"),
              "Scores raised:\nRE/Odds: 0 to 4\nPreflop Situation Trainer: 9 to 12\nSlot 10: 0 to 7\n");
    EXPECT_EQ(storage.texts[kHighscoreFileName], "5 4 0 0 12 0 0 0 0 7 ");
    EXPECT_EQ(LoadScores(files, "1 1 "), "No score in this file beats the one kept here. Nothing was changed.");
}

TEST(ScoreImport, RefusesWhatIsNotAHighscoreListAndChangesNothing)
{
    FakeStorage storage;
    WebFileSystem files(storage);
    ASSERT_TRUE(files.CreateExclusively(kHighscoreFileName, "1 2 3 4 5 6 7 8 9 10 "));
    for (const std::string& bad : {std::string(), std::string("1 2 x"), std::string("1 2 3 4 5 6 7 8 9 10 11"),
                                   std::string("99999999999"), std::string("1.5"), std::string("7\0 8", 4),
                                   std::string("\xC3\xA9"), std::string(kMaxScoreFileBytes + 1, ' ')})
        EXPECT_TRUE(LoadScores(files, bad).ends_with("Nothing was changed.")) << bad.substr(0, 20);
    EXPECT_EQ(storage.texts[kHighscoreFileName], "1 2 3 4 5 6 7 8 9 10 ");
    // Only the size limit's edge is taken: exactly 64 KiB of blanks and a number.
    EXPECT_TRUE(LoadScores(files, std::string(kMaxScoreFileBytes - 2, ' ') + "11").starts_with("Scores raised:"));
}

TEST(ScoreImport, AStorageThatRefusesIsAnnounced)
{
    FakeStorage storage;
    WebFileSystem files(storage);
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
