// The seven groups' descriptions and hand lists, each in its listed order.
// Every description of a group uses the same thirteen blinds in the same
// order; only the stack and the distance to the bubble change.  Hands may be
// listed twice, and the same two cards may stand in both orders: each entry
// counts once in the draw.
#include "tournament/tournament_tables.h"

#include <array>

namespace velmo {
namespace {

// Group 1 (Push): short stacks of 1.88 to 13.62 big blinds; any hand.
constexpr std::string_view kGroup1Descriptions[] = {
    "Blinds 2000/4000, you have 15700, 50 p from bubble, with: ",
    "Blinds 3000/3000, you have 11230, 40 p from bubble, with: ",
    "Blinds 4000/8000, you have 15000, 30 p from bubble, with: ",
    "Blinds 1000/2000, you have 4200, 20 p from bubble, with: ",
    "Blinds 5000/10000, you have 52300, 2 p from bubble, with: ",
    "Blinds 200/400, you have 1650, 500 p from bubble, with: ",
    "Blinds 200/400, you have 930, 15 p from bubble, with: ",
    "Blinds 400/800, you have 2580, 12 p from bubble, with: ",
    "Blinds 20/40, you have 140, 1054 p from bubble, with: ",
    "Blinds 250/500, you have 5345, 250 p from bubble, with: ",
    "Blinds 250/500, you have 6812, 189 p from bubble, with: ",
    "Blinds 5000/10000, you have 127800, 5 p from bubble, with: ",
    "Blinds 2000/4000, you have 8250, 365 p from bubble, with: ",
};
constexpr std::string_view kGroup1Hands[] = {
    "Ah7d", "Ah3h", "AhTc", "Kd7d", "QsKs", "Ah5d", "3s3d", "5s5h", "9d9s", "QhTs", "2d2c", "2sAh",
    "TcKs", "3dTd", "5h6s", "8c9d", "7h5c", "Qc5s", "Kd7s", "8hJc", "Js9h", "3h8d", "Tc5s", "3hQc",
    "9h8s", "Ks2c", "3h4h", "8sJs", "2cTd", "JdJs", "Jh3c", "2s2h", "5d7h", "4cQs", "3sJc", "Th7s",
};

// Group 2 (Push): 18.93 to 82.50 big blinds; queens, kings, aces, suited ace-king.
constexpr std::string_view kGroup2Descriptions[] = {
    "Blinds 2000/4000, you have 75700, 50 p from bubble, with: ",
    "Blinds 3000/3000, you have 91230, 40 p from bubble, with: ",
    "Blinds 4000/8000, you have 445000, 30 p from bubble, with: ",
    "Blinds 1000/2000, you have 104200, 20 p from bubble, with: ",
    "Blinds 5000/10000, you have 502300, 2 p from bubble, with: ",
    "Blinds 200/400, you have 26500, 500 p from bubble, with: ",
    "Blinds 200/400, you have 33000, 15 p from bubble, with: ",
    "Blinds 400/800, you have 45800, 12 p from bubble, with: ",
    "Blinds 20/40, you have 2140, 1054 p from bubble, with: ",
    "Blinds 250/500, you have 25345, 250 p from bubble, with: ",
    "Blinds 250/500, you have 36812, 189 p from bubble, with: ",
    "Blinds 5000/10000, you have 627800, 5 p from bubble, with: ",
    "Blinds 2000/4000, you have 308250, 365 p from bubble, with: ",
};
constexpr std::string_view kGroup2Hands[] = {
    "AcKc", "AhKh", "AhAd", "KdKc", "QsQc", "AcAd", "AsAd", "KsKh", "AdAs", "QhQs", "AdAc", "KsAs", "KcKs", "AdKd",
};

// Group 3 (Push): 193 to 628 big blinds, far from the bubble; the hands of group 2.
constexpr std::string_view kGroup3Descriptions[] = {
    "Blinds 2000/4000, you have 878000, 5340 p from bubble, with: ",
    "Blinds 3000/3000, you have 691230, 4560 p from bubble, with: ",
    "Blinds 4000/8000, you have 1545000, 330 p from bubble, with: ",
    "Blinds 1000/2000, you have 404200, 270 p from bubble, with: ",
    "Blinds 5000/10000, you have 5002300, 289 p from bubble, with: ",
    "Blinds 200/400, you have 96500, 590 p from bubble, with: ",
    "Blinds 200/400, you have 133000, 185 p from bubble, with: ",
    "Blinds 400/800, you have 175800, 162 p from bubble, with: ",
    "Blinds 20/40, you have 9140, 1054 p from bubble, with: ",
    "Blinds 250/500, you have 125345, 2150 p from bubble, with: ",
    "Blinds 250/500, you have 236812, 1189 p from bubble, with: ",
    "Blinds 5000/10000, you have 6276800, 585 p from bubble, with: ",
    "Blinds 2000/4000, you have 908250, 1365 p from bubble, with: ",
};

// Group 4 (Push): deep stacks just before the bubble; aces only.
constexpr std::string_view kGroup4Descriptions[] = {
    "Blinds 2000/4000, you have 978500, 5 p from bubble, with: ",
    "Blinds 3000/3000, you have 791230, 4 p from bubble, with: ",
    "Blinds 4000/8000, you have 1945000, 3 p from bubble, with: ",
    "Blinds 1000/2000, you have 424260, 12 p from bubble, with: ",
    "Blinds 5000/10000, you have 6032300, 21 p from bubble, with: ",
    "Blinds 200/400, you have 97570, 14 p from bubble, with: ",
    "Blinds 200/400, you have 234600, 16 p from bubble, with: ",
    "Blinds 400/800, you have 185890, 15 p from bubble, with: ",
    "Blinds 20/40, you have 9940, 1 p from bubble, with: ",
    "Blinds 250/500, you have 134395, 9 p from bubble, with: ",
    "Blinds 250/500, you have 268882, 7 p from bubble, with: ",
    "Blinds 5000/10000, you have 8676800, 6 p from bubble, with: ",
    "Blinds 2000/4000, you have 931250, 8 p from bubble, with: ",
};
constexpr std::string_view kGroup4Hands[] = {
    "AhAd", "AcAd", "AsAd", "AdAs", "AsAc", "AsAh",
};

// Group 5 (Fold): the stacks of group 4; everything short of aces.
// Descriptions 10 to 13 are word for word those of group 4.
constexpr std::string_view kGroup5Descriptions[] = {
    "Blinds 2000/4000, you have 978500, 15 p from bubble, with: ",
    "Blinds 3000/3000, you have 791230, 14 p from bubble, with: ",
    "Blinds 4000/8000, you have 1945000, 5 p from bubble, with: ",
    "Blinds 1000/2000, you have 424260, 11 p from bubble, with: ",
    "Blinds 5000/10000, you have 6032300, 1 p from bubble, with: ",
    "Blinds 200/400, you have 97570, 12 p from bubble, with: ",
    "Blinds 200/400, you have 234600, 13 p from bubble, with: ",
    "Blinds 400/800, you have 185890, 7 p from bubble, with: ",
    "Blinds 20/40, you have 9940, 8 p from bubble, with: ",
    "Blinds 250/500, you have 134395, 9 p from bubble, with: ",
    "Blinds 250/500, you have 268882, 7 p from bubble, with: ",
    "Blinds 5000/10000, you have 8676800, 6 p from bubble, with: ",
    "Blinds 2000/4000, you have 931250, 8 p from bubble, with: ",
};
constexpr std::string_view kGroup5Hands[] = {
    "7h7c", "QhKh", "AhQd", "Kc8c", "QsKs", "ThTd", "3d3h", "5s5h", "9h9c", "QhTs", "2d2c", "2sAh", "TcKs", "3dTd",
    "5s6s", "Td9d", "ThTc", "Qc5s", "Kd7s", "8hJc", "Js9h", "3h8d", "Tc5h", "3cQc", "9h8s", "Ks2c", "3h4h", "8sJs",
    "2dTc", "JcJh", "Jh3c", "2s2h", "5d7d", "4cQs", "3sJs", "Th7s", "QcQs", "JhJs", "ThTs", "KsQs", "AsJs", "ThKs",
    "AcQs", "AsTh", "ThAc", "Ah5h", "As3s", "TcAc", "8c8s", "8s8h", "ThTc", "TsQs", "ThJh", "JcQs",
};

// Group 6 (Fold): 18.95 to 86.25 big blinds; jacks and weaker, ace-queen and weaker aces.
constexpr std::string_view kGroup6Descriptions[] = {
    "Blinds 2000/4000, you have 75800, 50 p from bubble, with: ",
    "Blinds 3000/3000, you have 97230, 40 p from bubble, with: ",
    "Blinds 4000/8000, you have 443400, 30 p from bubble, with: ",
    "Blinds 1000/2000, you have 105600, 20 p from bubble, with: ",
    "Blinds 5000/10000, you have 512300, 2 p from bubble, with: ",
    "Blinds 200/400, you have 29500, 500 p from bubble, with: ",
    "Blinds 200/400, you have 34500, 15 p from bubble, with: ",
    "Blinds 400/800, you have 46700, 12 p from bubble, with: ",
    "Blinds 20/40, you have 2350, 1054 p from bubble, with: ",
    "Blinds 250/500, you have 37345, 250 p from bubble, with: ",
    "Blinds 250/500, you have 37852, 189 p from bubble, with: ",
    "Blinds 5000/10000, you have 636800, 5 p from bubble, with: ",
    "Blinds 2000/4000, you have 312350, 365 p from bubble, with: ",
};
constexpr std::string_view kGroup6Hands[] = {
    "3h3d", "5s5h", "9d9s", "JhTs", "2d2c", "2sAs", "TcKs", "3dTd", "5h6s", "8c9d", "7h5c", "Qc5s", "Jd7s", "8hJc",
    "Js9h", "3h8d", "Tc5s", "3hQc", "8h8s", "Ks2c", "3h4h", "8sJs", "2cTc", "JcJh", "Jh3c", "2s2d", "5d7h", "4cQh",
    "3dJc", "Th7s", "AcQh", "KdJc", "ThTs", "JcJs", "TcTs", "8h8c", "4cQc", "3dJd", "Th7h", "AcQh", "AdJc", "AhTs",
};

// Group 7 (Fold): 220 to 728 big blinds, far from the bubble; group 6 with eight entries changed.
constexpr std::string_view kGroup7Descriptions[] = {
    "Blinds 2000/4000, you have 978000, 4540 p from bubble, with: ",
    "Blinds 3000/3000, you have 791230, 8760 p from bubble, with: ",
    "Blinds 4000/8000, you have 2545000, 830 p from bubble, with: ",
    "Blinds 1000/2000, you have 504200, 970 p from bubble, with: ",
    "Blinds 5000/10000, you have 6002300, 789 p from bubble, with: ",
    "Blinds 200/400, you have 98500, 690 p from bubble, with: ",
    "Blinds 200/400, you have 183000, 385 p from bubble, with: ",
    "Blinds 400/800, you have 175800, 462 p from bubble, with: ",
    "Blinds 20/40, you have 9640, 1154 p from bubble, with: ",
    "Blinds 250/500, you have 135345, 2450 p from bubble, with: ",
    "Blinds 250/500, you have 247812, 1389 p from bubble, with: ",
    "Blinds 5000/10000, you have 7276800, 785 p from bubble, with: ",
    "Blinds 2000/4000, you have 968250, 1465 p from bubble, with: ",
};
constexpr std::string_view kGroup7Hands[] = {
    "4h4d", "5s5h", "9d9s", "ThJs", "2d2c", "8sAs", "TcKs", "3dTd", "5h6h", "8c8d", "7h5c", "Qc5s", "JdJs", "8hJc",
    "Js9h", "3h8d", "Tc5s", "3hQc", "8h8s", "Ks2c", "3h4h", "8s9s", "2cTc", "JcJh", "Jh3h", "2s2d", "5d7h", "4cQh",
    "3dJc", "Th7s", "AcQh", "KdJc", "ThTs", "JcJs", "TcTs", "8h8c", "4cQc", "3dJd", "Th7h", "AcQh", "AdJc", "AhTs",
};

static_assert(std::size(kGroup1Descriptions) == kTournamentDescriptionCount &&
              std::size(kGroup2Descriptions) == kTournamentDescriptionCount &&
              std::size(kGroup3Descriptions) == kTournamentDescriptionCount &&
              std::size(kGroup4Descriptions) == kTournamentDescriptionCount &&
              std::size(kGroup5Descriptions) == kTournamentDescriptionCount &&
              std::size(kGroup6Descriptions) == kTournamentDescriptionCount &&
              std::size(kGroup7Descriptions) == kTournamentDescriptionCount);

constexpr std::array<TournamentGroup, kTournamentGroupCount> kGroups{{
    {1, kGroup1Descriptions, kGroup1Hands, 10, 26, TournamentAnswer::Push},
    {2, kGroup2Descriptions, kGroup2Hands, 10, 26, TournamentAnswer::Push},
    {3, kGroup3Descriptions, kGroup2Hands, 10, 26, TournamentAnswer::Push},
    {4, kGroup4Descriptions, kGroup4Hands, 4, 26, TournamentAnswer::Push},
    {5, kGroup5Descriptions, kGroup5Hands, 4, 26, TournamentAnswer::Fold},
    {6, kGroup6Descriptions, kGroup6Hands, 10, 26, TournamentAnswer::Fold},
    {7, kGroup7Descriptions, kGroup7Hands, 10, 36, TournamentAnswer::Fold},
}};

} // namespace

std::span<const TournamentGroup> TournamentGroups()
{
    return kGroups;
}

} // namespace velmo
