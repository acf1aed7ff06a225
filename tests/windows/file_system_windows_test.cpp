// The Windows file system where its guarantees rest on Windows itself: two
// programs in one folder (the lock between them), what start-up leaves
// alone, temporaries no one is writing, and a rewrite that replaces the file
// whole and keeps its attributes.
#include "common/number_to_text.h" // kScratchFileName
#include "common/recording_platform.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "scores/scores_trainer.h"
#include "support/highscore_format.h"
#include "support/temp_work_dir.h"
#include "support/two_program_work.h"
#include "system/windows/windows_api.h"
#include "tournament/tournament_panel.h"
#include "windows/second_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <thread>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kStored = "1 2 3 4 5 6 7 8 9 10 ";
constexpr int kOffers = 300;

// Holds the highscore file's lock for three seconds, saying so with a file.
int HoldTheLock(int)
{
    RealFileSystem files;
    const UpdateOutcome outcome = files.Update(kHighscoreFileName, [](std::istream&) -> std::optional<std::string> {
        WriteFile("locked", "");
        std::this_thread::sleep_for(3s);
        return std::nullopt;
    });
    return outcome == UpdateOutcome::Unchanged ? 0 : 1;
}

const RoleRegistration kConvert("convert-own-numbers", [](int k) { return std::min(ConvertOwnNumbers(k, 1000), 97); });
const RoleRegistration kOffer("offer-rising-scores", [](int k) { return std::min(OfferRisingScores(k, kOffers), 97); });
const RoleRegistration kHold("hold-the-lock", HoldTheLock);

void RunTwice(const char* role)
{
    SecondProgram first(role, 0);
    SecondProgram second(role, 1);
    EXPECT_EQ(first.Wait(120s), 0);
    EXPECT_EQ(second.Wait(120s), 0);
}

TEST(WindowsTwoPrograms, EachShowsItsOwnNumbers)
{
    TempWorkDir dir;
    RunTwice("convert-own-numbers");
    EXPECT_FALSE(fs::exists(kScratchFileName));
}

TEST(WindowsTwoPrograms, AnnouncedHighscoresSurviveTheOtherProgram)
{
    TempWorkDir dir;
    WriteFile(kHighscoreFileName, "0 0 0 0 0 0 0 0 0 0 ");
    RunTwice("offer-rising-scores");
    std::istringstream in(ReadFile(kHighscoreFileName));
    const HighscoreSlots slots = ParseHighscoreValues(in).slots;
    EXPECT_EQ(slots[slots::kPreflop], kOffers);
    EXPECT_EQ(slots[slots::kTournament], kOffers);
}

TEST(WindowsTwoPrograms, LockHeldByTheOtherIsWaitedForOnlyBriefly)
{
    TempWorkDir dir;
    WriteFile(kHighscoreFileName, kStored);
    SecondProgram holder("hold-the-lock", 0);
    for (int i = 0; i < 500 && !fs::exists("locked"); ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(fs::exists("locked"));
    RealFileSystem impatient(std::chrono::milliseconds(50));
    RecordingPlatform program(impatient, 100000);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::LockTimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
    EXPECT_EQ(holder.Wait(30s), 0);
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
}

class WindowsFileSystem : public ::testing::Test {
protected:
    // Every entry of the folder but the highscore file itself.
    std::vector<std::string> Strays() const { return dir.OtherEntries(kHighscoreFileName); }

    // `path` held open by another program, sharing only what `share` allows.
    static HANDLE OpenSharing(const char* path, DWORD share)
    {
        return ::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    }

    // The file's number on its volume, which a rewrite in place keeps.
    static std::uint64_t FileIndex(const char* path)
    {
        const HANDLE file = ::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = ::GetFileInformationByHandle(file, &info);
        ::CloseHandle(file);
        return known ? (std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow) : 0;
    }

    TempWorkDir dir;
    RealFileSystem files;
};

TEST_F(WindowsFileSystem, StartUpLeavesAFileItCannotOpenAlone)
{
    WriteFile(kHighscoreFileName, kStored);
    // Another program denies reading, as a lease does, yet allows replacing.
    const HANDLE other = OpenSharing(kHighscoreFileName, FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadHighscoreValues(files)) << "the file cannot be opened now";
    EnsureHighscoreFile(files);
    ::CloseHandle(other);
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
}

TEST_F(WindowsFileSystem, StartUpRemovesOnlyTemporariesNoOneWrites)
{
    WriteFile(kHighscoreFileName, kStored);
    WriteFile(".Highscores.txt.tmp-velmo-AbC123", "0 0"); // left by a killed program
    WriteFile(".Highscores.txt.tmp-velmo-XyZ789", "0 0"); // another program is writing it
    WriteFile(".Highscores.txt.tmpbackup", kStored);      // the player's own
    const HANDLE writer = OpenSharing(".Highscores.txt.tmp-velmo-XyZ789", FILE_SHARE_READ);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EnsureHighscoreFile(files);
    ::CloseHandle(writer);
    EXPECT_FALSE(fs::exists(".Highscores.txt.tmp-velmo-AbC123"));
    EXPECT_TRUE(fs::exists(".Highscores.txt.tmp-velmo-XyZ789"));
    EXPECT_TRUE(fs::exists(".Highscores.txt.tmpbackup"));
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
}

TEST_F(WindowsFileSystem, RewriteReplacesTheFileWholeAndKeepsItsAttributes)
{
    WriteFile(kHighscoreFileName, kStored);
    ASSERT_TRUE(::SetFileAttributesA(kHighscoreFileName, FILE_ATTRIBUTE_HIDDEN));
    const auto before = FileIndex(kHighscoreFileName);
    RecordingPlatform program(files, 100000);
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::NewHighscore);
    EXPECT_EQ(ReadFile(kHighscoreFileName), "1 2 3 4 99 6 7 8 9 10 ");
    EXPECT_NE(FileIndex(kHighscoreFileName), before) << "a new file was moved over the old, not written into it";
    EXPECT_NE(::GetFileAttributesA(kHighscoreFileName) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_TRUE(Strays().empty()) << Strays().front();
}

TEST_F(WindowsFileSystem, ReadOnlyFileIsNeitherReplacedNorChanged)
{
    WriteFile(kHighscoreFileName, kStored);
    ASSERT_TRUE(::SetFileAttributesA(kHighscoreFileName, FILE_ATTRIBUTE_READONLY));
    RecordingPlatform program(files, 100000);
    EXPECT_EQ(UpdateHighscore(program, slots::kPreflop, 99).outcome, HighscoreOutcome::WriteFailed);
    EXPECT_EQ(ReadFile(kHighscoreFileName), kStored);
    EXPECT_NE(::GetFileAttributesA(kHighscoreFileName) & FILE_ATTRIBUTE_READONLY, 0u);
    ::SetFileAttributesA(kHighscoreFileName, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(Strays().empty()) << Strays().front();
}

} // namespace
} // namespace velmo::test
