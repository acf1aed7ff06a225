#include "support/two_program_work.h"

#include "common/file_system.h"
#include "common/number_to_text.h"
#include "common/recording_platform.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "scores/scores_trainer.h"
#include "tournament/tournament_panel.h"

#include <string>

namespace velmo::test {

int ConvertOwnNumbers(int k, int count)
{
    RealFileSystem files;
    int wrong = 0;
    for (int i = 0; i < count; ++i) {
        const int value = k * 100000 + i;
        wrong += NumberToText(files, static_cast<float>(value)) != std::to_string(value);
    }
    return wrong;
}

int OfferRisingScores(int k, int offers)
{
    RealFileSystem files;
    RecordingPlatform program(files, 100000);
    const int slot = k == 0 ? slots::kPreflop : slots::kTournament;
    int faults = 0;
    for (int score = 1; score <= offers; ++score) {
        // Only this program raises its slot, so the slot must still hold
        // the score announced last.
        const auto before = ReadHighscoreValues(files);
        faults += !before || before->slots[static_cast<std::size_t>(slot)] != score - 1;
        faults += UpdateHighscore(program, slot, score).outcome != HighscoreOutcome::NewHighscore;
        if (k == 1 && score % 10 == 0)
            ScoresTrainer(program).Highscores(); // reads, sums and rewrites the whole list
    }
    return faults + program.MessageCount();
}

} // namespace velmo::test
