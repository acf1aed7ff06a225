// Runs whole replay scripts against the program in a scratch working
// directory.  The input's first line is the content of "Highscores.txt"
// before the start ("none": no file), the rest is the script.  Checks: the
// run ends with a known status, leaves no scratch or temporary file, leaves
// the highscore file either untouched or rewritten as ten integers each
// followed by one blank, prints only JSON lines, and gives the same output
// when run again from the same start (everything runs on the simulated clock).
#include "replay_runner.h"
#include "support/highscore_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every press does real file work, so long scripts only slow the search down.
constexpr int kMaxLines = 120;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "replay_script_fuzzer: %s\n", what);
    std::abort();
}

std::string ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const char* path, const std::string& content)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
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
    std::string highscores;
};

Run RunOnce(const std::string& initial, bool haveFile, const std::string& script)
{
    fs::remove_all("Highscores.txt");
    fs::remove_all("studs1.txt");
    if (haveFile)
        WriteAll("Highscores.txt", initial);
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = velmo::replay::RunScript(in, 100000, out, err);
    return {status, out.str(), err.str(), ReadAll("Highscores.txt")};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The program writes into its working directory: give it one of its own.
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
    if (fs::exists("studs1.txt"))
        Fail("the scratch file was left behind");
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.path().filename().string().rfind(".Highscores.txt.", 0) == 0)
            Fail("a temporary file of a rewrite was left behind");
    if (!fs::is_regular_file("Highscores.txt"))
        Fail("the highscore file is gone");
    if (!(haveFile && first.highscores == initial) && !IsCanonical(first.highscores))
        Fail("the highscore file was rewritten in the wrong format");

    const Run second = RunOnce(initial, haveFile, script);
    if (second.status != first.status || second.out != first.out || second.highscores != first.highscores)
        Fail("the same script from the same start gave a different run");
    return 0;
}
