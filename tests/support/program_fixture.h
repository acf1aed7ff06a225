// A whole program on the simulated clock in its own working directory: the
// start-up check has run, and presses go through the event table.
// ProgramFixture keeps its files on the real file system; ProgramOn with
// another file system (one in memory) leaves the working directory empty.
#pragma once

#include "common/recording_platform.h"
#include "scores/highscore_file.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"
#include "support/faulty_file_system.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace velmo::test {

template <class Files> class ProgramOn : public ::testing::Test {
protected:
    explicit ProgramOn(std::uint32_t startTick = 100000) : platform(files, startTick), trainers(platform)
    {
        StartUp(trainers);
    }

    void Press(int id) { ASSERT_TRUE(Dispatch(trainers, id)) << "no button " << id; }
    void Wait(std::uint32_t ms) { platform.Advance(ms); }
    std::string Box(int id) const { return platform.BoxText(id); }

    TempWorkDir dir;
    Files files;
    RecordingPlatform platform;
    TrainerSet trainers;
};

class ProgramFixture : public ProgramOn<FaultyFileSystem> {
protected:
    using ProgramOn::ProgramOn;

    std::filesystem::path HighscorePath() const { return dir.path() / kHighscoreFileName; }
    std::string Highscores() const { return ReadFile(HighscorePath()); }
    void SetHighscores(const std::string& text) { WriteFile(HighscorePath(), text); }
};

} // namespace velmo::test
