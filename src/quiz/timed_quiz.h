// What the three timed quizzes (Preflop, Tournaments, RE/Odds) share: a
// session of ten situations, each Start/Next press counting one and setting
// the answer counter to 0; the answer gate, which lets only the first answer
// after a Start/Next press through; and the end of the session, where the
// eleventh and every later Start/Next press offers the running score to the
// trainer's highscore slot.  The end resets nothing: only the panel's Reset
// zeroes the count and the score.
//
// The counters stay the trainer's own fields, named as the trainer names
// them (preflopScore, tourSituationCount, ...); the quiz works on them
// through references.  What a situation is, how an answer is judged and what
// each press shows is the trainer's.
//
// The quiz hands the practice log each judged answer (with the situation it
// showed, the points it gained or lost and its number in the session) and
// each offer at a session's end; the trainer hands it the answer's captions
// and time.
#pragma once

#include "progress/log_record.h"
#include "scores/highscore_file.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmo {

class Platform;
class PracticeLog;

// The situations of one session: the Start/Next press after the last one
// ends the session.
inline constexpr std::int32_t kSituationsPerSession = 10;

// A judged answer as the practice log keeps it: the answers by their
// buttons' captions, the time as the trainer measured it.
struct QuizAnswer {
    bool right = false;
    std::string_view rightAnswer;
    std::string_view givenAnswer;
    std::int32_t responseMs = 0;
};

// The trainer's own counter fields.
struct QuizCounters {
    std::int32_t& situationCount;
    std::int32_t& answerCount;
    std::int32_t& score;
};

class TimedQuiz {
public:
    TimedQuiz(Platform& platform, PracticeLog& log, LogPanel panel, int slot, QuizCounters counters);
    // It works on its trainer's fields, so it never moves to another trainer.
    TimedQuiz(const TimedQuiz&) = delete;
    TimedQuiz& operator=(const TimedQuiz&) = delete;

    std::int32_t situationCount() const { return counters_.situationCount; }
    std::int32_t answerCount() const { return counters_.answerCount; }
    std::int32_t score() const { return counters_.score; }

    // A Start/Next press: the answer gate opens again and the situation is
    // counted.  True while the session runs (presses 1 to 10, which show a
    // situation); false once it is over, when the caller offers the score.
    bool NextSituation();

    // Shows a situation in `textBox`, and keeps it for the log of its answer.
    void ShowSituation(int textBox, std::string text);

    // An answer press: true only for the first since the last Start/Next press.
    bool PassGate();

    bool SessionOver() const;

    // Adds `points` to the score, held within the 32-bit range.
    void Add(std::int32_t points);

    // Scores an answer as Preflop and Tournaments do: 1 + `bonus` when right,
    // -1 when wrong; the score box then shows the score.
    void Judge(const QuizAnswer& answer, std::int32_t bonus, int scoreBox);

    // Logs an answer a trainer judged by its own rules, with the points the
    // score moved by since the gate let it through.
    void Judged(const QuizAnswer& answer);

    // Offers the score to the slot and logs the session's end; a missing
    // file or a failed rewrite has been announced by UpdateHighscore.
    HighscoreResult OfferScore();

    // The end as Preflop and Tournaments show it: "Session over. Highscore! N"
    // in `textBox` for a new highscore, "Session over" for a score that did
    // not beat the slot, nothing more after a file failure.
    void EndSession(int textBox);

    // Zeroes the count and the score and empties `boxes` in that order.
    void Reset(std::initializer_list<int> boxes);

private:
    Platform& platform_;
    PracticeLog& log_;
    LogPanel panel_;
    int slot_;
    QuizCounters counters_;
    std::string situation_;        // the last situation shown
    std::int32_t scoreAtGate_ = 0; // the score when the gate last let an answer through
};

} // namespace velmo
