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

class CellRoundTrip : public testing::TestWithParam<CellCase> {};

// Each cell after another whose comma it must not take for its own.
TEST_P(CellRoundTrip, IsWrittenSafelyAndReadBackExactly)
{
    std::string line;
    AppendCell(line, "=1,2");
    AppendCell(line, GetParam().text);
    EXPECT_EQ(line, "\"'=1,2\"," + GetParam().written);
    std::vector<std::string> cells;
    ASSERT_TRUE(SplitCells(line, cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"=1,2", GetParam().text}));
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, CellRoundTrip,
    testing::Values(CellCase{"plain", "Raise", "Raise"}, CellCase{"empty", "", ""},
                    CellCase{"negative_number", "-1", "-1"}, CellCase{"negative_decimal", "-0.5", "-0.5"},
                    CellCase{"minus_text", "-x", "'-x"}, CellCase{"lone_minus", "-", "'-"},
                    CellCase{"minus_dot", "-1.", "'-1."}, CellCase{"formula", "=SUM(A1)", "'=SUM(A1)"},
                    CellCase{"plus", "+1", "'+1"}, CellCase{"at", "@cmd", "'@cmd"}, CellCase{"tab", "\tx", "'\tx"},
                    CellCase{"carriage_return", "\rx", "'\\rx"}, CellCase{"apostrophe", "'quoted", "''quoted"},
                    CellCase{"quotes", "say \"hi\"", "\"say \"\"hi\"\"\""}, CellCase{"comma", "a,b", "\"a,b\""},
                    CellCase{"line_feed", "AKs\nUTG", "AKs\\nUTG"}, CellCase{"crlf_inside", "a\r\nb", "a\\r\\nb"},
                    CellCase{"backslash", "C:\\new", "C:\\\\new"},
                    CellCase{"utf8", "A\xE2\x99\xA0 \xC3\x9C \xF0\x9F\x82\xA1",
                             "A\xE2\x99\xA0 \xC3\x9C \xF0\x9F\x82\xA1"}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST(CellLine, WritesBytesThatAreNotUtf8AsReplacementCharacters)
{
    const std::string bad = "\xEF\xBF\xBD";
    // A stray byte, an overlong slash, a surrogate, beyond U+10FFFF, cut short.
    const std::pair<std::string, std::string> cases[] = {{"a\xFF", "a" + bad},
                                                         {"\xC0\xAF", bad + bad},
                                                         {"\xED\xA0\x80", bad + bad + bad},
                                                         {"\xF4\x90\x80\x80", bad + bad + bad + bad},
                                                         {"\xE2\x99", bad + bad}};
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
}

} // namespace
} // namespace velmo
