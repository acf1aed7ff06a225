// Control identifiers of the main dialog, shared by the trainers (which write
// boxes by id), the layout table, the event table and the replay tool.  What
// kind of control an id names is told by its row in the layout table.
#pragma once

namespace velmo::ids {

// Text boxes.
inline constexpr int kRangeCardBox = 1000;
inline constexpr int kRangeResultBox = 1005;
inline constexpr int kTiltTextBox = 1008;
inline constexpr int kOddsTextBox = 1012;
inline constexpr int kOddsScoreBox = 1017;
inline constexpr int kFoldTextBox = 1019;
inline constexpr int kFoldScoreBox = 1023;
inline constexpr int kPatiencePointsBox = 1025;
inline constexpr int kScoresTotalBox = 1029;
inline constexpr int kTourTextBox = 1034;
inline constexpr int kTourScoreBox = 1037;
inline constexpr int kPreflopScoreBox = 1040;
inline constexpr int kPreflopTextBox = 1052;

// Manual Range Practice.
inline constexpr int kRangeHelp = 1001;
inline constexpr int kRangeDone = 1002;
inline constexpr int kRangeCorrect = 1003;
inline constexpr int kRangeIncorrect = 1004;
// Tilt Sensor.
inline constexpr int kTiltHelp = 1006;
inline constexpr int kTiltStart = 1007;
inline constexpr int kTiltYes = 1009;
inline constexpr int kTiltNo = 1010;
inline constexpr int kTiltReset = 1011;
// RE/Odds.
inline constexpr int kOddsHelp = 1013;
inline constexpr int kOddsStart = 1014;
inline constexpr int kOddsFold = 1015;
inline constexpr int kOddsCall = 1016;
inline constexpr int kOddsReset = 1018;
// How to fold.
inline constexpr int kFoldHelp = 1020;
inline constexpr int kFoldCallOpen = 1021;
inline constexpr int kFoldFold = 1024;
// Patience.
inline constexpr int kPatienceHit = 1022;
inline constexpr int kPatienceHelp = 1026;
inline constexpr int kPatienceDone = 1027;
// SCORES.
inline constexpr int kScoresHighscores = 1028;
inline constexpr int kScoresHelp = 1030;
inline constexpr int kScoresReset = 1031;
// Tournaments.
inline constexpr int kTourStart = 1032;
inline constexpr int kTourHelp = 1033;
inline constexpr int kTourPush = 1035;
inline constexpr int kTourFold = 1036;
inline constexpr int kTourReset = 1038;
// Preflop Situation Trainer.
inline constexpr int kPreflopReset = 1039;
inline constexpr int kPreflopHelp = 1041;
inline constexpr int kPreflopStart = 1042;
inline constexpr int kPreflopOpen = 1043;
inline constexpr int kPreflopFold = 1044;
inline constexpr int kPreflopCall = 1045;
inline constexpr int kPreflopThreeBet = 1046;
inline constexpr int kPreflopOpenFoldToThreeBet = 1048;
inline constexpr int kPreflopOpenCallThreeBet = 1050;
inline constexpr int kPreflopOpenFourBet = 1051;

} // namespace velmo::ids
