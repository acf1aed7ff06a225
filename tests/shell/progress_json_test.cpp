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
    EXPECT_TRUE(Has(month, R"("on":true,"readable":true,"failingSince":null,"unreadableLines":0)")) << month;
    EXPECT_TRUE(
        Has(month, R"("word":"preflop","caption":"Preflop Situation Trainer","timed":true,"share":"Right answers",)"))
        << month;
    EXPECT_TRUE(Has(month, R"("score":90,)")) << month;
    EXPECT_TRUE(Has(month, R"(],"best":0,"fastest":1,"lastMistakes":[{)")) << month;
    EXPECT_TRUE(Has(month, R"("situation":"situation 2","given":"Fold","right":"Raise","ms":300})")) << month;
    EXPECT_TRUE(Has(month, R"("recentMistakes":[{"right":"Raise","count":1}])")) << month;
    EXPECT_TRUE(Has(month, R"("word":"fold","caption":"How to fold","timed":false,"share":"Folds","sessions":[])"))
        << month;

    const std::string week = ProgressJson(kept, ProgressSpan::LastWeek);
    EXPECT_FALSE(Has(week, R"("score":90,)")) << week;
    EXPECT_TRUE(Has(week, R"(],"best":0,"fastest":0,)")) << week;

    kept.on = false;
    EXPECT_TRUE(Has(ProgressJson(kept, ProgressSpan::Everything), R"({"on":false,"readable":false,)"));
}

} // namespace
} // namespace velmo::test
