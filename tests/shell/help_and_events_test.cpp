#include "common/control_ids.h"
#include "scores/highscore_file.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"
#include "shell/help_texts.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>

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
    for (const ControlSpec& row : DialogControls())
        if (row.kind == ControlKind::Button)
            buttons.insert(row.id);
    EXPECT_EQ(ids, buttons) << "each push button of the layout has exactly one operation";
    EXPECT_EQ(FindEvent(1000), nullptr);
    EXPECT_EQ(FindEvent(1047), nullptr);
    EXPECT_EQ(FindEvent(1049), nullptr);
}

// The panel captions and the box names are read from the rows, so each panel
// needs exactly one group box and each text box a name of its own.
TEST(DialogLayout, EachPanelHasOneGroupBoxAndEachTextBoxItsOwnName)
{
    std::map<Panel, int> groupBoxes;
    std::set<std::string_view> boxNames;
    for (const ControlSpec& row : DialogControls()) {
        groupBoxes[row.panel] += row.kind == ControlKind::GroupBox;
        if (IsTextBox(row.id))
            EXPECT_TRUE(!row.boxName.empty() && boxNames.insert(row.boxName).second) << row.id;
        else
            EXPECT_TRUE(row.boxName.empty()) << row.id;
    }
    for (const auto& [panel, count] : groupBoxes)
        EXPECT_EQ(count, 1) << PanelCaption(panel);
    EXPECT_EQ(PanelCaption(Panel::Odds), "RE/Odds");
    EXPECT_EQ(AccessibleName(*FindControl(ids::kTourFold)), "Fold, Tournaments");
}

class HelpButtons : public ProgramFixture, public ::testing::WithParamInterface<int> {};

TEST_P(HelpButtons, ShowTheirTextCaptionedVelmorandineAndChangeNothing)
{
    const std::string before = ReadFile(kHighscoreFileName);
    Press(GetParam());
    ASSERT_EQ(platform.effects().size(), 1u) << "a Help button only shows its message";
    const Effect& e = platform.effects().front();
    EXPECT_EQ(e.kind, Effect::Kind::Message);
    EXPECT_EQ(e.caption, "Velmorandine");
    EXPECT_EQ(e.text, HelpText(GetParam()));
    EXPECT_FALSE(e.text.empty());
    EXPECT_EQ(ReadFile(kHighscoreFileName), before);
}

// Each case is named for its panel: "Tilt Sensor" gives TiltSensor.
std::string PanelName(const ::testing::TestParamInfo<int>& info)
{
    std::string name;
    for (char c : PanelCaption(FindControl(info.param)->panel))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(All, HelpButtons,
                         ::testing::Values(ids::kRangeHelp, ids::kTiltHelp, ids::kOddsHelp, ids::kFoldHelp,
                                           ids::kPatienceHelp, ids::kScoresHelp, ids::kTourHelp, ids::kPreflopHelp),
                         PanelName);

TEST(HelpTexts, KeepTheirExactEndings)
{
    EXPECT_TRUE(HelpText(ids::kOddsHelp).ends_with("position etc. "));
    EXPECT_NE(HelpText(ids::kOddsHelp).find("consider \nopen/end"), std::string_view::npos);
    EXPECT_NE(HelpText(ids::kScoresHelp).find("included.\n \n0-79"), std::string_view::npos);
    EXPECT_TRUE(HelpText(ids::kRangeHelp).ends_with("reset variables.\n"));
    EXPECT_TRUE(HelpText(ids::kTourHelp).ends_with("better your score."));
    EXPECT_EQ(HelpText(ids::kFoldHelp),
              "Beginners typically overcall.\nThis trainer will condition you to fold more often.\n");
    EXPECT_TRUE(HelpText(1000).empty());
}

} // namespace
} // namespace velmo::test
