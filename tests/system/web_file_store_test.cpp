// The browser's store over a storage that can refuse or keep its locks, and
// the browser's 32-bit tick count; the rest is the file-system contract's.
#include "scores/highscore_file.h"
#include "support/fake_web_storage.h"
#include "system/web/web_clock.h"
#include "system/web/web_file_system.h"

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
    storage.texts.insert_or_assign("f", "c"); // another tab
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

// A rewrite of the very text read under the same hold of the lock is not
// sent (no tab can have changed it meanwhile); one read under an earlier
// hold is.
TEST(WebFileSystem, SendsNoRewriteOfTheTextJustRead)
{
    FakeWebStorage storage;
    WebFileSystem files(storage, {"f"});
    const auto same = [](std::istream& in) { return Append(in, ""); };
    ASSERT_TRUE(files.CreateExclusively("f", "a"));
    storage.refuseWrites = true;
    const int sent = storage.writes;
    EXPECT_EQ(files.Update("f", same), UpdateOutcome::Written);
    EXPECT_EQ(storage.writes, sent);
    EXPECT_EQ(files.Update("f", [](std::istream& in) { return Append(in, "b"); }), UpdateOutcome::WriteFailed);
    storage.refuseWrites = false;
    storage.texts.insert_or_assign("f", "c"); // another tab, between two holds
    EXPECT_EQ(files.Update("f", [](std::istream& in) { return Append(in, "b"); }), UpdateOutcome::Written);
    EXPECT_TRUE(files.Rewrite("f", "cb"));
    EXPECT_TRUE(files.Rewrite("f", "x"));
    EXPECT_EQ(storage.writes, sent + 3);
    EXPECT_EQ(storage.texts["f"], "x");
    EXPECT_TRUE(storage.locked.empty());
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

TEST(WebClock, TicksWrapAt32Bits)
{
    EXPECT_EQ(WrapTicks(0.0), 0u);
    EXPECT_EQ(WrapTicks(4294967295.9), 4294967295u);
    EXPECT_EQ(WrapTicks(4294967296.0 + 17.5), 17u);
    EXPECT_EQ(WrapTicks(1893456000000.0), static_cast<std::uint32_t>(1893456000000ull % 4294967296ull));
}

} // namespace
} // namespace velmo
