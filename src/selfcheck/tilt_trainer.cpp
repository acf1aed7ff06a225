#include "selfcheck/tilt_trainer.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "progress/practice_log.h"
#include "selfcheck/tilt_panel.h"

#include <array>
#include <string>
#include <string_view>

namespace velmo {
namespace {

struct TiltQuestion {
    std::uint32_t pauseMs;                 // the pause before the variant is drawn
    std::array<std::string_view, 3> texts; // questions 7 and 8 have only the first
    std::int32_t yes;
    std::int32_t no;
};

constexpr int kQuestionCount = 8;
constexpr int kDrawnQuestions = 6; // questions 1 to 6 draw one of three variants

constexpr std::array<TiltQuestion, kQuestionCount> kQuestions = {{
    {33,
     {"Did you sleep well last night?", "Do you feel completely well rested?", "Are you full of energy?"},
     -45,
     +45},
    {25,
     {"Does your head spin when you close your eyes?", "Do you feel dizzy when you sit?",
      "Do you have problems walking straight?"},
     +20,
     -30},
    {15, {"Did you lose or win big recently?", "Did you win big recently?", "Did you lose big recently?"}, +25, -30},
    {5,
     {"Did you snap at someone today?", "Did you yell at someone while driving today?",
      "Have you recently argued with your spouse?"},
     +35,
     -25},
    {51,
     {"Have you been feeling absent-minded today?", "Are you unfocused today?", "Do you have trouble concentrating?"},
     +20,
     -15},
    {51,
     {"Do you drift away, daydreaming a lot today?", "Does daydreaming interfere with your thoughts?",
      "Do you vividly imagine exotic other places?"},
     +20,
     -20},
    {0, {"Did you meditate today?", "", ""}, -35, +30},
    {0, {"Are you worried about something else?", "", ""}, +25, -25},
}};

// A level of exactly 200 sits between "Some tilt" and "Serious tilt"; it
// takes the milder verdict, since "Serious tilt" is meant for levels above 200.
std::string_view Verdict(std::int32_t level)
{
    if (level < 1)
        return "No tilt, safe to play.";
    if (level < 100)
        return "Minor tilt, should be OK.";
    if (level <= 200)
        return "Some tilt, be careful.";
    return "Serious tilt, don't play.";
}

} // namespace

TiltTrainer::TiltTrainer(Platform& platform, PracticeLog& log) : platform_(platform), log_(log) {}

void TiltTrainer::StartNext()
{
    tiltAnswerCount = 0;

    if (tiltQuestionIndex < kDrawnQuestions) {
        const TiltQuestion& question = kQuestions[static_cast<std::size_t>(tiltQuestionIndex)];
        platform_.PauseAndReseed(question.pauseMs);
        const int v = platform_.rand() % 3;
        platform_.SetBoxText(ids::kTiltTextBox, question.texts[static_cast<std::size_t>(v)]);
    } else if (tiltQuestionIndex < kQuestionCount) {
        platform_.SetBoxText(ids::kTiltTextBox, kQuestions[static_cast<std::size_t>(tiltQuestionIndex)].texts[0]);
    } else if (tiltQuestionIndex == kQuestionCount) {
        platform_.SetBoxText(ids::kTiltTextBox, std::string(Verdict(tiltLevel)) +
                                                    "Level: " + NumberToText(platform_, static_cast<float>(tiltLevel)));
        LogRecord record;
        record.panel = LogPanel::Tilt;
        record.event = LogEvent::Verdict;
        record.tiltLevel = tiltLevel;
        log_.Record(std::move(record));
    } else {
        platform_.SetBoxText(ids::kTiltTextBox, "Test over.");
    }

    tiltQuestionIndex = SaturatingAdd(tiltQuestionIndex, 1);
}

void TiltTrainer::Yes()
{
    Answer(true);
}

void TiltTrainer::No()
{
    Answer(false);
}

void TiltTrainer::Answer(bool yes)
{
    tiltAnswerCount = SaturatingAdd(tiltAnswerCount, 1);
    if (tiltAnswerCount >= 2)
        return;

    if (tiltQuestionIndex >= 1 && tiltQuestionIndex <= kQuestionCount) {
        const TiltQuestion& question = kQuestions[static_cast<std::size_t>(tiltQuestionIndex - 1)];
        tiltLevel = SaturatingAdd(tiltLevel, yes ? question.yes : question.no);
    } else if (tiltQuestionIndex != kQuestionCount + 1) {
        platform_.SetBoxText(ids::kTiltTextBox, "test over");
    }
}

void TiltTrainer::Reset()
{
    tiltLevel = kStartLevel;
    tiltQuestionIndex = 0;
    platform_.SetBoxText(ids::kTiltTextBox, "");
}

} // namespace velmo
