// The replay tool's script language, one command a line:
//   press ID        presses the button with that control id
//   wait MS         lets MS milliseconds pass on the simulated clock
//   type ID TEXT    replaces the text of text box ID with TEXT (UTF-8)
//   # ...           a comment; blank lines are ignored too
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velmo::replay {

struct PressCommand {
    int id;
};
struct WaitCommand {
    std::uint32_t ms;
};
struct TypeCommand {
    int id;
    std::string text;
};
struct NoCommand {}; // a comment or a blank line

using Command = std::variant<NoCommand, PressCommand, WaitCommand, TypeCommand>;

struct ParseResult {
    std::optional<Command> command; // nullopt: a bad line
    std::string error;              // why, for a bad line
};

// Parses one line (without its line break; a trailing carriage return is
// dropped).  `press` must name a button and `type` a text box, with a text
// that is valid UTF-8.
ParseResult ParseLine(std::string_view line);

// A decimal number in 0..4294967295 with nothing else around it.
std::optional<std::uint32_t> ParseUnsigned(std::string_view text);

} // namespace velmo::replay
