#include "progress/csv_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmo {
namespace {

struct CellCase {
    const char* name;
    std::string text;
    std::string written;
};

void PrintTo(const CellCase& c, std::ostream* os)
{
    *os << c.name;
}

class CellRoundTrip : public testing::TestWithParam<CellCase> {};

TEST_P(CellRoundTrip, IsWrittenSafelyAndReadBackExactly)
{
    std::string line;
    AppendCell(line, GetParam().text);
    EXPECT_EQ(line, GetParam().written);
    std::vector<std::string> cells;
    ASSERT_TRUE(SplitCells(line, cells));
    EXPECT_EQ(cells, std::vector<std::string>{GetParam().text});
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, CellRoundTrip,
    testing::Values(CellCase{"plain", "Raise", "Raise"}, CellCase{"empty", "", ""},
                    CellCase{"negative_number", "-1", "-1"}, CellCase{"negative_decimal", "-0.5", "-0.5"},
                    CellCase{"minus_text", "-x", "'-x"}, CellCase{"lone_minus", "-", "'-"},
                    CellCase{"minus_dot", "-1.", "'-1."}, CellCase{"formula", "=SUM(A1)", "'=SUM(A1)"},
                    CellCase{"formula_with_comma", "=SUM(A1,B1)", "\"'=SUM(A1,B1)\""}, CellCase{"plus", "+1", "'+1"},
                    CellCase{"at", "@cmd", "'@cmd"}, CellCase{"tab", "\tx", "'\tx"},
                    CellCase{"carriage_return", "\rx", "'\\rx"}, CellCase{"apostrophe", "'quoted", "''quoted"},
                    CellCase{"quotes", "say \"hi\"", "\"say \"\"hi\"\"\""}, CellCase{"comma", "a,b", "\"a,b\""},
                    CellCase{"line_feed", "AKs\nUTG", "AKs\\nUTG"}, CellCase{"crlf_inside", "a\r\nb", "a\\r\\nb"},
                    CellCase{"backslash", "C:\\new", "C:\\\\new"},
                    CellCase{"utf8", "A\xE2\x99\xA0 K\xE2\x99\xA5 \xC3\x9C \xF0\x9F\x82\xA1",
                             "A\xE2\x99\xA0 K\xE2\x99\xA5 \xC3\x9C \xF0\x9F\x82\xA1"}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST(CellLine, KeepsEveryHostileCellApartOnOneLine)
{
    const std::vector<std::string> texts = {"-1", "=A1,B1", "\"", "", "x\ny", "'", ",", "-x", "\\"};
    std::string line;
    for (const std::string& text : texts)
        AppendCell(line, text);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    std::vector<std::string> cells = {"left over", "from", "before", "and", "more", "than", "needed", ".", ".", "."};
    ASSERT_TRUE(SplitCells(line, cells));
    EXPECT_EQ(cells, texts);
}

TEST(CellLine, WritesBytesThatAreNotUtf8AsReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"a\xFF"
         "b",
         "a" + replacement + "b"},
        {"\xC0\xAF", replacement + replacement},                                     // overlong slash
        {"\xED\xA0\x80", replacement + replacement + replacement},                   // surrogate
        {"\xF4\x90\x80\x80", replacement + replacement + replacement + replacement}, // beyond U+10FFFF
        {"\xE2\x99", replacement + replacement},                                     // cut short
    };
    for (const auto& [text, written] : cases) {
        std::string line;
        AppendCell(line, text);
        EXPECT_EQ(line, written) << testing::PrintToString(text);
    }
}

TEST(CellLine, RejectsMisquotedLines)
{
    std::vector<std::string> cells;
    for (const char* line : {"\"open", "a\"b", "\"closed\"x", "\"a\"\"", "x,\"y"})
        EXPECT_FALSE(SplitCells(line, cells)) << line;
    ASSERT_TRUE(SplitCells("a,,\"\"", cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"a", "", ""}));
}

} // namespace
} // namespace velmo
