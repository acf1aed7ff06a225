#include "common/file_system.h"
#include "common/number_to_text.h"
#include "support/faulty_file_system.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#ifndef _WIN32
#include "support/child_process.h"

#include <sys/stat.h>
#endif

namespace velmo::test {
namespace {

namespace fs = std::filesystem;

struct FormatCase {
    const char* name;
    float value;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << ::testing::PrintToString(c.value) << " as \"" << c.text << '"';
}

class NumberToTextFormat : public ::testing::TestWithParam<FormatCase> {
protected:
    TempWorkDir dir;
    RealFileSystem files;
};

TEST_P(NumberToTextFormat, GivesTheStreamText)
{
    EXPECT_EQ(NumberToText(files, GetParam().value), GetParam().text);
    EXPECT_FALSE(fs::exists(kScratchFileName)) << "the scratch file must not be left behind";
}

const float kTwoThirds = 2.0f / 3.0f * 100.0f;
const float kOneThird = 1.0f / 3.0f * 100.0f;

INSTANTIATE_TEST_SUITE_P(
    Values, NumberToTextFormat,
    ::testing::Values(
        FormatCase{"Zero", 0.0f, "0"}, FormatCase{"One", 1.0f, "1"}, FormatCase{"Ten", 10.0f, "10"},
        FormatCase{"Fifty", 50.0f, "50"}, FormatCase{"Hundred", 100.0f, "100"},
        FormatCase{"TwoThirdsPercent", kTwoThirds, "66.6667"}, FormatCase{"OneThirdPercent", kOneThird, "33.3333"},
        FormatCase{"Half", 0.5f, "0.5"}, FormatCase{"MinusFour", -4.0f, "-4"}, FormatCase{"MinusThree", -3.0f, "-3"},
        FormatCase{"SixNines", 999999.0f, "999999"}, FormatCase{"Million", 1000000.0f, "1e+006"},
        FormatCase{"TenThousandth", 0.00001f, "1e-005"}, FormatCase{"PatienceGain", 1.0f / 260.335f, "0.0038412"},
        FormatCase{"SmallFraction", 0.0576181f, "0.0576181"}, FormatCase{"TinyExponent", 1.5e-10f, "1.5e-010"},
        FormatCase{"LargestFloat", 3.4028235e38f, "3.40282e+038"},
        FormatCase{"NegativeMillion", -2500000.0f, "-2.5e+006"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

class NumberToTextScratchFile : public ::testing::Test {
protected:
    TempWorkDir dir;
};

TEST_F(NumberToTextScratchFile, OverwritesAndDeletesAnExistingScratchFile)
{
    WriteFile(kScratchFileName, "left over from an earlier run 123456789");
    RealFileSystem files;
    EXPECT_EQ(NumberToText(files, 75.0f), "75");
    EXPECT_FALSE(fs::exists(kScratchFileName));
}

TEST_F(NumberToTextScratchFile, DirectoryInItsPlaceGivesProblemOne)
{
    fs::create_directory(kScratchFileName);
    RealFileSystem files;
    EXPECT_EQ(NumberToText(files, 75.0f), kScratchWriteFailure);
    EXPECT_TRUE(fs::is_directory(kScratchFileName)) << "nothing may be deleted";
}

// Only a plain file an earlier run left is removed: a link, or a file with
// another name, is someone else's and stays, and the number cannot be shown.
TEST_F(NumberToTextScratchFile, LinksStandAndNothingBehindThemIsTouched)
{
    WriteFile("precious.txt", "keep me");
    fs::create_symlink("precious.txt", kScratchFileName);
    RealFileSystem files;
    EXPECT_EQ(NumberToText(files, 75.0f), kScratchWriteFailure);
    EXPECT_EQ(ReadFile("precious.txt"), "keep me");
    EXPECT_TRUE(fs::is_symlink(kScratchFileName));

    fs::remove(kScratchFileName);
    fs::create_symlink("elsewhere.txt", kScratchFileName);
    EXPECT_EQ(NumberToText(files, 75.0f), kScratchWriteFailure);
    EXPECT_FALSE(fs::exists("elsewhere.txt"));

    fs::remove(kScratchFileName);
    fs::create_hard_link("precious.txt", kScratchFileName);
    EXPECT_EQ(NumberToText(files, 75.0f), kScratchWriteFailure);
    EXPECT_EQ(ReadFile(kScratchFileName), "keep me");
}

#ifndef _WIN32 // FIFOs and fork(): see tests/windows/posix_only_tests.txt
TEST_F(NumberToTextScratchFile, FifoInItsPlaceDoesNotHang)
{
    ASSERT_EQ(::mkfifo(kScratchFileName, 0644), 0);
    ChildProcess program([](ChildProcess&) {
        RealFileSystem files;
        return NumberToText(files, 75.0f) == kScratchWriteFailure ? 0 : 1;
    });
    EXPECT_EQ(program.Wait(std::chrono::seconds(5)), 0) << "hung or gave another text";
    EXPECT_EQ(fs::status(kScratchFileName).type(), fs::file_type::fifo);
}
#endif

TEST_F(NumberToTextScratchFile, MissingWorkingDirectoryGivesProblemOne)
{
    const fs::path gone = dir.path() / "gone";
    fs::create_directory(gone);
    fs::current_path(gone);
    fs::remove(gone);
    RealFileSystem files;
    EXPECT_EQ(NumberToText(files, 1.0f), kScratchWriteFailure);
    fs::current_path(dir.path());
}

TEST_F(NumberToTextScratchFile, FailedWriteIsReportedNotShownAsANumber)
{
    FaultyFileSystem files;
    files.FailWritesAfter(2); // "66.6667" is cut off after "66", as on a full disk
    EXPECT_EQ(NumberToText(files, kTwoThirds), kScratchWriteFailure);
    EXPECT_FALSE(fs::exists(kScratchFileName)) << "a partly written scratch file is removed";
    files.Heal();
    EXPECT_EQ(NumberToText(files, kTwoThirds), "66.6667") << "the next conversion works again";
}

TEST_F(NumberToTextScratchFile, UnreadableScratchFileGivesProblemTwoAndStays)
{
    FaultyFileSystem files;
    files.FailReadBack();
    EXPECT_EQ(NumberToText(files, 75.0f), kScratchReadFailure);
    EXPECT_EQ(ReadFile(kScratchFileName), "75") << "the scratch file is left in place";
}

// Puts a link to another file under the scratch name while the number is
// being written, as a hostile program might.
class SwapsInALink : public RealFileSystem {
protected:
    std::size_t WriteAllowance(const std::string& path, std::size_t wanted) override
    {
        fs::remove(path);
        fs::create_symlink("private.txt", path);
        return wanted;
    }
};

TEST_F(NumberToTextScratchFile, LinkSwappedInMidWriteIsNeitherReadNorRemoved)
{
    WriteFile("private.txt", "secret");
    SwapsInALink files;
    EXPECT_EQ(NumberToText(files, 75.0f), "75");
    EXPECT_EQ(ReadFile("private.txt"), "secret");
    EXPECT_TRUE(fs::is_symlink(kScratchFileName)) << "not the file the conversion made";
}

} // namespace
} // namespace velmo::test
