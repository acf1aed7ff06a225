// velmorandine-replay: runs the program's trainers on a simulated clock from
// a script and prints every visible effect as JSON lines.
#include "replay_runner.h"
#include "replay_script.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr const char* kUsage = "usage: velmorandine-replay [--tick N] [SCRIPT]\n"
                               "\n"
                               "Runs the Velmorandine trainers on a simulated clock, in the current working\n"
                               "directory (\"Highscores.txt\", \"studs1.txt\"), reading the script from SCRIPT or\n"
                               "from standard input.  Script lines:\n"
                               "  press ID        press the button with control id ID\n"
                               "  wait MS         let MS milliseconds pass\n"
                               "  type ID TEXT    type TEXT into text box ID, replacing its content\n"
                               "  # comment       ignored, as are blank lines\n"
                               "Output: one JSON object per line, {\"box\":ID,\"text\":\"...\"} or\n"
                               "{\"message\":\"...\",\"caption\":\"...\"}, in the order the effects happen.\n"
                               "--tick N sets the simulated clock's start, 0 to 4294967295 (default 100000).\n"
                               "Exit status: 0, or 2 for bad input (the offending line is named on stderr).\n";

int BadUsage(const std::string& why)
{
    std::cerr << "velmorandine-replay: " << why << "\n" << kUsage;
    return velmo::replay::kExitBadInput;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint32_t tick = 100000;
    const char* scriptPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return velmo::replay::kExitOk;
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
                return BadUsage("--tick takes a number from 0 to 4294967295, not '" + value + "'");
            tick = *parsed;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return BadUsage("unknown option '" + arg + "'");
        } else if (scriptPath) {
            return BadUsage("only one script can be given");
        } else {
            scriptPath = argv[i];
        }
    }

#ifdef _WIN32
    // Line breaks as "\n" alone, so that the output is the same byte for byte
    // on every system.
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    if (!scriptPath || std::strcmp(scriptPath, "-") == 0)
        return velmo::replay::RunScript(std::cin, tick, std::cout, std::cerr);

    std::error_code ec;
    std::ifstream file;
    if (!std::filesystem::is_directory(scriptPath, ec))
        file.open(scriptPath);
    if (!file.is_open()) {
        std::cerr << "velmorandine-replay: cannot read the script " << scriptPath << "\n";
        return velmo::replay::kExitBadInput;
    }
    return velmo::replay::RunScript(file, tick, std::cout, std::cerr);
}
