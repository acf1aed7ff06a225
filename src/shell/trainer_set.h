// One instance of every panel's trainer, built from the panels' rows, for the
// life of the program (or of one test).  The Qt dialog, the Win32 dialog, the
// web page and the replay tool each own one TrainerSet over their platform
// and send every button press into it through the event table.
#pragma once

#include "common/platform.h"
#include "common/situation_timing.h"
#include "odds/fold_trainer.h"
#include "odds/odds_trainer.h"
#include "preflop/preflop_trainer.h"
#include "progress/practice_log_file.h"
#include "scores/scores_trainer.h"
#include "selfcheck/patience_trainer.h"
#include "selfcheck/range_trainer.h"
#include "selfcheck/tilt_trainer.h"
#include "shell/panels.h"
#include "tournament/tournament_trainer.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace velmo {

struct TrainerSet {
    // With the desktop's log, Practice-log.csv beside Highscores.txt.
    explicit TrainerSet(Platform& p);
    // With a log kept elsewhere (the web page's site storage).
    TrainerSet(Platform& p, PracticeLog& keptLog);
    TrainerSet(const TrainerSet&) = delete;
    TrainerSet& operator=(const TrainerSet&) = delete;

    // The trainer of class T, as its panel's row built it.
    template <class T> T& Get()
    {
        for (const std::unique_ptr<BuiltTrainer>& built : built_)
            if (auto* held = dynamic_cast<TrainerOf<T>*>(built.get()))
                return held->trainer;
        throw std::logic_error("no panel builds this trainer");
    }

    // The trainer that `panel`, one of Panels(), built.
    BuiltTrainer& BuiltFor(const PanelRow& panel);

    Platform& platform;
    SituationStartTick situationStart; // shared by the Preflop and RE/Odds trainers

private:
    std::unique_ptr<PracticeLogFile> fileLog_; // only where no other log was given

public:
    // The practice log, which the trainers write and the Progress views read.
    PracticeLog& log;

private:
    static std::vector<std::unique_ptr<BuiltTrainer>> BuildAll(Platform& p, SituationStartTick& situationStart,
                                                               PracticeLog& log);

    // In panel order, built before the shorthands below are bound.
    std::vector<std::unique_ptr<BuiltTrainer>> built_ = BuildAll(platform, situationStart, log);

public:
    // Shorthands for the tests and tools that look inside the eight trainers
    // the program started with; a later trainer is reached through Get.
    RangeTrainer& range = Get<RangeTrainer>();
    TiltTrainer& tilt = Get<TiltTrainer>();
    OddsTrainer& odds = Get<OddsTrainer>();
    FoldTrainer& fold = Get<FoldTrainer>();
    PatienceTrainer& patience = Get<PatienceTrainer>();
    ScoresTrainer& scores = Get<ScoresTrainer>();
    TournamentTrainer& tournament = Get<TournamentTrainer>();
    PreflopTrainer& preflop = Get<PreflopTrainer>();
};

// The program's start-up work, run once by the application before the
// window is built: the highscore file is made ready (see EnsureHighscoreFile).
void StartUp(TrainerSet& trainers);

} // namespace velmo
