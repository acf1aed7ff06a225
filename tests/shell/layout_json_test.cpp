// The layout the web page reads: every row once, in tab order, with the
// panel the touch layout shows it in and the name a screen reader gives it.
#include "shell/dialog_layout.h"
#include "shell/layout_json.h"
#include "shell/panels.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace velmo::test {
namespace {

TEST(LayoutJson, ListsEveryRowInTabOrderWithItsPanel)
{
    const std::string json = LayoutJson();
    const std::regex object(
        R"re(\{"id":(\d+),"kind":"(\w+)",[^{}]*"panel":(-?\d+),"name":"[^"]*","left":(true|false)\})re");
    std::size_t row = 0;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), object); it != std::sregex_iterator(); ++it, ++row) {
        ASSERT_LT(row, DialogControls().size());
        const DialogControl& control = DialogControls()[row];
        EXPECT_EQ(std::stoi((*it)[1]), control.id) << row;
        const std::string panel = (*it)[3];
        EXPECT_EQ(panel == "-1" ? nullptr : &Panels()[std::stoul(panel)], PanelOf(control)) << row;
        EXPECT_EQ((*it)[2] == "button", control.kind == ControlKind::Button) << row;
    }
    EXPECT_EQ(row, DialogControls().size()) << "a row missing or malformed";
    EXPECT_NE(json.find(R"("name":"Fold, Tournaments")"), std::string::npos);
    EXPECT_TRUE(json.starts_with(R"({"width":)") && json.ends_with("]}"));
}

} // namespace
} // namespace velmo::test
