#include "replay_script.h"

#include "common/utf8_text.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"

#include <charconv>

namespace velmo::replay {
namespace {

// Splits off the first word (up to one blank); the rest follows that blank.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view s)
{
    const auto blank = s.find(' ');
    if (blank == std::string_view::npos)
        return {s, {}};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

ParseResult Bad(std::string why)
{
    return {std::nullopt, std::move(why)};
}

std::optional<int> ParseId(std::string_view text)
{
    const auto value = ParseUnsigned(text);
    if (!value || *value > 1000000u)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

std::optional<std::uint32_t> ParseUnsigned(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

ParseResult ParseLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#')
        return {Command{NoCommand{}}, {}};

    const auto [word, rest] = SplitWord(line);
    if (word == "press") {
        const auto id = ParseId(rest);
        if (!id)
            return Bad("malformed control id");
        if (!FindEvent(*id))
            return Bad("not a button: " + std::to_string(*id));
        return {Command{PressCommand{*id}}, {}};
    }
    if (word == "wait") {
        const auto ms = ParseUnsigned(rest);
        if (!ms)
            return Bad("malformed number of milliseconds");
        return {Command{WaitCommand{*ms}}, {}};
    }
    if (word == "type") {
        const auto [idText, text] = SplitWord(rest);
        const auto id = ParseId(idText);
        if (!id)
            return Bad("malformed control id");
        if (!IsTextBox(*id))
            return Bad("not a text box: " + std::to_string(*id));
        // Passed on as it is; re-encoding would make the output lie.
        if (!IsValidUtf8(text))
            return Bad("text is not valid UTF-8");
        return {Command{TypeCommand{*id, std::string(text)}}, {}};
    }
    return Bad("unknown command");
}

} // namespace velmo::replay
