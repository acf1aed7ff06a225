// The highscore file among other programs and in unusual folders: leases,
// link loops, folders closed to new files, kills in mid-rewrite, and the
// permission bits and owner the player set.
#include "common/recording_platform.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "scores/scores_trainer.h"
#include "support/child_process.h"
#include "support/faulty_file_system.h"
#include "support/highscore_format.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kStored = "1 2 3 4 5 6 7 8 9 10 ";
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

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
    ScoresTrainer(platform).Reset();
    ASSERT_EQ(platform.MessageCount(), 2);
    EXPECT_EQ(platform.LastMessage()->text, kHighscoreGone);
    ASSERT_TRUE(fs::is_symlink(kHighscoreFileName));
    EXPECT_EQ(fs::read_symlink(kHighscoreFileName), kHighscoreFileName);
}

TEST_F(HighscoreFileSafety, ALeaseReleasedAtOnceOnlyDelaysTheOffer)
{
    WriteFile(kHighscoreFileName, kStored);
    // The holder gives the file up as soon as the lease-break signal comes.
    ChildProcess holder([](ChildProcess& self) {
        sigset_t breaking;
        sigemptyset(&breaking);
        sigaddset(&breaking, SIGIO);
        sigprocmask(SIG_BLOCK, &breaking, nullptr);
        const int fd = ::open(kHighscoreFileName, O_RDONLY);
        if (fd < 0 || ::fcntl(fd, F_SETLEASE, F_WRLCK) != 0)
            return 2;
        self.Ready();
        int signal = 0;
        sigwait(&breaking, &signal);
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        ::pause();
        return 0;
    });
    if (!holder.WaitUntilReady(5s))
        GTEST_SKIP() << "this file system takes no leases";
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 99 6 7 8 9 10 ");
}

TEST_F(HighscoreFileSafety, LinkChainsAreFollowedAsFarAsTheSystemFollowsThem)
{
    for (const int links : {40, 41}) {
        WriteFile("list.txt", kStored);
        std::string next = "list.txt";
        for (int i = links - 1; i >= 1; --i) {
            const std::string name = "chain" + std::to_string(i);
            fs::create_symlink(next, name);
            next = name;
        }
        fs::create_symlink(next, kHighscoreFileName);
        const bool systemFollows = std::ifstream(kHighscoreFileName).is_open();
        EXPECT_EQ(systemFollows, links == 40);
        EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome == HighscoreOutcome::NewHighscore,
                  systemFollows)
            << links << " links";
        EXPECT_EQ(ReadFile("list.txt"), systemFollows ? "1 2 3 4 99 6 7 8 9 10 " : kStored);
        for (const auto& entry : fs::directory_iterator(dir.path()))
            fs::remove(entry.path());
    }
}

// An open-file limit that lets the program open the file but perhaps not
// the temporary beside it: the rewrite is then whole or fails, never made
// in place, since the folder itself takes new files.
TEST_F(HighscoreFileSafety, OnlyAFolderClosedToNewFilesIsRewrittenInPlace)
{
    if (kSanitized)
        GTEST_SKIP() << "the sanitizers' own checks need descriptors (a pipe to probe memory)";
    for (rlim_t spare = 1; spare <= 4; ++spare) {
        WriteFile(kHighscoreFileName, kStored);
        struct stat before {};
        ASSERT_EQ(::stat(kHighscoreFileName, &before), 0);
        ChildProcess program([spare](ChildProcess&) {
            const int lowestFree = ::dup(0);
            ::close(lowestFree);
            const rlimit limit{static_cast<rlim_t>(lowestFree) + spare, static_cast<rlim_t>(lowestFree) + spare};
            if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
                return 2;
            RealFileSystem own;
            return own.Rewrite(kHighscoreFileName, "9 9 ") ? 1 : 0;
        });
        const std::optional<int> written = program.Wait(10s);
        ASSERT_TRUE(written == 0 || written == 1) << "spare descriptors: " << spare;
        struct stat after {};
        ASSERT_EQ(::stat(kHighscoreFileName, &after), 0);
        EXPECT_EQ(ReadFile(kHighscoreFileName), *written ? "9 9 " : kStored) << "spare descriptors: " << spare;
        EXPECT_EQ(after.st_ino == before.st_ino, *written == 0) << "spare descriptors: " << spare;
        EXPECT_TRUE(Strays().empty()) << Strays().front();
    }
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
    ScoresTrainer panel(platform);
    panel.Highscores();
    EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 99 6 7 8 140 10 ");
    panel.Reset();
    EXPECT_EQ(ReadFile(kHighscoreFileName), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(platform.MessageCount(), 0);

    // A write that fails part-way leaves the file as it was.
    WriteFile(kHighscoreFileName, kStored);
    files.FailWritesAfter(9);
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::WriteFailed);
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
}

// A file of gigabytes rewritten in place under a memory limit: only what the
// new list overwrites is kept aside, so the rewrite neither runs out of
// memory nor reads the whole file.
TEST_F(HighscoreFileSafety, HugeFileInAClosedFolderIsRewrittenWithLittleMemory)
{
    if (kSanitized)
        GTEST_SKIP() << "the sanitizers' shadow memory does not fit under a memory limit";
    WriteFile(kHighscoreFileName, "12 30 0 2 25 40 0 0 0 0 ");
    fs::resize_file(kHighscoreFileName, std::uintmax_t{4} << 30); // sparse: takes no disk
    ClosedFolder closed(dir.path());
    if (!closed.closed())
        GTEST_SKIP() << "chattr +i is not supported here";
    ChildProcess program([](ChildProcess&) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t bytes = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (256u << 20);
        const rlimit limit{bytes, bytes};
        if (::setrlimit(RLIMIT_AS, &limit) != 0)
            return 2;
        FaultyFileSystem own;
        RecordingPlatform program(own, kDefaultStartTick);
        return UpdateHighscore(program, slots::kPreflop, 99).outcome == HighscoreOutcome::NewHighscore ? 0 : 1;
    });
    EXPECT_EQ(program.Wait(60s), 0);
    std::string start(64, '\0');
    std::ifstream(kHighscoreFileName).read(start.data(), 64);
    EXPECT_EQ(start.c_str(), std::string("12 30 0 2 99 40 0 0 0 0 "));
    EXPECT_EQ(fs::file_size(kHighscoreFileName), 24u);
}

TEST_F(HighscoreFileSafety, RewriteKeepsModeAndOwner)
{
    WriteFile(kHighscoreFileName, kStored);
    ASSERT_EQ(::chmod(kHighscoreFileName, 0604), 0);
    const bool chowned = ::chown(kHighscoreFileName, 4321, 8765) == 0; // only where we may
    EXPECT_EQ(UpdateHighscore(platform, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
    ScoresTrainer(platform).Reset();
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
            RecordingPlatform program(own, kDefaultStartTick);
            for (std::int32_t score = 1;; ++score) {
                ScoresTrainer(program).Reset();
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
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::LockTimedOut);
    EXPECT_FALSE(WriteHighscoreValues(impatient, HighscoreSlots{}));
    EXPECT_EQ(program.sleptMs(), 0u) << "the wait is the file system's own, not the trainers' clock";
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
    hung.Kill();
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
}

} // namespace
} // namespace velmo::test
