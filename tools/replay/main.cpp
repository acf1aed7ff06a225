// velmorandine-replay: runs the program's trainers on a simulated clock from
// a script and prints every visible effect as JSON lines.
#include "common/standard_streams.h"
#include "common/utf8_text.h"
#include "progress/local_time.h"
#include "replay_runner.h"
#include "replay_script.h"
#include "velmo_names.h"
#include "velmo_version.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: velmorandine-replay [--tick N] [--log-time TIME] [SCRIPT]\n"
    "       velmorandine-replay --help | --version\n"
    "\n"
    "Runs the Velmorandine trainers on a simulated clock, in the current working\n"
    "directory (\"Highscores.txt\", \"studs1.txt\"), reading the script from SCRIPT or\n"
    "from standard input.  Script lines:\n"
    "  press ID        press the button with control id ID\n"
    "  wait MS         let MS milliseconds pass\n"
    "  type ID TEXT    type TEXT (UTF-8) into text box ID, replacing its content\n"
    "  # comment       ignored, as are blank lines\n"
    "A line may hold at most " VELMO_MAX_LINE_BYTES_TEXT " bytes.\n"
    "Output: one JSON object per line, {\"box\":ID,\"text\":\"...\"} or\n"
    "{\"message\":\"...\",\"caption\":\"...\"}, in the order the effects happen.\n"
    "--tick N sets the simulated clock's start, 0 to 4294967295 (default " VELMO_DEFAULT_START_TICK_TEXT ").\n"
    "The practice log (\"Practice-log.csv\" beside \"Highscores.txt\") is written while\n"
    "that file exists.  --log-time TIME sets its wall-clock time at the start, in\n"
    "the log's form (2026-12-09T14:03:27.412+01:00); it then moves only with the\n"
    "simulated clock, so the log's lines are the same on every system.  Without\n"
    "it the log starts at the real time.\n"
    "Exit status: 0; 1 when the output cannot be written (standard output full or\n"
    "closed); 2 for bad input.  Problems are reported on standard error as\n"
    "\"velmorandine-replay: SCRIPT: line N: what\" (SCRIPT is \"standard input\" when\n"
    "the script comes from there).\n";

int BadUsage(const std::string& why)
{
    std::cerr << "velmorandine-replay: " << why << "\n" << kUsage;
    return velmo::replay::kExitBadInput;
}

int OutputFailed()
{
    std::cerr << "velmorandine-replay: cannot write the output\n";
    return velmo::replay::kExitOutputFailed;
}

} // namespace

int main(int argc, char** argv)
{
    const auto streams = velmo::PrepareStandardStreams();
    if (!streams.outputOpen)
        return OutputFailed();

    std::uint32_t tick = velmo::kDefaultStartTick;
    std::optional<velmo::LocalTime> logTime;
    const char* scriptPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage << std::flush;
            return std::cout ? velmo::replay::kExitOk : OutputFailed();
        }
        if (arg == "--version") {
            std::cout << "velmorandine-replay " VELMO_VERSION "\n" << std::flush;
            return std::cout ? velmo::replay::kExitOk : OutputFailed();
        }
        if (arg == "--tick" || arg.rfind("--tick=", 0) == 0) {
            std::string value;
            if (arg == "--tick") {
                if (i + 1 >= argc)
                    return BadUsage("--tick needs a number");
                value = argv[++i];
            } else {
                value = arg.substr(7);
            }
            const auto parsed = velmo::replay::ParseUnsigned(value);
            if (!parsed)
                return BadUsage("--tick takes a number from 0 to 4294967295, not '" + velmo::Excerpt(value) + "'");
            tick = *parsed;
        } else if (arg == "--log-time" || arg.rfind("--log-time=", 0) == 0) {
            std::string value;
            if (arg == "--log-time") {
                if (i + 1 >= argc)
                    return BadUsage("--log-time needs a time");
                value = argv[++i];
            } else {
                value = arg.substr(11);
            }
            logTime = velmo::ParseLocalTime(value);
            if (!logTime)
                return BadUsage("--log-time takes a time such as 2026-12-09T14:03:27.412+01:00, not '" +
                                velmo::Excerpt(value) + "'");
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return BadUsage("unknown option '" + velmo::Excerpt(arg) + "'");
        } else if (scriptPath) {
            return BadUsage("only one script can be given");
        } else {
            scriptPath = argv[i];
        }
    }

    std::ios::sync_with_stdio(false);
    if (!scriptPath || std::strcmp(scriptPath, "-") == 0) {
        if (streams.inputClosed) {
            velmo::replay::ReportProblem(std::cerr, velmo::replay::kStandardInputName, 0,
                                         "cannot read the script: standard input is closed");
            return velmo::replay::kExitBadInput;
        }
        return velmo::replay::RunScript(std::cin, tick, std::cout, std::cerr, velmo::replay::kStandardInputName,
                                        logTime);
    }

    std::error_code ec;
    std::ifstream file;
    const bool directory = std::filesystem::is_directory(scriptPath, ec);
    errno = 0;
    if (!directory)
        file.open(scriptPath);
    if (!file.is_open()) {
        const int why = errno;
        std::string message = "cannot read the script";
        if (directory)
            message += ": it is a directory";
        else if (why != 0)
            message += std::string(": ") + std::strerror(why);
        velmo::replay::ReportProblem(std::cerr, scriptPath, 0, message);
        return velmo::replay::kExitBadInput;
    }
    return velmo::replay::RunScript(file, tick, std::cout, std::cerr, scriptPath, logTime);
}
