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
#pragma once

#include "scores/highscore_file.h"

#include <cstdint>
#include <initializer_list>

namespace velmo {

class Platform;

// The situations of one session: the Start/Next press after the last one
// ends the session.
inline constexpr std::int32_t kSituationsPerSession = 10;

// Told of every judged answer and of every offer at a session's end, so that
// a practice log could follow the quizzes; the default hears nothing.
class QuizObserver {
public:
    virtual ~QuizObserver() = default;
    virtual void AnswerJudged(int /*slot*/, bool /*right*/, std::int32_t /*score*/) {}
    virtual void SessionEnded(int /*slot*/, std::int32_t /*score*/) {}
};

// The trainer's own counter fields.
struct QuizCounters {
    std::int32_t& situationCount;
    std::int32_t& answerCount;
    std::int32_t& score;
};

class TimedQuiz {
public:
    TimedQuiz(Platform& platform, int slot, QuizCounters counters);
    // It works on its trainer's fields, so it never moves to another trainer.
    TimedQuiz(const TimedQuiz&) = delete;
    TimedQuiz& operator=(const TimedQuiz&) = delete;

    void Observe(QuizObserver& observer) { observer_ = &observer; }

    std::int32_t situationCount() const { return counters_.situationCount; }
    std::int32_t answerCount() const { return counters_.answerCount; }
    std::int32_t score() const { return counters_.score; }

    // A Start/Next press: the answer gate opens again and the situation is
    // counted.  True while the session runs (presses 1 to 10, which show a
    // situation); false once it is over, when the caller offers the score.
    bool NextSituation();

    // An answer press: true only for the first since the last Start/Next press.
    bool PassGate();

    bool SessionOver() const;

    // Adds `points` to the score, held within the 32-bit range.
    void Add(std::int32_t points);

    // Scores an answer as Preflop and Tournaments do: 1 + `bonus` when right,
    // -1 when wrong; the score box then shows the score.
    void Judge(bool right, std::int32_t bonus, int scoreBox);

    // Tells the observer of an answer a trainer judged by its own rules.
    void Judged(bool right);

    // Offers the score to the slot; a missing file or a failed rewrite has
    // been announced by UpdateHighscore.
    HighscoreResult OfferScore();

    // The end as Preflop and Tournaments show it: "Session over. Highscore! N"
    // in `textBox` for a new highscore, "Session over" for a score that did
    // not beat the slot, nothing more after a file failure.
    void EndSession(int textBox);

    // Zeroes the count and the score and empties `boxes` in that order.
    void Reset(std::initializer_list<int> boxes);

private:
    Platform& platform_;
    int slot_;
    QuizCounters counters_;
    QuizObserver* observer_;
};

} // namespace velmo
