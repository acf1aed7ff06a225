// Feeds arbitrary bytes to the replay tool's line parser and its number
// parser, and checks every accepted line against the script language: a press
// names a button, a type names a text box, a good line has no error text and
// a bad one has, and the command written back as a line parses the same.
#include "replay_script.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace velmo::replay;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "replay_line_fuzzer: %s\n", what);
    std::abort();
}

// The number a text of 1 to 10 decimal digits stands for, if it fits 32 bits.
std::optional<std::uint32_t> ReferenceUnsigned(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::string WriteBack(const Command& command)
{
    if (const auto* press = std::get_if<PressCommand>(&command))
        return "press " + std::to_string(press->id);
    if (const auto* wait = std::get_if<WaitCommand>(&command))
        return "wait " + std::to_string(wait->ms);
    if (const auto* type = std::get_if<TypeCommand>(&command))
        return "type " + std::to_string(type->id) + " " + type->text;
    return "#";
}

bool SameCommand(const Command& a, const Command& b)
{
    if (a.index() != b.index())
        return false;
    if (const auto* press = std::get_if<PressCommand>(&a))
        return press->id == std::get<PressCommand>(b).id;
    if (const auto* wait = std::get_if<WaitCommand>(&a))
        return wait->ms == std::get<WaitCommand>(b).ms;
    if (const auto* type = std::get_if<TypeCommand>(&a))
        return type->id == std::get<TypeCommand>(b).id && type->text == std::get<TypeCommand>(b).text;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (ParseUnsigned(text) != ReferenceUnsigned(text))
        Fail("ParseUnsigned disagrees with the decimal reading of the text");

    const ParseResult parsed = ParseLine(text);
    if (!parsed.command) {
        if (parsed.error.empty())
            Fail("a bad line without a reason");
        return 0;
    }
    if (!parsed.error.empty())
        Fail("a good line with an error text");

    const Command& command = *parsed.command;
    if (const auto* press = std::get_if<PressCommand>(&command)) {
        if (!velmo::FindEvent(press->id))
            Fail("press of something that is not a button");
    } else if (const auto* type = std::get_if<TypeCommand>(&command)) {
        if (!velmo::IsTextBox(type->id))
            Fail("type into something that is not a text box");
        // The text is the rest of the line as it was, less a final carriage return.
        std::string_view line = text;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() < type->text.size() || line.substr(line.size() - type->text.size()) != type->text)
            Fail("typed text is not the end of the line");
    }

    // A typed text that ends in a carriage return would lose it on the way back.
    if (const auto* type = std::get_if<TypeCommand>(&command); type && !type->text.empty() && type->text.back() == '\r')
        return 0;
    const ParseResult again = ParseLine(WriteBack(command));
    if (!again.command || !SameCommand(command, *again.command))
        Fail("the command written back as a line parses differently");
    return 0;
}
