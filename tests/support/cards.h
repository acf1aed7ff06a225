// Card and hand texts as the trainers show them, checked independently of
// the trainers' own card lists: a card is a rank of AKQJT98765432 and a suit
// of cdhs, a hand two different cards.
#pragma once

#include <string_view>

namespace velmo::test {

inline constexpr std::string_view kRanks = "AKQJT98765432";
inline constexpr std::string_view kSuits = "cdhs";

inline bool IsCard(std::string_view card)
{
    return card.size() == 2 && kRanks.find(card[0]) != std::string_view::npos &&
           kSuits.find(card[1]) != std::string_view::npos;
}

inline bool IsHand(std::string_view hand)
{
    return hand.size() == 4 && IsCard(hand.substr(0, 2)) && IsCard(hand.substr(2)) &&
           hand.substr(0, 2) != hand.substr(2);
}

} // namespace velmo::test
