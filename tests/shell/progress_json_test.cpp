// The Progress view's numbers as the web page reads them: the log's state,
// each scoring panel under its caption with its sessions in the span, the
// best and fastest marked, and the timed quizzes' mistakes.
#include "progress/log_line.h"
#include "progress/log_records.h"
#include "shell/progress_json.h"
#include "support/string_practice_log.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace velmo::test {
namespace {

bool Has(const std::string& json, const std::string& part)
{
    return json.find(part) != std::string::npos;
}

TEST(ProgressJson, SaysWhatTheSummarySays)
{
    StringPracticeLog kept(LogHeaderLine(), kNow);
    // Two Preflop sessions, 20 days and 1 day ago; the older one scored higher
    // and answered slower; the newer one's second answer was wrong.
    for (const auto& [at, score] : {std::pair{kNow - 20 * kDay, 90}, std::pair{kNow - kDay, 30}}) {
        const bool newer = at > kNow - 2 * kDay;
        for (std::int32_t number = 1; number <= 2; ++number)
            kept.Record(Answer(LogPanel::Preflop, number, !newer || number == 1, newer ? 300 : 900, "Raise", at));
        kept.Record(End(LogPanel::Preflop, score, at));
    }
    const std::string month = ProgressJson(kept, ProgressSpan::LastMonth);
    EXPECT_TRUE(Has(month, R"({"on":true,"readable":true,"state":"The practice log is on and written.",)")) << month;
    EXPECT_TRUE(Has(month,
                    R"("caption":"Preflop Situation Trainer","sessions":{"headers":["Session end","Score",)"
                    R"("Best","Right answers","Median response"],"rows":[["2026-11-19 14:03","90","best","100 %",)"
                    R"("0.9 s"],["2026-12-08 14:03","30","","50 %","0.3 s"]],"best":0},"charts":[)"))
        << month;
    EXPECT_TRUE(Has(month, R"({"title":"Median response time","bestWord":"fastest","best":1,"points":[{"value":0.9,)"
                           R"("text":"0.9 s","day":"2026-11-19"},)"))
        << month;
    EXPECT_TRUE(Has(month, R"("note":"1 of the last session (ended 2026-12-08 14:03):",)")) << month;
    EXPECT_TRUE(Has(month, R"("rows":[["situation 2","Fold","Raise","0.3 s"]])")) << month;
    EXPECT_TRUE(Has(month, R"("groups":[["Raise","1"]]})")) << month;
    EXPECT_TRUE(Has(month, R"("caption":"How to fold","sessions":{"headers":["Session end","Score","Best","Folds"],)"
                           R"("rows":[],"best":null},"charts":[{"title":"Score per run",)"))
        << month;

    const std::string week = ProgressJson(kept, ProgressSpan::LastWeek);
    EXPECT_FALSE(Has(week, R"("90")")) << week;

    kept.on = false;
    EXPECT_TRUE(Has(ProgressJson(kept, ProgressSpan::Everything),
                    R"({"on":false,"readable":false,"state":"The practice log is off)"));
}

} // namespace
} // namespace velmo::test
