// The lists of the preflop catalogue, each a constant table in the order of
// its section.  Hand entries are four characters, two cards rank then suit;
// a class named alone is written out with all its combinations, and a hand
// present more than once is drawn that much more often.
#include "preflop/preflop_catalogue.h"

#include <array>

namespace velmo {
namespace {

// Open: the hands of the three opening variants.
constexpr std::string_view kUtgSixMaxOpenHands[] = {
    "AcAd", "AcAh", "AcAs", "AdAh", "AdAs", "AhAs", // AA
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs", // KK
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs", // KK again
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s", // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s", // 88
    "AcKc", "AdKd", "AhKh", "AsKs",                 // AKs
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
    "AcTc", "AdTd", "AhTh", "AsTs",                 // ATs
    "Ac9c", "Ad9d", "Ah9h", "As9s",                 // A9s
    "AdKc", "AdKh", "AdKs", "AhKc", "AhKs",         // AKo (these only)
    "AdQc", "AdQh", "AdQs", "AhQc", "AhQs",         // AQo (these only)
    "KsQc", "KsQh", "KsQd", "KdQc", "KdQh", "KdQs", // KQo (these only)
};

constexpr std::string_view kUtgFullRingOpenHands[] = {
    "AcAd", "AcAh", "AcAs", "AdAh", "AdAs", "AhAs", // AA
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs", // KK
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs", // KK again
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "AcKc", "AdKd", "AhKh", "AsKs",                 // AKs
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
    "AdKc", "AdKh", "AdKs", "AhKc", "AhKs",         // AKo (these only)
};

constexpr std::string_view kHijackOpenHands[] = {
    "AcAd", "AcAh", "AcAs", "AdAh", "AdAs", "AhAs", // AA
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs", // KK
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs", // KK again
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s", // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s", // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s", // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s", // 66
    "AcKc", "AdKd", "AhKh", "AsKs",                 // AKs
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
    "AcTc", "AdTd", "AhTh", "AsTs",                 // ATs
    "Ac9c", "Ad9d", "Ah9h", "As9s",                 // A9s
    "Ac8c", "Ad8d", "Ah8h", "As8s",                 // A8s
    "Ac7c", "Ad7d", "Ah7h", "As7s",                 // A7s
    "Ac6c", "Ad6d", "Ah6h", "As6s",                 // A6s
    "Ac5c", "Ad5d", "Ah5h", "As5s",                 // A5s
    "Ac4c", "Ad4d", "Ah4h", "As4s",                 // A4s
    "Ac3c", "Ad3d", "Ah3h", "As3s",                 // A3s
    "Ac2c", "Ad2d", "Ah2h", "As2s",                 // A2s
    "QcJc", "QdJd", "QhJh", "QsJs",                 // QJs
    "Tc9c", "Td9d", "Th9h", "Ts9s",                 // T9s
    "AdKc", "AdKh", "AdKs", "AhKc", "AhKs",         // AKo (these only)
    "AdQc", "AdQh", "AdQs", "AhQc", "AhQs",         // AQo (these only)
    "KsQc", "KsQh", "KsQd", "KdQc", "KdQh", "KdQs", // KQo (these only)
};

// Fold: spot texts, complete situations and the two hand lists.
constexpr std::string_view kLateOpenFoldPrefixes[] = {
    "You are in BB facing BU 2x open, with ",
    "You are in SB facing BU 3x open, with ",
    "You are in BB facing SB 2x open, with ",
    "You are on BU, open/defend? with ",
};

constexpr std::string_view kUtgFoldPrefixes[] = {
    "You are in BB (6-max) facing UTG open, with ",
    "You are in BB (full ring) facing UTG open, with ",
    "You are in HJ (6-max) facing UTG open, with ",
    "You are in CO (6-max) facing UTG open, with ",
    "You are UTG (6-max), with ",
    "You are UTG (full ring), with ",
};

constexpr std::string_view kCompleteFoldTexts[] = {
    "You are in HJ with Ah6s.",
    "You are in HJ with 3dQc.",
    "You are in HJ with Kc7h.",
    "You are in HJ with 3h2s.",
    "You are in HJ with 7h8h.",
    "You are in HJ with Kh9c.",
    "You are in HJ with As8h.",
    "You are in HJ with 2c2h.",
    "You are in HJ with 3c3s.",
    "You are in HJ with 4h4c.",
    "You are in HJ with 4c4s.",
    "You are in HJ with 2d2c.",
    "You are in HJ with Jh8h.",
    "You are in HJ with 6sTs.",
    "You are in HJ with 7hJh.",
    "You are in CO, open/defend? with Kc7h.",
    "You are in CO, open/defend? with As6h.",
    "You are in CO, open/defend? with Td5c.",
    "You are in CO, open/defend? with Ah5s.",
    "You are in CO, open/defend? with 7hAs.",
    "You are in CO, open/defend? with 2h8h.",
    "You are in CO, open/defend? with 9s3s.",
    "You are in CO, open/defend? with Qd5s.",
    "You are in CO, open/defend? with Ks8c.",
    "You are in BB facing HJ open, with Qc3c.",
    "You are in BB facing HJ open, with Jd8s.",
    "You are in BB facing HJ open, with 8hQs.",
    "You are in BB facing CO open, with 2sAh.",
    "You are in BB facing CO open, with Ts4s.",
    "You are in BB facing CO open, with 3d3s.",
    "You are in BB facing CO open, with Ah3h.",
    "You are in BB facing CO open, with 5sAs.",
    "You are in BB facing CO open, with Ad7s.",
    "You are in BB facing CO open, with 2s2d.",
    "You are in BB facing BU 2,5x open, with Kh7d.",
    "You are in BB facing BU 2,5x open, with Ad4c.",
    "You are in BB facing BU 2,5x open, with Qh5c.",
    "You are in BB facing BU 2,5x open, with As6d.",
    "You are in BB facing BU 2,5x open, with 2hAc.",
    "You are in BB facing BU 2,5x open, with Ks4s.",
    "You are in BB facing BU 2,5x open, with Kd3d.",
    "You are in BB facing BU 2,5x open, with 6hQs.",
    "You are in BB facing BU 3x open, with Th8d.",
    "You are in BB facing BU 3x open, with 4sAs.",
    "You are in BB facing BU 3x open, with Ah4d.",
    "You are in BB facing BU 3x open, with Qs5d.",
    "You are in BB facing BU 3x open, with Ks5s",
    "You are in BB facing BU 3x open, with Qd3d.",
};

constexpr std::string_view kFoldHands[] = {
    "5h9s", "8d4c", "Kh3s", "7h9s", "Ts2c", "3c9h", "Qd2c", "3cQs", "4s6h", "Kd4h", "Qc5s", "Jc5d", "Ts3h",
    "9h3d", "Kh3s", "7s3d", "2s7h", "Js4d", "6sJh", "Js3h", "Tc3h", "2hTd", "5sQh", "Qs2d", "8s5h", "9d3s",
    "Jc2s", "2sKc", "2cTh", "Jh2s", "Kh2s", "Ks3d", "Qd5s", "Ts4h", "8h4s", "7c3h", "2h3s", "2s9h", "3s8c",
    "4h3d", "7c2h", "2h7s", "2s7h", "3c7d", "7d3s", "7s2c", "8h3c", "7h5d", "Th2d", "4s8h", "2s5h",
};

constexpr std::string_view kFoldHandsAgainstUtg[] = {
    // the fold hands
    "5h9s",
    "8d4c",
    "Kh3s",
    "7h9s",
    "Ts2c",
    "3c9h",
    "Qd2c",
    "3cQs",
    "4s6h",
    "Kd4h",
    "Qc5s",
    "Jc5d",
    "Ts3h",
    "9h3d",
    "Kh3s",
    "7s3d",
    "2s7h",
    "Js4d",
    "6sJh",
    "Js3h",
    "Tc3h",
    "2hTd",
    "5sQh",
    "Qs2d",
    "8s5h",
    "9d3s",
    "Jc2s",
    "2sKc",
    "2cTh",
    "Jh2s",
    "Kh2s",
    "Ks3d",
    "Qd5s",
    "Ts4h",
    "8h4s",
    "7c3h",
    "2h3s",
    "2s9h",
    "3s8c",
    "4h3d",
    "7c2h",
    "2h7s",
    "2s7h",
    "3c7d",
    "7d3s",
    "7s2c",
    "8h3c",
    "7h5d",
    "Th2d",
    "4s8h",
    "2s5h",
    // and these
    "Ah4h",
    "As5s",
    "Ad7d",
    "As2s",
    "2dAd",
    "4hAh",
    "Ks7s",
    "6dKd",
    "Kc5c",
    "KsTd",
    "Kd7h",
    "KcJs",
    "KsJh",
    "JsQh",
    "QsJd",
    "3s3d",
    "2h2s",
    "5d5h",
    "5h5s",
    "Ah8s",
    "Ad7h",
    "Ah9d",
    "As8c",
    "Ad7s",
    "6hAd",
    "8dAh",
    "9sAh",
    "ThKd",
    "QsTh",
    "JsQh",
    "8h9s",
    "TcJs",
    "JhKs",
    "Ah9h",
    "As8s",
    "Ad7d",
    "Ad2d",
    "7dKs",
    "8h9h",
    "2d2s",
    "2h2d",
    "2h2s",
    "3d3s",
    "3h3d",
    "3h3s",
    "4s4d",
    "4d4h",
    "4s4h",
    "5s5d",
    "5d5h",
    "5s5h",
    "Td5s",
    "5sTh",
    "Ts5h",
    "7d8d",
    "8s7s",
    "7h8h",
    "8h9h",
    "8s9s",
    "8c9c",
    "5s6s",
    "5h6h",
    "6c5c",
};

// Call: one hand list per call situation.
constexpr std::string_view kCallList1Hands[] = {
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s", // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s", // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s", // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s", // 66
    "KcQc", "KdQd", "KhQh", "KsQs",                 // KQs
    "KcTc", "KdTd", "KhTh", "KsTs",                 // KTs
    "QcJc", "QdJd", "QhJh", "QsJs",                 // QJs
    "QcTc", "QdTd", "QhTh", "QsTs",                 // QTs
    "JcTc", "JdTd", "JhTh", "JsTs",                 // JTs
    "Tc9c", "Td9d", "Th9h", "Ts9s",                 // T9s
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc", // AQo (these only)
    "AsJh", "AcJh", "JhAd",                         // AJo (these only)
    "AsTh", "AdTh", "AsTh", "TsAh", "TdAs", "AcTh", // ATo (these only)
};

constexpr std::string_view kCallList2Hands[] = {
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs",                                                 // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs",                                                 // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s",                                                 // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s",                                                 // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s",                                                 // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s",                                                 // 66
    "5c5d", "5c5h", "5c5s", "5d5h", "5d5s", "5h5s",                                                 // 55
    "4c4d", "4c4h", "4c4s", "4d4h", "4d4s", "4h4s",                                                 // 44
    "3c3d", "3c3h", "3c3s", "3d3h", "3d3s", "3h3s",                                                 // 33
    "2c2d", "2c2h", "2c2s", "2d2h", "2d2s", "2h2s",                                                 // 22
    "KcQc", "KdQd", "KhQh", "KsQs",                                                                 // KQs
    "KcQc", "KdQd", "KhQh", "KsQs",                                                                 // KQs again
    "KcJc", "KdJd", "KhJh", "KsJs",                                                                 // KJs
    "KcTc", "KdTd", "KhTh", "KsTs",                                                                 // KTs
    "KcTc", "KdTd", "KhTh", "KsTs",                                                                 // KTs again
    "Kc9c", "Kd9d", "Kh9h", "Ks9s",                                                                 // K9s
    "Kc8c", "Kd8d", "Kh8h", "Ks8s",                                                                 // K8s
    "Kc7c", "Kd7d", "Kh7h", "Ks7s",                                                                 // K7s
    "Kc6c", "Kd6d", "Kh6h", "Ks6s",                                                                 // K6s
    "Kc5c", "Kd5d", "Kh5h", "Ks5s",                                                                 // K5s
    "Kc4c", "Kd4d", "Kh4h", "Ks4s",                                                                 // K4s
    "Kc3c", "Kd3d", "Kh3h", "Ks3s",                                                                 // K3s
    "Kc2c", "Kd2d", "Kh2h", "Ks2s",                                                                 // K2s
    "QcJc", "QdJd", "QhJh", "QsJs",                                                                 // QJs
    "QcTc", "QdTd", "QhTh", "QsTs",                                                                 // QTs
    "JcTc", "JdTd", "JhTh", "JsTs",                                                                 // JTs
    "Tc9c", "Td9d", "Th9h", "Ts9s",                                                                 // T9s
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc",                                                 // AQo (these only)
    "AsJh", "AcJh", "JhAd",                                                                         // AJo (these only)
    "AsTh", "AdTh", "AsTh", "TsAh", "TdAs", "AcTh",                                                 // ATo (these only)
    "Ac9d", "Ac9h", "Ac9s", "Ad9c", "Ad9h", "Ad9s", "Ah9c", "Ah9d", "Ah9s", "As9c", "As9d", "As9h", // A9o
    "Ac8d", "Ac8h", "Ac8s", "Ad8c", "Ad8h", "Ad8s", "Ah8c", "Ah8d", "Ah8s", "As8c", "As8d", "As8h", // A8o
    "Ac7d", "Ac7h", "Ac7s", "Ad7c", "Ad7h", "Ad7s", "Ah7c", "Ah7d", "Ah7s", "As7c", "As7d", "As7h", // A7o
    "Ac6d", "Ac6h", "Ac6s", "Ad6c", "Ad6h", "Ad6s", "Ah6c", "Ah6d", "Ah6s", "As6c", "As6d", "As6h", // A6o
    "Ac5d", "Ac5h", "Ac5s", "Ad5c", "Ad5h", "Ad5s", "Ah5c", "Ah5d", "Ah5s", "As5c", "As5d", "As5h", // A5o
    "Ac4d", "Ac4h", "Ac4s", "Ad4c", "Ad4h", "Ad4s", "Ah4c", "Ah4d", "Ah4s", "As4c", "As4d", "As4h", // A4o
    "Ac3d", "Ac3h", "Ac3s", "Ad3c", "Ad3h", "Ad3s", "Ah3c", "Ah3d", "Ah3s", "As3c", "As3d", "As3h", // A3o
    "Ac2d", "Ac2h", "Ac2s", "Ad2c", "Ad2h", "Ad2s", "Ah2c", "Ah2d", "Ah2s", "As2c", "As2d", "As2h", // A2o
    "Kc9d", "Kc9h", "Kc9s", "Kd9c", "Kd9h", "Kd9s", "Kh9c", "Kh9d", "Kh9s", "Ks9c", "Ks9d", "Ks9h", // K9o
    "Kc8d", "Kc8h", "Kc8s", "Kd8c", "Kd8h", "Kd8s", "Kh8c", "Kh8d", "Kh8s", "Ks8c", "Ks8d", "Ks8h", // K8o
    "Kc7d", "Kc7h", "Kc7s", "Kd7c", "Kd7h", "Kd7s", "Kh7c", "Kh7d", "Kh7s", "Ks7c", "Ks7d", "Ks7h", // K7o
    "Qc9d", "Qc9h", "Qc9s", "Qd9c", "Qd9h", "Qd9s", "Qh9c", "Qh9d", "Qh9s", "Qs9c", "Qs9d", "Qs9h", // Q9o
    "Qc8d", "Qc8h", "Qc8s", "Qd8c", "Qd8h", "Qd8s", "Qh8c", "Qh8d", "Qh8s", "Qs8c", "Qs8d", "Qs8h", // Q8o
    "Qc7d", "Qc7h", "Qc7s", "Qd7c", "Qd7h", "Qd7s", "Qh7c", "Qh7d", "Qh7s", "Qs7c", "Qs7d", "Qs7h", // Q7o
    "Jc9d", "Jc9h", "Jc9s", "Jd9c", "Jd9h", "Jd9s", "Jh9c", "Jh9d", "Jh9s", "Js9c", "Js9d", "Js9h", // J9o
    "Jc8d", "Jc8h", "Jc8s", "Jd8c", "Jd8h", "Jd8s", "Jh8c", "Jh8d", "Jh8s", "Js8c", "Js8d", "Js8h", // J8o
    "Jc7d", "Jc7h", "Jc7s", "Jd7c", "Jd7h", "Jd7s", "Jh7c", "Jh7d", "Jh7s", "Js7c", "Js7d", "Js7h", // J7o
    "Tc9d", "Tc9h", "Tc9s", "Td9c", "Td9h", "Td9s", "Th9c", "Th9d", "Th9s", "Ts9c", "Ts9d", "Ts9h", // T9o
    "Tc8d", "Tc8h", "Tc8s", "Td8c", "Td8h", "Td8s", "Th8c", "Th8d", "Th8s", "Ts8c", "Ts8d", "Ts8h", // T8o
    "Tc7d", "Tc7h", "Tc7s", "Td7c", "Td7h", "Td7s", "Th7c", "Th7d", "Th7s", "Ts7c", "Ts7d", "Ts7h", // T7o
};

constexpr std::string_view kCallList3Hands[] = {
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs",                                                 // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs",                                                 // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s",                                                 // 99
    "7s7h", "7s7d", "7s7c", "7h7c",                                                                 // 77 (these only)
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s",                                                 // 66
    "5c5d", "5c5h", "5c5s", "5d5h", "5d5s", "5h5s",                                                 // 55
    "4c4d", "4c4h", "4c4s", "4d4h", "4d4s", "4h4s",                                                 // 44
    "3c3d", "3c3h", "3c3s", "3d3h", "3d3s", "3h3s",                                                 // 33
    "2c2d", "2c2h", "2c2s", "2d2h", "2d2s", "2h2s",                                                 // 22
    "KcQc", "KdQd", "KhQh", "KsQs",                                                                 // KQs
    "KcTc", "KdTd", "KhTh", "KsTs",                                                                 // KTs
    "Kc9c", "Kd9d", "Kh9h", "Ks9s",                                                                 // K9s
    "Kc8c", "Kd8d", "Kh8h", "Ks8s",                                                                 // K8s
    "QcJc", "QdJd", "QhJh", "QsJs",                                                                 // QJs
    "QcTc", "QdTd", "QhTh", "QsTs",                                                                 // QTs
    "Qc9c", "Qd9d", "Qh9h", "Qs9s",                                                                 // Q9s
    "Qc8c", "Qd8d", "Qh8h", "Qs8s",                                                                 // Q8s
    "JcTc", "JdTd", "JhTh", "JsTs",                                                                 // JTs
    "Tc9c", "Td9d", "Th9h", "Ts9s",                                                                 // T9s
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc",                                                 // AQo (these only)
    "AsJh", "AcJh", "JhAd",                                                                         // AJo (these only)
    "AsTh", "AdTh", "AsTh", "TsAh", "TdAs", "AcTh",                                                 // ATo (these only)
    "As9d", "As9h", "As9c", "Ad9h", "Ad9c", "Ad9s", "Ah9d", "Ah9s", "Ac9s", "Ah9c", "Ac9h",         // A9o (these only)
    "Ad8h", "Ad8c", "Ad8s", "Ah8d", "Ah8s", "Ac8s", "Ah8c", "Ac8h", "Ac8d",                         // A8o (these only)
    "KcQd", "KcQh", "KcQs", "KdQc", "KdQh", "KdQs", "KhQc", "KhQd", "KhQs", "KsQc", "KsQd", "KsQh", // KQo
    "Kc9d", "Kc9h", "Kc9s", "Kd9c", "Kd9h", "Kd9s", "Kh9c", "Kh9d", "Kh9s", "Ks9c", "Ks9d", "Ks9h", // K9o
    "Qs9d", "Qs9h", "Qs9c", "Qd9h", "Qd9c", "Qd9s", "Qh9d",                                         // Q9o (these only)
    "Jc9d", "Jc9h", "Jc9s", "Jd9c", "Jd9h", "Jd9s", "Jh9c", "Jh9d", "Jh9s", "Js9c", "Js9d", "Js9h", // J9o
    "Ts9d", "Ts9h", "Ts9c", "Td9h", "Td9c", "Td9s", "Th9d",                                         // T9o (these only)
};

constexpr std::string_view kCallList4Hands[] = {
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs",                                                 // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs",                                                 // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s",                                                 // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s",                                                 // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s",                                                 // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s",                                                 // 66
    "KcQc", "KdQd", "KhQh", "KsQs",                                                                 // KQs
    "KcTc", "KdTd", "KhTh", "KsTs",                                                                 // KTs
    "Kc9c", "Kd9d", "Kh9h", "Ks9s",                                                                 // K9s
    "QcJc", "QdJd", "QhJh", "QsJs",                                                                 // QJs
    "QcTc", "QdTd", "QhTh", "QsTs",                                                                 // QTs
    "Qc9c", "Qd9d", "Qh9h", "Qs9s",                                                                 // Q9s
    "JcTc", "JdTd", "JhTh", "JsTs",                                                                 // JTs
    "Tc9c", "Td9d", "Th9h", "Ts9s",                                                                 // T9s
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc",                                                 // AQo (these only)
    "AsJh", "AcJh", "JhAd",                                                                         // AJo (these only)
    "AsTh", "AdTh", "AsTh", "TsAh", "TdAs", "AcTh",                                                 // ATo (these only)
    "KcQd", "KcQh", "KcQs", "KdQc", "KdQh", "KdQs", "KhQc", "KhQd", "KhQs", "KsQc", "KsQd", "KsQh", // KQo
    "KcJd", "KcJh", "KcJs", "KdJc", "KdJh", "KdJs", "KhJc", "KhJd", "KhJs", "KsJc", "KsJd", "KsJh", // KJo
    "KcTd", "KcTh", "KcTs", "KdTc", "KdTh", "KdTs", "KhTc", "KhTd", "KhTs", "KsTc", "KsTd", "KsTh", // KTo
    "QcJd", "QcJh", "QcJs", "QdJc", "QdJh", "QdJs", "QhJc", "QhJd", "QhJs", "QsJc", "QsJd", "QsJh", // QJo
    "QcTd", "QcTh", "QcTs", "QdTc", "QdTh", "QdTs", "QhTc", "QhTd", "QhTs", "QsTc", "QsTd", "QsTh", // QTo
    "JcTd", "JcTh", "JcTs", "JdTc", "JdTh", "JdTs", "JhTc", "JhTd", "JhTs", "JsTc", "JsTd", "JsTh", // JTo
};

constexpr std::string_view kCallList5Hands[] = {
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs",                                                 // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs",                                                 // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s",                                                 // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s",                                                 // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s",                                                 // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s",                                                 // 66
    "5c5d", "5c5h", "5c5s", "5d5h", "5d5s", "5h5s",                                                 // 55
    "4c4d", "4c4h", "4c4s", "4d4h", "4d4s", "4h4s",                                                 // 44
    "3c3d", "3c3h", "3c3s", "3d3h", "3d3s", "3h3s",                                                 // 33
    "2c2d", "2c2h", "2c2s", "2d2h", "2d2s", "2h2s",                                                 // 22
    "KcQc", "KdQd", "KhQh", "KsQs",                                                                 // KQs
    "KcJc", "KdJd", "KhJh", "KsJs",                                                                 // KJs
    "QcJc", "QdJd", "QhJh", "QsJs",                                                                 // QJs
    "QcJc", "QdJd", "QhJh", "QsJs",                                                                 // QJs again
    "JcTc", "JdTd", "JhTh", "JsTs",                                                                 // JTs
    "Tc9c", "Td9d", "Th9h", "Ts9s",                                                                 // T9s
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc",                                                 // AQo (these only)
    "KcQd", "KcQh", "KcQs", "KdQc", "KdQh", "KdQs", "KhQc", "KhQd", "KhQs", "KsQc", "KsQd", "KsQh", // KQo
};

constexpr std::string_view kCallList6Hands[] = {
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc", // AQo (these only)
};

constexpr std::string_view kCallList7Hands[] = {
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s", // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s", // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s", // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s", // 66
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
    "AcTc", "AdTd", "AhTh", "AsTs",                 // ATs
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc", // AQo (these only)
};

constexpr std::string_view kCallList8Hands[] = {
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
};

constexpr std::string_view kCallList9Hands[] = {
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s", // 99
    "8c8d", "8c8h", "8c8s", "8d8h", "8d8s", "8h8s", // 88
    "7c7d", "7c7h", "7c7s", "7d7h", "7d7s", "7h7s", // 77
    "6c6d", "6c6h", "6c6s", "6d6h", "6d6s", "6h6s", // 66
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
    "AsTs", "AsTs", "AdTd", "AdTd",                 // ATs (these only)
    "KcQc", "KdQd", "KhQh", "KsQs",                 // KQs
    "QcJc", "QdJd", "QhJh", "QsJs",                 // QJs
};

constexpr std::string_view kCallList10Hands[] = {
    "QcQd", "QcQh", "QcQs", "QdQh", "QdQs", "QhQs", // QQ
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TcTd", "TcTh", "TcTs", "TdTh", "TdTs", "ThTs", // TT
    "KcQc", "KdQd", "KhQh", "KsQs",                 // KQs
};

constexpr std::string_view kCallList11Hands[] = {
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs",                                                 // JJ
    "2s2h", "2s2d", "2s2c",                                                                         // 22 (these only)
    "KcQc", "KhQh", "KdQd", "QsKs", "QdKd", "KhQh",                                                 // KQs (these only)
    "KcJc", "KhJh", "KdJd",                                                                         // KJs (these only)
    "KhTh", "KdTd", "KsTs", "KsTs",                                                                 // KTs (these only)
    "Kh9h", "Kd9d", "Ks9s",                                                                         // K9s (these only)
    "Kh8h", "Kd8d", "Ks8s",                                                                         // K8s (these only)
    "Kd7d", "Ks7s",                                                                                 // K7s (these only)
    "Kd6d", "Ks6s",                                                                                 // K6s (these only)
    "Kd5d", "Ks5s",                                                                                 // K5s (these only)
    "Kc4c",                                                                                         // K4s (these only)
    "Kc3c",                                                                                         // K3s (these only)
    "Kc2c",                                                                                         // K2s (these only)
    "QsJs",                                                                                         // QJs (these only)
    "QcTc", "QdTd", "QhTh", "QsTs",                                                                 // QTs
    "JcTc", "JdTd", "JhTh", "JsTs",                                                                 // JTs
    "AcQh",                                                                                         // AQo (these only)
    "AsTh", "AdTh", "AsTh", "TsAh",                                                                 // ATo (these only)
    "Ac9d", "Ac9h", "Ac9s", "Ad9c", "Ad9h", "Ad9s", "Ah9c", "Ah9d", "Ah9s", "As9c", "As9d", "As9h", // A9o
    "Ad4h", "Ad4c", "Ad4s", "Ah4d", "Ah4s", "Ac4s", "Ah4c", "Ac4h", "Ac4d",                         // A4o (these only)
    "As3d", "As3h", "As3c", "Ad3h", "Ad3c", "Ad3s", "Ah3d", "Ah3s", "Ac3s",                         // A3o (these only)
    "Qs9d", "Qs9h", "Qs9c", "Qd9h", "Qd9c", "Qd9s", "Qh9d", "Qh9s", "Qc9s",                         // Q9o (these only)
    "Qd7h", "Qd7c", "Qh7c", "Qc7h", "Qc7d",                                                         // Q7o (these only)
    "Js9d", "Js9h", "Js9c", "Jd9h", "Jd9c", "Jd9s",                                                 // J9o (these only)
    "Jh8d", "Jh8s", "Jc8s", "Jh8c", "Jc8h", "Jc8d",                                                 // J8o (these only)
    "Js7d", "Js7h", "Js7c", "Jd7h", "Jd7c", "Jh7c", "Jc7h", "Jc7d",                                 // J7o (these only)
    "Th8d", "Th8s", "Tc8s", "Th8c", "Tc8h", "Tc8d",                                                 // T8o (these only)
    "Ts7d", "Ts7h", "Ts7c", "Td7h", "Td7c", "Td7s", "Th7d", "Th7s", "Tc7s", "Th7c", "Tc7h",         // T7o (these only)
};

constexpr std::string_view kCallList12Hands[] = {
    "QsQh", "QsQd", "QsQc", "QhQc",                 // QQ (these only)
    "JcJd", "JcJh", "JcJs", "JdJh", "JdJs", "JhJs", // JJ
    "TsTh", "TsTd", "TsTc", "ThTc",                 // TT (these only)
    "9c9d", "9c9h", "9c9s", "9d9h", "9d9s", "9h9s", // 99
    "AcQc", "AdQd", "AhQh", "AsQs",                 // AQs
    "AcJc", "AdJd", "AhJh", "AsJs",                 // AJs
    "AsTs", "AsTs",                                 // ATs (these only)
    "KcQc", "KdQd", "KhQh", "KsQs",                 // KQs
    "QcJc", "QdJd", "QhJh", "QsJs",                 // QJs
    "JsTs", "JdTd", "JcTc",                         // JTs (these only)
    "AcQh", "AdQs", "QhAs", "QcAh", "AdQh", "QsAc", // AQo (these only)
};

// 3b: any prefix goes with any hand.
constexpr std::string_view kThreeBetPrefixes[] = {
    "HJ opens 3x BB. You are in CO with: ",      "HJ opens 3x BB, folds to you on BU with: ",
    "HJ opens 3x BB, folds to you in SB with: ", "HJ opens 3x BB, folds to you in BB with: ",
    "CO opens 3x BB, folds to you in BB with: ", "CO opens 3x BB, folds to you in SB with: ",
    "CO opens 3x BB. You are on BU with: ",      "BU opens 3x BB. You are in SB with: ",
    "BU opens 3x BB. You are in BB with: ",      "HJ opens 2x BB. You are in CO with: ",
    "HJ opens 2x BB, folds to you on BU with: ", "HJ opens 2x BB, folds to you in SB with: ",
    "HJ opens 2x BB, folds to you in BB with: ", "CO opens 2x BB, folds to you in BB with: ",
    "CO opens 2x BB, folds to you in SB with: ", "CO opens 2x BB. You are on BU with: ",
    "BU opens 2x BB. You are in SB with: ",      "BU opens 2x BB. You are in BB with: ",
    "UTG opens 3x BB. You are UTG+1 with: ",     "UTG opens 3x BB. You are UTG+2 with: ",
    "UTG opens 2x BB. You are UTG+1 with: ",     "UTG opens 2x BB. You are UTG+2 with: ",
};

constexpr std::string_view kThreeBetHands[] = {
    "AsAh", "AsAd", "AhAc", "AdAc", "AhAd",         // AA (these only)
    "KsKh", "KsKd", "KhKc", "KdKc", "KhKd",         // KK (these only)
    "QsQh", "QsQd", "QsQc", "QhQc",                 // QQ (these only)
    "AcKc", "AdKd", "AhKh", "AsKs",                 // AKs
    "AsQs", "AdQd", "AcQc",                         // AQs (these only)
    "AsJs", "AdJd",                                 // AJs (these only)
    "AcTc", "AdTd", "AhTh", "AsTs",                 // ATs
    "Ac9c", "Ad9d", "Ah9h", "As9s",                 // A9s
    "Ac8c",                                         // A8s (these only)
    "Ah7h", "Ac7c",                                 // A7s (these only)
    "AsKd", "AsKh", "AhKd", "AhKs", "AcKs", "AhKc", // AKo (these only)
};

// Open, call 3b.
constexpr std::string_view kOpenCallPrefixes[] = {
    "You are in CO, open/defend? with: ",
    "You are on BU, open/defend? with: ",
    "You in SB, open/defend? with: ",
};

constexpr std::string_view kOpenCallHands[] = {
    "JhJs", "JdJh", "JcJh", // JJ (these only)
    "TcTs",                 // TT (these only)
    "9h9d", "9s9c",         // 99 (these only)
    "ThJh",                 // JTs (these only)
    "AhQc", "QsAd", "AsQc", // AQo (these only)
    "KcQh", "QcKs",         // KQo (these only)
};

// Open, fold to 3b: complete texts.
constexpr std::string_view kOpenFoldToThreeBetTexts[] = {
    "You are in BU, open/defend? with: 3h3s",
    "You are in CO, open/defend? with: 4h4c",
    "You are in BU, open/defend? with: 2c2h",
    "You are in CO, open/defend? with: 6s6d",
};

// Open, 4b.
constexpr std::string_view kFourBetPrefixes[] = {
    "You are in CO, open/defend? with: ",
    "You are in HJ, open/defend? with: ",
    "You are on BU, open/defend? with: ",
    "You are in SB, open/defend? with: ",
};

constexpr std::string_view kFourBetHands[] = {
    "AsAh", "AsAd", "AhAc", "AdAc", "AhAd",                                                         // AA (these only)
    "KcKd", "KcKh", "KcKs", "KdKh", "KdKs", "KhKs",                                                 // KK
    "AsKs", "AdKd", "AhKh",                                                                         // AKs (these only)
    "Ac5c",                                                                                         // A5s (these only)
    "AcKd", "AcKh", "AcKs", "AdKc", "AdKh", "AdKs", "AhKc", "AhKd", "AhKs", "AsKc", "AsKd", "AsKh", // AKo
};

// Indexed by PreflopList.
constexpr std::array<std::span<const std::string_view>, kPreflopListCount> kLists = {
    kUtgSixMaxOpenHands,      kUtgFullRingOpenHands, kHijackOpenHands,  kLateOpenFoldPrefixes,
    kUtgFoldPrefixes,         kCompleteFoldTexts,    kFoldHands,        kFoldHandsAgainstUtg,
    kCallList1Hands,          kCallList2Hands,       kCallList3Hands,   kCallList4Hands,
    kCallList5Hands,          kCallList6Hands,       kCallList7Hands,   kCallList8Hands,
    kCallList9Hands,          kCallList10Hands,      kCallList11Hands,  kCallList12Hands,
    kThreeBetPrefixes,        kThreeBetHands,        kOpenCallPrefixes, kOpenCallHands,
    kOpenFoldToThreeBetTexts, kFourBetPrefixes,      kFourBetHands,
};

} // namespace

std::span<const std::string_view> PreflopListEntries(PreflopList list)
{
    return kLists[static_cast<std::size_t>(list)];
}

} // namespace velmo
