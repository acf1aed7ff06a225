#include "shell/trainer_set.h"

#include "scores/highscore_file.h"

namespace velmo {

TrainerSet::TrainerSet(Platform& p) : platform(p), fileLog_(std::make_unique<PracticeLogFile>(p)), log(*fileLog_) {}

TrainerSet::TrainerSet(Platform& p, PracticeLog& keptLog) : platform(p), log(keptLog) {}

std::vector<std::unique_ptr<BuiltTrainer>> TrainerSet::BuildAll(Platform& p, SituationStartTick& situationStart,
                                                                PracticeLog& log)
{
    std::vector<std::unique_ptr<BuiltTrainer>> built;
    for (const PanelRow& panel : Panels())
        built.push_back(panel.build(p, situationStart, log));
    return built;
}

BuiltTrainer& TrainerSet::BuiltFor(const PanelRow& panel)
{
    return *built_.at(static_cast<std::size_t>(&panel - Panels().data()));
}

void StartUp(TrainerSet& trainers)
{
    EnsureHighscoreFile(trainers.platform.files());
}

} // namespace velmo
