#include "odds/odds_panel.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "selfcheck/tilt_panel.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"
#include "shell/help_texts.h"
#include "shell/panels.h"
#include "support/program_fixture.h"
#include "tournament/tournament_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmo::test {
namespace {

TEST(EventTable, MapsEveryButtonOnceAndNoBox)
{
    std::set<int> ids;
    for (const EventRow& row : EventTable()) {
        EXPECT_TRUE(ids.insert(row.controlId).second) << "twice: " << row.controlId;
        EXPECT_FALSE(IsTextBox(row.controlId)) << row.controlId;
    }
    std::set<int> buttons;
    for (const DialogControl& row : DialogControls())
        if (row.kind == ControlKind::Button)
            buttons.insert(row.id);
    EXPECT_EQ(ids, buttons) << "each push button of the layout has exactly one operation";
    EXPECT_EQ(FindEvent(1000), nullptr);
    EXPECT_EQ(FindEvent(1047), nullptr);
    EXPECT_EQ(FindEvent(1049), nullptr);
}

// Each panel's row must hold together: its group box first (the caption is
// read from it), its Help button and its operations on buttons of its own,
// a highscore slot no other panel raises, and text boxes with names of
// their own across the whole dialog.
TEST(Panels, EachRowHoldsTogether)
{
    std::set<int> slotsTaken;
    std::set<int> idsTaken;
    std::set<std::string_view> boxNames;
    for (const PanelRow& panel : Panels()) {
        ASSERT_FALSE(panel.controls.empty());
        EXPECT_EQ(panel.controls.front().kind, ControlKind::GroupBox) << panel.caption();
        for (const DialogControl& row : panel.controls.subspan(1))
            EXPECT_NE(row.kind, ControlKind::GroupBox) << panel.caption() << ": a second group box";
        for (const DialogControl& row : panel.controls) {
            EXPECT_TRUE(row.id == 0 || idsTaken.insert(row.id).second) << row.id << " stands in two places";
            if (IsTextBox(row.id))
                EXPECT_TRUE(!row.boxName.empty() && boxNames.insert(row.boxName).second) << row.id;
            else
                EXPECT_TRUE(row.boxName.empty()) << row.id;
        }
        EXPECT_EQ(PanelOf(panel.helpButton), &panel) << panel.caption();
        EXPECT_EQ(FindControl(panel.helpButton)->caption, "Help") << panel.caption();
        EXPECT_FALSE(panel.helpText.empty()) << panel.caption();
        for (const PanelButton& button : panel.buttons)
            EXPECT_EQ(PanelOf(button.controlId), &panel) << button.controlId << " runs another panel's trainer";
        if (panel.scoreSlot) {
            EXPECT_TRUE(*panel.scoreSlot >= 0 && *panel.scoreSlot < kHighscoreSlotCount) << panel.caption();
            EXPECT_TRUE(slotsTaken.insert(*panel.scoreSlot).second) << panel.caption();
        }
    }
    EXPECT_EQ(PanelOf(ids::kOddsScoreBox)->caption(), "RE/Odds");
    EXPECT_EQ(AccessibleName(*FindControl(ids::kTournamentFold)), "Fold, Tournaments");
    EXPECT_EQ(FindEvent(ids::kPreflopStart)->panel->scoreSlot, 4);
    EXPECT_EQ(FindEvent(ids::kScoresHighscores)->panel->scoreSlot, 8);
    EXPECT_FALSE(FindEvent(ids::kTiltStart)->panel->scoreSlot.has_value());
}

// The rows give the dialog its size: every row inside it, the rightmost and
// the lowest with the 7 units of margin the rows keep at the top left; the
// program's first eight panels make it 409 x 200.
TEST(DialogLayout, TakesItsSizeFromTheRows)
{
    int right = 0, bottom = 0;
    for (const DialogControl& row : DialogControls()) {
        EXPECT_TRUE(row.x >= 7 && row.y >= 7) << AccessibleName(row);
        right = std::max(right, row.x + row.width);
        bottom = std::max(bottom, row.y + row.height);
    }
    EXPECT_EQ(DialogWidthDu(), right + 7);
    EXPECT_EQ(DialogHeightDu(), bottom + 7);
    EXPECT_GE(DialogWidthDu(), 409);
    EXPECT_GE(DialogHeightDu(), 200);
}

// The tab order of the program's first eight panels, from Manual Range
// Practice to the Preflop text box; panels added later may come anywhere.
TEST(DialogLayout, KeepsTheTabOrder)
{
    const std::vector<int> expected = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                                       1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1023, 1024, 1025, 1026,
                                       1027, 1022, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037, 1038,
                                       1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1048, 1050, 1051, 1052};
    std::vector<int> order;
    for (const DialogControl& row : DialogControls())
        if (row.id >= 1000 && row.id <= 1052)
            order.push_back(row.id);
    EXPECT_EQ(order, expected);
}

