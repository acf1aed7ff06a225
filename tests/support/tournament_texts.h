// Helpers of the tournament tests: reading a description back into its
// numbers, and telling which group a situation text can come from (hands
// are checked with support/cards.h).
#pragma once

#include "support/cards.h"

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

// Whether `text` is one description of `group` followed directly by one of
// its hands.
bool IsSituationOf(int group, std::string_view text);

} // namespace velmo::test
