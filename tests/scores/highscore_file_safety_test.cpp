// The highscore file among other programs and in unusual folders: leases,
// link loops, folders closed to new files, kills in mid-rewrite, and the
// permission bits and owner the player set.
#include "common/recording_platform.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "support/child_process.h"
#include "support/faulty_file_system.h"
#include "support/highscore_format.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kStored = "1 2 3 4 5 6 7 8 9 10 ";

class HighscoreFileSafety : public ::testing::Test {
protected:
    HighscoreFileSafety() : platform(files, 100000) {}

    // Every entry of the folder but the highscore file itself.
    std::vector<std::string> Strays() const { return dir.OtherEntries(kHighscoreFileName); }

    TempWorkDir dir;
    FaultyFileSystem files;
    RecordingPlatform platform;
};

TEST_F(HighscoreFileSafety, StartUpLeavesAFileUnderALeaseAlone)
{
    WriteFile(kHighscoreFileName, kStored);
    // The holder dies of the lease-break signal, as a careless holder would.
    ChildProcess holder([](ChildProcess& self) {
        const int fd = ::open(kHighscoreFileName, O_RDONLY);
        if (fd < 0 || ::fcntl(fd, F_SETLEASE, F_WRLCK) != 0)
            return 2;
        self.Ready();
        ::pause();
        return 0;
    });
    if (!holder.WaitUntilReady(5s))
        GTEST_SKIP() << "this file system takes no leases";
    EnsureHighscoreFile(files);
    holder.Kill();
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
}

TEST_F(HighscoreFileSafety, SymbolicLinkLoopIsGoneAndStaysALoop)
{
    fs::create_symlink(kHighscoreFileName, kHighscoreFileName);
    EnsureHighscoreFile(files);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 5).outcome, HighscoreOutcome::FileMissing);
    ScoresPanel(platform).Reset();
    ASSERT_EQ(platform.MessageCount(), 2);
    EXPECT_EQ(platform.LastMessage()->text, kHighscoreGone);
    ASSERT_TRUE(fs::is_symlink(kHighscoreFileName));
    EXPECT_EQ(fs::read_symlink(kHighscoreFileName), kHighscoreFileName);
}

// chattr +i on the working folder: existing files stay writable, but no
// entry can be created, renamed or removed in it.
class ClosedFolder {
public:
    explicit ClosedFolder(const fs::path& folder) : folder_(folder)
    {
        closed_ = std::system(("chattr +i '" + folder_.string() + "' 2>/dev/null").c_str()) == 0;
    }
    ~ClosedFolder()
    {
        if (closed_) [[maybe_unused]]
            const int rc = std::system(("chattr -i '" + folder_.string() + "'").c_str());
    }
    bool closed() const { return closed_; }

private:
    fs::path folder_;
    bool closed_ = false;
};

TEST_F(HighscoreFileSafety, FolderClosedToNewFilesIsRewrittenInPlace)
{
    WriteFile(kHighscoreFileName, kStored);
    ClosedFolder closed(dir.path());
    if (!closed.closed())
        GTEST_SKIP() << "chattr +i is not supported here";

    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 99 6 7 8 9 10 ");
    ScoresPanel panel(platform);
    panel.Highscores();
    EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 99 6 7 8 140 10 ");
    panel.Reset();
    EXPECT_EQ(ReadFile(kHighscoreFileName), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(platform.MessageCount(), 0);

    // A write that fails part-way leaves the file as it was.
    WriteFile(kHighscoreFileName, kStored);
    files.FailWritesAfter(9);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::FileMissing);
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
}

TEST_F(HighscoreFileSafety, RewriteKeepsModeAndOwner)
{
    WriteFile(kHighscoreFileName, kStored);
    ASSERT_EQ(::chmod(kHighscoreFileName, 0604), 0);
    const bool chowned = ::chown(kHighscoreFileName, 4321, 8765) == 0; // only where we may
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
    ScoresPanel(platform).Reset();
    struct stat st {};
    ASSERT_EQ(::stat(kHighscoreFileName, &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    if (chowned) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 8765u);
    }
}

TEST_F(HighscoreFileSafety, KillsInMidRewriteLeaveNoTemporaryAfterStartUp)
{
    WriteFile(kHighscoreFileName, "0 0 0 0 0 0 0 0 0 0 ");
    std::mt19937 rng(7);
    for (int round = 0; round < 30; ++round) {
        ChildProcess writer([](ChildProcess& self) {
            FaultyFileSystem own;
            RecordingPlatform program(own, 100000);
            for (std::int32_t score = 1;; ++score) {
                ScoresPanel(program).Reset();
                UpdateHighscore(program, slots::kPreflop, score);
                if (score == 1)
                    self.Ready();
            }
            return 0;
        });
        ASSERT_TRUE(writer.WaitUntilReady(5s));
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 3000));
        writer.Kill();
    }
    EnsureHighscoreFile(files);
    EXPECT_TRUE(Strays().empty()) << Strays().size() << " left, the first " << Strays().front();
    EXPECT_TRUE(IsExactHighscoreLayout(ReadFile(kHighscoreFileName)));
}

// Holds an exclusive lock on `path` in another process until killed.
ChildProcess HoldLock(const char* path)
{
    return ChildProcess([path](ChildProcess& self) {
        const int fd = ::open(path, O_RDWR);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return 2;
        self.Ready();
        ::pause();
        return 0;
    });
}

TEST_F(HighscoreFileSafety, StartUpRemovesOnlyTemporariesNoOneWrites)
{
    WriteFile(kHighscoreFileName, kStored);
    WriteFile(".Highscores.txt.tmp-velmo-AbC123", "0 0"); // left by a killed program
    WriteFile(".Highscores.txt.tmp-velmo-XyZ789", "0 0"); // another program is writing it
    WriteFile(".Highscores.txt.tmpbackup", kStored);      // the player's own files
    WriteFile("Highscores.txt.tmp-velmo-AbC123", kStored);
    ChildProcess writer = HoldLock(".Highscores.txt.tmp-velmo-XyZ789");
    ASSERT_TRUE(writer.WaitUntilReady(5s));
    EnsureHighscoreFile(files);
    EXPECT_FALSE(fs::exists(".Highscores.txt.tmp-velmo-AbC123"));
    EXPECT_TRUE(fs::exists(".Highscores.txt.tmp-velmo-XyZ789"));
    EXPECT_TRUE(fs::exists(".Highscores.txt.tmpbackup"));
    EXPECT_TRUE(fs::exists("Highscores.txt.tmp-velmo-AbC123"));
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
}

TEST_F(HighscoreFileSafety, LockHeldByAHungProgramIsWaitedForOnlyBriefly)
{
    WriteFile(kHighscoreFileName, kStored);
    ChildProcess hung = HoldLock(kHighscoreFileName);
    ASSERT_TRUE(hung.WaitUntilReady(5s));
    RealFileSystem impatient(std::chrono::milliseconds(50));
    RecordingPlatform program(impatient, 100000);
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::FileMissing);
    EXPECT_FALSE(WriteHighscoreValues(impatient, HighscoreSlots{}));
    EXPECT_EQ(program.sleptMs(), 0u) << "the wait is the file system's own, not the trainers' clock";
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
    hung.Kill();
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
}

} // namespace
} // namespace velmo::test
