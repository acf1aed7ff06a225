#include "json_text.h"
#include "replay_runner.h"
#include "replay_script.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <sys/wait.h>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult RunText(const std::string& script, std::uint32_t tick = 100000)
{
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = replay::RunScript(in, tick, out, err);
    return {status, out.str(), err.str()};
}

class Replay : public ::testing::Test {
protected:
    TempWorkDir dir;
};

TEST_F(Replay, PrintsMessagesAndTypedTextAsJsonLines)
{
    const RunResult run = RunText("# a comment\n\npress 1020\ntype 1000 He said \"7c\\7d\"\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"message\":\"Beginners typically overcall.\\nThis trainer will condition you to fold "
                       "more often.\\n\",\"caption\":\"Velmorandine\"}\n"
                       "{\"box\":1000,\"text\":\"He said \\\"7c\\\\7d\\\"\"}\n");
    EXPECT_TRUE(run.err.empty());
}

TEST_F(Replay, RunsTheStartUpCheckFirst)
{
    RunText("");
    EXPECT_EQ(ReadFile("Highscores.txt"), "0 0 0 0 0 0 0 0 0 0 ");
}

TEST_F(Replay, TypeWithoutTextEmptiesTheBoxAndCarriageReturnsAreDropped)
{
    const RunResult run = RunText("type 1052\r\ntype 1029 \r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"box\":1052,\"text\":\"\"}\n{\"box\":1029,\"text\":\"\"}\n");
}

struct BadLine {
    const char* name;
    const char* line;
};

void PrintTo(const BadLine& c, std::ostream* os)
{
    *os << ::testing::PrintToString(std::string(c.line));
}

class ReplayBadInput : public Replay, public ::testing::WithParamInterface<BadLine> {};

TEST_P(ReplayBadInput, StopsWithStatusTwoNamingTheLine)
{
    const std::string bad = GetParam().line;
    const RunResult run = RunText("press 1020\n" + bad + "\npress 1030\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Here you can see"), std::string::npos) << "nothing after the bad line runs";
    EXPECT_NE(run.out.find("Beginners"), std::string::npos) << "the lines before it ran";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplayBadInput,
    ::testing::Values(BadLine{"UnknownCommand", "click 1020"}, BadLine{"Uppercase", "PRESS 1020"},
                      BadLine{"PressNoId", "press"}, BadLine{"PressNegative", "press -1020"},
                      BadLine{"PressTextBox", "press 1000"}, BadLine{"PressUnknownId", "press 1047"},
                      BadLine{"PressTrailingJunk", "press 1020x"}, BadLine{"PressTwoBlanks", "press  1020"},
                      BadLine{"WaitNegative", "wait -5"}, BadLine{"WaitTooLarge", "wait 4294967296"},
                      BadLine{"WaitDecimal", "wait 1.5"}, BadLine{"WaitEmpty", "wait"},
                      BadLine{"TypeButton", "type 1020 hello"}, BadLine{"TypeNoId", "type"},
                      BadLine{"TypeMalformedId", "type abc hello"}, BadLine{"LeadingBlank", " press 1020"}),
    [](const ::testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

TEST_F(Replay, WaitAcceptsTheWholeUnsignedRange)
{
    EXPECT_EQ(RunText("wait 0\nwait 4294967295\n").status, 0);
}

TEST(ReplayJson, EscapesControlsAndInvalidUtf8)
{
    EXPECT_EQ(replay::JsonString("a\tb\x01"), "\"a\\tb\\u0001\"");
    EXPECT_EQ(replay::JsonString("caf\xC3\xA9"), "\"caf\xC3\xA9\"");
    EXPECT_EQ(replay::JsonString("\xFF\xC3"), "\"\\u00ff\\u00c3\"");
    EXPECT_EQ(replay::JsonString("\xED\xA0\x80"), "\"\\u00ed\\u00a0\\u0080\"") << "no UTF-16 surrogates";
}

// The installed binary: argument handling, files and exit codes.
RunResult RunBinary(const std::string& args, const std::string& input = "")
{
    const std::string inFile = "replay-input.txt";
    WriteFile(inFile, input);
    const std::string cmd = std::string(VELMO_REPLAY_BINARY) + " " + args + " <" + inFile + " 2>replay-err.txt";
    FILE* pipe = ::popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        out.append(buf.data(), n);
    const int status = ::pclose(pipe);
    return {WEXITSTATUS(status), out, ReadFile("replay-err.txt")};
}

TEST_F(Replay, BinaryReadsScriptFileOrStandardInput)
{
    WriteFile("script.txt", "press 1030\n");
    const RunResult fromFile = RunBinary("script.txt");
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_NE(fromFile.out.find("\"caption\":\"Velmorandine\""), std::string::npos);
    const RunResult fromStdin = RunBinary("", "press 1030\n");
    EXPECT_EQ(fromStdin.out, fromFile.out);
}

TEST_F(Replay, BinaryRejectsUnreadableScriptsAndBadOptions)
{
    fs::create_directory("adir");
    for (const std::string args :
         {"missing.txt", "adir", "--tick", "--tick -1", "--tick 4294967296", "--tick x", "--bogus", "a.txt b.txt"}) {
        const RunResult run = RunBinary(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_FALSE(run.err.empty()) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
}

TEST_F(Replay, BinaryHelpAndTickRange)
{
    const RunResult help = RunBinary("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: velmorandine-replay [--tick N] [SCRIPT]"), std::string::npos);
    EXPECT_EQ(RunBinary("--tick 0", "wait 1\n").status, 0);
    EXPECT_EQ(RunBinary("--tick 4294967295", "wait 1\n").status, 0);
}

} // namespace
} // namespace velmo::test
