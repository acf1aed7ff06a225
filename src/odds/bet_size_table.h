// The RE/Odds bet sizes: the villain's bet as a fraction of the pot and the
// equity in percent that calling it requires.  Row n of the table is element
// n - 1; the order is fixed (row 12 holds 0.67), and the draw of a row
// relies on it.
#pragma once

#include <array>

namespace velmo {

struct BetSizeRow {
    float fraction;
    int requiredEquity;
};

inline constexpr std::array<BetSizeRow, 12> kBetSizeTable{{
    {0.1f, 9},
    {0.2f, 14},
    {0.25f, 17},
    {0.33f, 20},
    {0.5f, 25},
    {0.75f, 30},
    {1.0f, 33},
    {1.2f, 40},
    {1.5f, 40},
    {5.0f, 50},
    {12.0f, 50},
    {0.67f, 29},
}};

} // namespace velmo
