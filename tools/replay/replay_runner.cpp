#include "replay_runner.h"

#include "common/simulated_platform.h"
#include "json_text.h"
#include "replay_script.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"

#include <string>

namespace velmo::replay {

std::string BoxLine(int box, const std::string& text)
{
    return "{\"box\":" + std::to_string(box) + ",\"text\":" + JsonString(text) + "}";
}

std::string MessageLine(const std::string& text, const std::string& caption)
{
    return "{\"message\":" + JsonString(text) + ",\"caption\":" + JsonString(caption) + "}";
}

int RunScript(std::istream& script, std::uint32_t startTick, std::ostream& out, std::ostream& err)
{
    SimulatedPlatform platform(startTick);
    platform.onEffect = [&out](const Effect& e) {
        out << (e.kind == Effect::Kind::Box ? BoxLine(e.box, e.text) : MessageLine(e.text, e.caption)) << '\n';
    };
    TrainerSet trainers(platform);
    StartUp(trainers);

    std::string line;
    for (long number = 1; std::getline(script, line); ++number) {
        const ParseResult parsed = ParseLine(line);
        if (!parsed.command) {
            out.flush();
            err << "line " << number << ": " << parsed.error << ": " << line << '\n';
            return kExitBadInput;
        }
        if (const auto* press = std::get_if<PressCommand>(&*parsed.command))
            Dispatch(trainers, press->id);
        else if (const auto* wait = std::get_if<WaitCommand>(&*parsed.command))
            platform.Advance(wait->ms);
        else if (const auto* type = std::get_if<TypeCommand>(&*parsed.command))
            platform.SetWindowText(type->id, type->text);
        // The effects list is only needed for printing; keep memory flat on long scripts.
        platform.ClearEffects();
    }
    if (script.bad()) {
        err << "cannot read the script\n";
        return kExitBadInput;
    }
    out.flush();
    return kExitOk;
}

} // namespace velmo::replay
