// Runs whole replay scripts against the program, its files kept in memory so
// that no press waits for a disk.  The input's first line is the content of
// "Highscores.txt" before the start ("none": no file), the rest is the
// script.  Checks: the run ends with a known status, leaves no scratch or
// other file but the highscore file, writes nothing into the real (scratch)
// working directory, leaves the highscore file either untouched or rewritten
// as ten integers each followed by one blank, prints only JSON lines, and
// gives the same output when run again from the same start (everything runs
// on the simulated clock).
#include "common/in_memory_file_system.h"
#include "replay_runner.h"
#include "support/highscore_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Kind = velmo::InMemoryFileSystem::Kind;

// Long scripts only slow the search down.
constexpr int kMaxLines = 120;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "replay_script_fuzzer: %s\n", what);
    std::abort();
}

bool IsCanonical(const std::string& text)
{
    return velmo::test::IsExactHighscoreLayout(text);
}

bool OnlyJsonLines(const std::string& out)
{
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("{\"box\":", 0) != 0 && line.rfind("{\"message\":", 0) != 0)
            return false;
        if (line.back() != '}')
            return false;
    }
    return out.empty() || out.back() == '\n';
}

struct Run {
    int status;
    std::string out;
    std::string err;
    velmo::InMemoryFileSystem files; // as the run left them
};

Run RunOnce(const std::string& initial, bool haveFile, const std::string& script)
{
    Run run{};
    if (haveFile)
        run.files.SetContent("Highscores.txt", initial);
    std::istringstream in(script);
    std::ostringstream out, err;
    run.status = velmo::replay::RunScript(run.files, in, 100000, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every file should go through the file system in memory; a scratch
    // working directory of its own shows any that does not.
    char pattern[] = "/tmp/velmo-replay-fuzz-XXXXXX";
    if (!::mkdtemp(pattern) || ::chdir(pattern) != 0)
        Fail("cannot make a scratch working directory");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstBreak = input.find('\n');
    const std::string initial = input.substr(0, firstBreak);
    std::string script = firstBreak == std::string::npos ? std::string() : input.substr(firstBreak + 1);
    std::size_t cut = 0;
    for (int lines = 0; lines < kMaxLines; ++lines) {
        cut = script.find('\n', cut);
        if (cut == std::string::npos)
            break;
        ++cut;
        if (lines + 1 == kMaxLines)
            script.resize(cut); // keep the first kMaxLines lines
    }
    const bool haveFile = initial != "none";

    const Run first = RunOnce(initial, haveFile, script);
    if (first.status != velmo::replay::kExitOk && first.status != velmo::replay::kExitBadInput)
        Fail("unknown exit status");
    if ((first.status == velmo::replay::kExitBadInput) == first.err.empty())
        Fail("a bad script without a reason, or a reason for a good one");
    if (!OnlyJsonLines(first.out))
        Fail("output that is not one JSON object a line");
    if (first.files.KindOf("studs1.txt") != Kind::Missing)
        Fail("the scratch file was left behind");
    for (const std::string& name : first.files.Names())
        if (name != "Highscores.txt")
            Fail("a file other than the highscore file was left behind");
    if (fs::directory_iterator(".") != fs::directory_iterator())
        Fail("a file was written past the file system in memory");
    const std::optional<std::string> highscores = first.files.Content("Highscores.txt");
    if (!highscores)
        Fail("the highscore file is gone");
    if (!(haveFile && *highscores == initial) && !IsCanonical(*highscores))
        Fail("the highscore file was rewritten in the wrong format");

    const Run second = RunOnce(initial, haveFile, script);
    if (second.status != first.status || second.out != first.out ||
        second.files.Content("Highscores.txt") != highscores)
        Fail("the same script from the same start gave a different run");
    return 0;
}
