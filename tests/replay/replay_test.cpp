#include "common/json_text.h"
#include "common/utf8_text.h"
#include "progress/log_line.h"
#include "progress/practice_log.h"
#include "replay_runner.h"
#include "replay_script.h"
#include "support/temp_work_dir.h"
#include "velmo_version.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
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
    EXPECT_EQ(run.err.rfind("velmorandine-replay: standard input: line 2: ", 0), 0u) << run.err;
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
                      BadLine{"TypeMalformedId", "type abc hello"}, BadLine{"LeadingBlank", " press 1020"},
                      BadLine{"TypeCutUtf8", "type 1000 caf\xC3("}, BadLine{"TypeSurrogate", "type 1000 \xED\xA0\x80"}),
    [](const ::testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

// 16 MiB of one line without a break, counting how much of it was read.
class LongLineSource : public std::streambuf {
public:
    std::size_t served = 0;

protected:
    int_type underflow() override
    {
        if (served >= (std::size_t{16} << 20))
            return traits_type::eof();
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        served += chunk_.size();
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::array<char, 4096> chunk_ = [] {
        std::array<char, 4096> a{};
        a.fill('x');
        return a;
    }();
};

TEST_F(Replay, LineLongerThan64KiBIsBadAndNotReadToItsEnd)
{
    std::string comment(replay::kMaxLineBytes, '#');
    EXPECT_EQ(RunText(comment + '\n').status, 0);
    comment.push_back('#');
    EXPECT_EQ(RunText(comment + '\n').status, 2);

    LongLineSource source;
    std::istream in(&source);
    std::ostringstream out, err;
    EXPECT_EQ(replay::RunScript(in, 100000, out, err), 2);
    EXPECT_LE(source.served, replay::kMaxLineBytes + 4096);
    EXPECT_EQ(err.str(), "velmorandine-replay: standard input: line 1: longer than 65536 bytes: " +
                             std::string(80, 'x') + "...\n");
}

TEST_F(Replay, WaitAcceptsTheWholeUnsignedRange)
{
    EXPECT_EQ(RunText("wait 0\nwait 4294967295\n").status, 0);
}

TEST(ReplayJson, EscapesControlsAndInvalidUtf8)
{
    EXPECT_EQ(JsonString("a\tb\x01"), "\"a\\tb\\u0001\"");
    EXPECT_EQ(JsonString("caf\xC3\xA9"), "\"caf\xC3\xA9\"");
    EXPECT_EQ(JsonString("\xFF\xC3"), "\"\\u00ff\\u00c3\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\\u00ed\\u00a0\\u0080\"") << "no UTF-16 surrogates";
}

TEST(ReplayExcerpt, QuotesAtMostEightyBytesWithoutSplittingACharacter)
{
    const std::string eighty(80, 'a');
    EXPECT_EQ(Excerpt(eighty), eighty);
    EXPECT_EQ(Excerpt(eighty + "b"), eighty + "...");
    std::string accentAtTheCut(79, 'a');
    accentAtTheCut.append("\xC3\xA9z");
    EXPECT_EQ(Excerpt(accentAtTheCut), accentAtTheCut.substr(0, 79) + "...");
}

// The installed binary: argument handling, files and exit codes; `launcher`
// runs it (e.g. under a resource limit).
RunResult RunBinary(const std::string& args, const std::string& input = "", const std::string& launcher = "")
{
    const std::string inFile = "replay-input.txt";
    WriteFile(inFile, input);
    const std::string cmd =
        launcher + " " + std::string(VELMO_REPLAY_BINARY) + " " + args + " <" + inFile + " 2>replay-err.txt";
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

// Every problem in one form: the program, the script, the line where one applies.
TEST_F(Replay, BinaryNamesTheScriptAndLineOfEveryProblem)
{
    WriteFile("script.txt", "press 1030\nclick 1020\n");
    EXPECT_EQ(RunBinary("script.txt").err, "velmorandine-replay: script.txt: line 2: unknown command: click 1020\n");
    EXPECT_EQ(RunBinary("-", "wait x\n").err,
              "velmorandine-replay: standard input: line 1: malformed number of milliseconds: wait x\n");
    EXPECT_EQ(RunBinary("missing.txt").err.rfind("velmorandine-replay: missing.txt: cannot read the script: ", 0), 0u);
    fs::create_directory("adir");
    EXPECT_EQ(RunBinary("adir").err, "velmorandine-replay: adir: cannot read the script: it is a directory\n");
}

// Past a file-size limit the writes fail and the trainers say so, instead of
// the limit's signal ending the program without a word.
TEST_F(Replay, BinaryShowsFailedWritesUnderAFileSizeLimit)
{
    const std::string scores = "12 30 0 2 25 40 0 0 0 0 "; // a total of 109, above the stored best of 0
    WriteFile("Highscores.txt", scores);
    // 25 bytes hold the old list but not the new one (with 109 in it).
    const RunResult rewrite = RunBinary("", "press 1028\n", "prlimit --fsize=25 --");
    EXPECT_EQ(rewrite.status, 0) << rewrite.err;
    EXPECT_EQ(rewrite.out, "{\"message\":\"Highscore list gone?\",\"caption\":\"velmorandine\"}\n"
                           "{\"box\":1029,\"text\":\"109\"}\n");
    // Two bytes do not hold "109" in the scratch file either.
    const RunResult number = RunBinary("", "press 1028\n", "prlimit --fsize=2 --");
    EXPECT_EQ(number.status, 0) << number.err;
    EXPECT_NE(number.out.find("{\"box\":1029,\"text\":\"Quorvix file problem 1\"}\n"), std::string::npos) << number.out;
    EXPECT_EQ(ReadFile("Highscores.txt"), scores);
}

TEST_F(Replay, BinaryRejectsUnreadableScriptsAndBadOptions)
{
    fs::create_directory("adir");
    for (const std::string args :
         {"missing.txt", "adir", "--tick", "--tick -1", "--tick 4294967296", "--tick x", "--bogus", "a.txt b.txt",
          "--log-time", "--log-time 2026-12-09T14:03:27+01:00", "--log-time=2026-02-30T00:00:00.000Z"}) {
        const RunResult run = RunBinary(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_FALSE(run.err.empty()) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
}

// Standard output full or closed, and standard input closed, through the
// shell's own redirections.
TEST_F(Replay, BinaryReportsUnwritableOutputAndClosedInput)
{
    const auto run = [](const std::string& redirections) {
        const std::string cmd =
            "printf 'press 1030\\n' | " + std::string(VELMO_REPLAY_BINARY) + " " + redirections + " 2>replay-err.txt";
        const int status = std::system(cmd.c_str());
        return RunResult{WEXITSTATUS(status), "", ReadFile("replay-err.txt")};
    };
    for (const std::string redirections : {">/dev/full", ">&-"}) {
        const RunResult run1 = run(redirections);
        EXPECT_EQ(run1.status, 1) << redirections;
        EXPECT_EQ(run1.err.rfind("velmorandine-replay: ", 0), 0u) << run1.err;
        EXPECT_NE(run1.err.find("cannot write the output"), std::string::npos) << redirections;
    }
    EXPECT_EQ(run("<&- >/dev/null").status, 2);
}

TEST_F(Replay, BinaryHelpVersionAndTickRange)
{
    const RunResult help = RunBinary("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: velmorandine-replay [--tick N] [--log-time TIME] [SCRIPT]"), std::string::npos);
    const RunResult version = RunBinary("--version", "press 1030\n");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "velmorandine-replay " VELMO_VERSION "\n") << "answers without running the script";
    EXPECT_EQ(RunBinary("--tick 0", "wait 1\n").status, 0);
    EXPECT_EQ(RunBinary("--tick 4294967295", "wait 1\n").status, 0);
}

// The practice log follows its file: off, nothing appears; on, the lines are
// stamped from --log-time plus the simulated clock's moves (How to fold's
// press pauses 166 ms, then the script waits 1200).
TEST_F(Replay, BinaryLogsWhileTheLogsFileStandsAtTheTimeItIsGiven)
{
    const std::string script = "press 1024\nwait 1200\npress 1021\n";
    EXPECT_EQ(RunBinary("--log-time 2026-12-09T14:03:27.412+01:00", script).status, 0);
    EXPECT_FALSE(fs::exists(kPracticeLogFileName));

    WriteFile(std::string(kPracticeLogFileName), "");
    const RunResult run = RunBinary("--log-time=2026-12-09T14:03:27.412+01:00", script);
    EXPECT_EQ(run.status, 0) << run.err;
    LogRecord fold;
    fold.panel = LogPanel::Fold;
    fold.event = LogEvent::Press;
    fold.time = {1796821407412 + 166, 60};
    fold.points = 1;
    fold.score = 1;
    LogRecord callOpen = fold;
    callOpen.time.unixMs += 1200;
    callOpen.points = -4;
    callOpen.score = -3;
    EXPECT_EQ(ReadFile(std::string(kPracticeLogFileName)),
              LogHeaderLine() + FormatLogLine(fold) + FormatLogLine(callOpen));
}

} // namespace
} // namespace velmo::test