std::vector<int> HelpButtonIds()
{
    std::vector<int> ids;
    for (const PanelRow& panel : Panels())
        ids.push_back(panel.helpButton);
    return ids;
}

class HelpButtons : public ProgramFixture, public ::testing::WithParamInterface<int> {};

// The message shown is the pressed panel's own text, not another panel's.
TEST_P(HelpButtons, ShowTheirPanelsTextCaptionedVelmorandineAndChangeNothing)
{
    const std::string before = ReadFile(kHighscoreFileName);
    Press(GetParam());
    ASSERT_EQ(platform.effects().size(), 1u) << "a Help button only shows its message";
    const Effect& e = platform.effects().front();
    EXPECT_EQ(e.kind, Effect::Kind::Message);
    EXPECT_EQ(e.caption, "Velmorandine");
    EXPECT_EQ(e.text, PanelOf(GetParam())->helpText);
    EXPECT_EQ(ReadFile(kHighscoreFileName), before);
}

// Each case is named for its panel: "Tilt Sensor" gives TiltTrainer.
std::string PanelName(const ::testing::TestParamInfo<int>& info)
{
    std::string name;
    for (char c : PanelOf(info.param)->caption())
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(All, HelpButtons, ::testing::ValuesIn(HelpButtonIds()), PanelName);

// The texts' own words, blanks and line breaks included.
TEST(HelpTexts, SayWhatEachPanelDoes)
{
    EXPECT_EQ(HelpText(1020), "Beginners typically overcall.\nThis trainer will condition you to fold more often.\n");
    EXPECT_EQ(HelpText(1006), "Are you mentally fit to play poker right now?\n"
                              "Press the button and answer the eight questions honestly.\n"
                              "A score and a recommendation will show.\n");
    EXPECT_TRUE(HelpText(1013).ends_with("Note that in reality you should also consider \n"
                                         "open/end-of-action, board, V profile, stacks, position etc. "));
    EXPECT_TRUE(HelpText(1030).starts_with("Here you can see your current combined highscore.\n"
                                           "Fold and Tilt are not included.\n \n0-79 points = Fish"));
    EXPECT_TRUE(HelpText(1001).ends_with("Press 'Done' to log result to Highscore list and reset variables.\n"));
    EXPECT_TRUE(HelpText(1033).starts_with("Tournament training.\n"));
    EXPECT_TRUE(HelpText(1041).ends_with("Ten situations play each time.\n"
                                         "In reality, type of villains, stack sizes etc may alter these fixed "
                                         "ranges.\nThe faster you are correct, the better your score."));
    EXPECT_TRUE(HelpText(1026).starts_with("Push the 'Hit' button SLOW to accumulate points.\n"));
    EXPECT_TRUE(HelpText(1000).empty());
    EXPECT_TRUE(HelpText(1002).empty());
}

} // namespace
} // namespace velmo::test
