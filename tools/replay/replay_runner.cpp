#include "replay_runner.h"

#include "common/json_text.h"
#include "common/recording_platform.h"
#include "common/utf8_text.h"
#include "replay_script.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"

#include <string>
#include <string_view>

namespace velmo::replay {

namespace {

struct LineRead {
    enum class Outcome { Line, End, TooLong };
    Outcome outcome;
    std::string_view line; // into the buffer; for TooLong, its start
};

// The next line, without its line break, read into `buffer`, which holds
// kMaxLineBytes + 1 bytes.  A longer line stops the reading there.
LineRead ReadLine(std::istream& in, std::string& buffer)
{
    in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto count = static_cast<std::size_t>(in.gcount());
    if (in.bad())
        return {LineRead::Outcome::End, {}};
    if (in.fail()) {
        // Nothing was left to read, or the buffer filled before a line break.
        if (count == 0)
            return {LineRead::Outcome::End, {}};
        return {LineRead::Outcome::TooLong, std::string_view(buffer.data(), count)};
    }
    // The line break, when there was one, counts as extracted but is not stored.
    const std::size_t length = in.eof() ? count : count - 1;
    return {LineRead::Outcome::Line, std::string_view(buffer.data(), length)};
}

int OutputFailed(std::ostream& err, std::string_view scriptName, long line)
{
    ReportProblem(err, scriptName, line, "cannot write the output");
    return kExitOutputFailed;
}

} // namespace

std::string BoxLine(int box, const std::string& text)
{
    return "{\"box\":" + std::to_string(box) + ",\"text\":" + JsonString(text) + "}";
}

std::string MessageLine(const std::string& text, const std::string& caption)
{
    return "{\"message\":" + JsonString(text) + ",\"caption\":" + JsonString(caption) + "}";
}

void ReportProblem(std::ostream& err, std::string_view scriptName, long line, std::string_view message)
{
    err << "velmorandine-replay: " << scriptName << ": ";
    if (line > 0)
        err << "line " << line << ": ";
    err << message << '\n';
}

int RunScript(std::istream& script, std::uint32_t startTick, std::ostream& out, std::ostream& err,
              std::string_view scriptName, std::optional<LocalTime> logTime)
{
    RealFileSystem files;
    return RunScript(files, script, startTick, out, err, scriptName, logTime);
}

int RunScript(FileSystem& files, std::istream& script, std::uint32_t startTick, std::ostream& out, std::ostream& err,
              std::string_view scriptName, std::optional<LocalTime> logTime)
{
    RecordingPlatform platform(files, startTick);
    platform.SetWallTime(logTime ? *logTime : RealClock().WallTime());
    platform.onEffect = [&out](const Effect& e) {
        out << (e.kind == Effect::Kind::Box ? BoxLine(e.box, e.text) : MessageLine(e.text, e.caption)) << '\n';
    };
    TrainerSet trainers(platform);
    StartUp(trainers);

    // One buffer for every line: a line that does not fit is never read on.
    std::string buffer(kMaxLineBytes + 1, '\0');
    for (long number = 1;; ++number) {
        const LineRead read = ReadLine(script, buffer);
        if (read.outcome == LineRead::Outcome::End)
            break;
        if (read.outcome == LineRead::Outcome::TooLong) {
            if (!out.flush())
                return OutputFailed(err, scriptName, number);
            ReportProblem(err, scriptName, number,
                          "longer than " + std::to_string(kMaxLineBytes) + " bytes: " + Excerpt(read.line));
            return kExitBadInput;
        }
        const ParseResult parsed = ParseLine(read.line);
        if (!parsed.command) {
            if (!out.flush())
                return OutputFailed(err, scriptName, number);
            ReportProblem(err, scriptName, number, parsed.error + ": " + Excerpt(read.line));
            return kExitBadInput;
        }
        if (const auto* press = std::get_if<PressCommand>(&*parsed.command))
            Dispatch(trainers, press->id);
        else if (const auto* wait = std::get_if<WaitCommand>(&*parsed.command))
            platform.Advance(wait->ms);
        else if (const auto* type = std::get_if<TypeCommand>(&*parsed.command))
            platform.SetBoxText(type->id, type->text);
        // The effects list is only needed for printing; keep memory flat on long scripts.
        platform.ClearEffects();
        // Stop at the first failed write rather than run on unseen.
        if (!out)
            return OutputFailed(err, scriptName, number);
    }
    if (script.bad()) {
        ReportProblem(err, scriptName, 0, "cannot read the script");
        return kExitBadInput;
    }
    if (!out.flush())
        return OutputFailed(err, scriptName, 0);
    return kExitOk;
}

} // namespace velmo::replay
