// Helpers of the tournament tests: reading a description back into its
// numbers, checking hand texts, and telling which group a situation text
// can come from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmo::test {

struct Description {
    std::int64_t smallBlind;
    std::int64_t bigBlind;
    std::int64_t stack;
    std::int64_t bubble;
};

// The numbers of "Blinds A/B, you have S, P p from bubble, with: ", or
// nullopt when the text has any other form.
std::optional<Description> ParseDescription(std::string_view text);

// Two different cards, each a rank of AKQJT98765432 and a suit of cdhs.
bool IsHand(std::string_view hand);

// Whether `text` is one description of `group` followed directly by one of
// its hands.
bool IsSituationOf(int group, std::string_view text);

} // namespace velmo::test
