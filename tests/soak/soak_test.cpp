// A long run of pseudo-random presses over every button of every panel, with
// random waits between them and now and then damage to the highscore file
// (deleted, a directory in its place, writes that fail part-way, a layout
// edited by hand).  After every press the working directory must still be
// sound: no scratch file or temporary file left behind, the highscore file
// either as it was or rewritten as exactly ten integers each followed by one
// blank, and only the slot that the pressed button owns ever changed, and
// only upwards (Reset zeroes them all).  Everything runs on the simulated
// clock and on files kept in memory, so the run takes the same course on
// every machine and no disk slows it down; the real working directory must
// stay empty throughout.
#include "common/in_memory_file_system.h"
#include "common/number_to_text.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "selfcheck/range_panel.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"
#include "shell/help_texts.h"
#include "support/highscore_format.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velmo::test {
namespace {

namespace fs = std::filesystem;
using namespace ids;

constexpr int kPresses = 100000;
constexpr std::uint32_t kSeed = 20240611;
constexpr std::uint32_t kLongestWaitMs = 30000;
constexpr int kTempCheckEvery = 250;

// Ten integers, each followed by exactly one blank: an optional "-", then
// digits without a leading zero, and nothing else.
bool IsExactFormat(const std::string& text)
{
    if (!IsExactHighscoreLayout(text))
        return false;
    std::istringstream in(text);
    const HighscoreValues values = ParseHighscoreValues(in); // also rules out values beyond 32 bits
    return values.count == kHighscoreSlotCount && FormatHighscoreValues(values.slots) == text;
}

// The slot a button may raise, as its panel's row says; every other button
// leaves the file's values alone.
std::optional<int> SlotOwnedBy(int id)
{
    const EventRow* row = FindEvent(id);
    return row && row->offersScore ? row->panel->scoreSlot : std::nullopt;
}

// How often each button is chosen: Resets and Help rarely, so that sessions
// run past their tenth situation and scores pile up between resets.
int Weight(const EventRow& row)
{
    const std::string_view caption = FindControl(row.controlId)->caption;
    if (row.controlId == row.panel->helpButton || caption == "Reset")
        return 1;
    if (caption == "Done" || caption == "Highscores")
        return 2;
    return 6;
}

struct FileView {
    enum class Kind { Missing, Regular, Other };
    Kind kind = Kind::Missing;
    std::string content;
    HighscoreSlots slots{};
};

FileView Look(const InMemoryFileSystem& files)
{
    FileView view;
    switch (files.KindOf(kHighscoreFileName)) {
    case InMemoryFileSystem::Kind::Missing: return view;
    case InMemoryFileSystem::Kind::Directory: view.kind = FileView::Kind::Other; return view;
    case InMemoryFileSystem::Kind::File: break;
    }
    view.kind = FileView::Kind::Regular;
    view.content = *files.Content(kHighscoreFileName);
    std::istringstream in(view.content);
    view.slots = ParseHighscoreValues(in).slots;
    return view;
}

enum class Damage { None, Deleted, Directory, FailingWrites };

struct Tally {
    int rewrites = 0;
    int sessionEnds = 0;
    int newHighscores = 0;
    int goneMessages = 0;
    int scratchFailures = 0;
    int damages = 0;
};

class Soak : public ProgramOn<FaultyInMemoryFileSystem> {
protected:
    Soak()
    {
        for (const EventRow& row : EventTable()) {
            buttons.push_back(row.controlId);
            weights.push_back(Weight(row));
        }
    }

    // The file written by hand: the same values, laid out as an editor might
    // leave them (one a line, extra values, cut short, or followed by text).
    void EditByHand(const HighscoreSlots& slots)
    {
        std::string text;
        const int layout = static_cast<int>(rng() % 4);
        const int kept = layout == 2 ? static_cast<int>(rng() % kHighscoreSlotCount) : kHighscoreSlotCount;
        for (int i = 0; i < kept; ++i)
            text += std::to_string(slots[static_cast<std::size_t>(i)]) + (layout == 0 ? "\r\n" : "\n");
        if (layout == 1)
            text += "77 88\n";
        if (layout == 3)
            text += "edited by hand";
        files.SetContent(kHighscoreFileName, text);
        handEdited = text;
    }

    void StartDamage()
    {
        ++tally.damages;
        const FileView now = known;
        pressesLeft = 20 + static_cast<int>(rng() % 200);
        switch (rng() % 4) {
        case 0:
            // Stays missing until the SCORES Reset creates the file again.
            files.Remove(kHighscoreFileName);
            break;
        case 1:
            if (now.kind != FileView::Kind::Regular)
                return;
            saved = now.content;
            files.MakeDirectory(kHighscoreFileName);
            damage = Damage::Directory;
            break;
        case 2:
            files.FailWritesAfter(rng() % 60);
            damage = Damage::FailingWrites;
            break;
        default:
            if (now.kind == FileView::Kind::Regular)
                EditByHand(now.slots);
            break;
        }
        known = Look(files);
    }

    void EndDamage()
    {
        if (damage == Damage::Directory) {
            files.SetContent(kHighscoreFileName, saved);
        } else if (damage == Damage::FailingWrites) {
            files.Heal();
        }
        damage = Damage::None;
        known = Look(files);
    }

    // Checks the press's visible effects and clears them, so that memory stays flat.
    void CheckEffects(int id, bool healthy)
    {
        for (const Effect& e : platform.effects()) {
            if (e.kind == Effect::Kind::Message) {
                if (e.text == kHighscoreGone) {
                    ++tally.goneMessages;
                    EXPECT_EQ(e.caption, kApplicationName);
                    EXPECT_FALSE(healthy) << "press " << id << ": the file was sound, yet reported gone";
                } else {
                    EXPECT_EQ(e.text, HelpText(id)) << "press " << id << ": an unknown message";
                    EXPECT_EQ(e.caption, kHelpCaption);
                }
                continue;
            }
            EXPECT_EQ(e.text.find_first_of("\r\n"), std::string::npos)
                << "press " << id << ": a line break in box " << e.box;
            if (e.text.find("Quorvix file problem") != std::string::npos) {
                ++tally.scratchFailures;
                EXPECT_NE(damage, Damage::None) << "press " << id << ": scratch file failed on a sound disk";
            }
            if (e.text.rfind("Session over", 0) == 0)
                ++tally.sessionEnds;
            if (e.text.find("Highscore! ") != std::string::npos)
                ++tally.newHighscores;
        }
        platform.ClearEffects();
    }

    void CheckFile(int id, const FileView& before, const FileView& after)
    {
        EXPECT_EQ(files.KindOf(kScratchFileName), InMemoryFileSystem::Kind::Missing)
            << "press " << id << " left the scratch file behind";
        if (before.kind == FileView::Kind::Missing && id != kScoresReset) {
            EXPECT_EQ(after.kind, FileView::Kind::Missing) << "press " << id << " created the file again";
        }
        if (before.kind == FileView::Kind::Other) {
            EXPECT_EQ(after.kind, FileView::Kind::Other) << "press " << id << " removed what stood in the file's place";
        }
        if (after.kind != FileView::Kind::Regular)
            return;
        if (after.content != before.content) {
            ++tally.rewrites;
            EXPECT_TRUE(IsExactFormat(after.content)) << "press " << id << " wrote \"" << after.content << "\"";
        } else if (!handEdited || after.content != *handEdited) {
            EXPECT_TRUE(IsExactFormat(after.content)) << "press " << id << ": \"" << after.content << "\"";
        }
        if (before.kind != FileView::Kind::Regular)
            return;
        if (id == kScoresReset) {
            EXPECT_TRUE(after.slots == before.slots || after.slots == HighscoreSlots{})
                << "Reset either zeroes every slot or, failing, keeps the file";
            return;
        }
        const std::optional<int> owned = SlotOwnedBy(id);
        for (int s = 0; s < kHighscoreSlotCount; ++s) {
            const auto i = static_cast<std::size_t>(s);
            if (owned && *owned == s) {
                EXPECT_GE(after.slots[i], before.slots[i]) << "press " << id << " lowered slot " << s;
            } else {
                EXPECT_EQ(after.slots[i], before.slots[i]) << "press " << id << " changed slot " << s;
            }
        }
    }

    // Only the highscore file stands, and every file went through the file
    // system the program was given: the real working directory stays empty.
    void CheckNoTemporaryFiles()
    {
        for (const std::string& name : files.Names())
            EXPECT_TRUE(name == kHighscoreFileName) << "left in the working directory: " << name;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            ADD_FAILURE() << "written past the file system: " << entry.path().filename().string();
    }

    // `known` is what the file was after the last press or damage, so each
    // press reads the file once.
    void PressOnce(int id)
    {
        const FileView before = known;
        const bool healthy = before.kind == FileView::Kind::Regular && damage == Damage::None;
        Press(id);
        const FileView after = Look(files);
        CheckEffects(id, healthy);
        CheckFile(id, before, after);
        if (after.content != before.content)
            handEdited.reset();
        known = after;
    }

    std::mt19937 rng{kSeed};
    std::vector<int> buttons;
    std::vector<int> weights;
    FileView known = Look(files);
    Damage damage = Damage::None;
    int pressesLeft = 0;
    std::string saved;
    std::optional<std::string> handEdited;
    Tally tally;
};

TEST_F(Soak, HundredThousandRandomPressesKeepTheFilesSound)
{
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    std::uniform_int_distribution<std::uint32_t> wait(0, kLongestWaitMs);
    for (int n = 1; n <= kPresses; ++n) {
        if (damage == Damage::None && rng() % 400 == 0)
            StartDamage();
        else if (damage != Damage::None && --pressesLeft <= 0)
            EndDamage();
        Wait(wait(rng));
        PressOnce(buttons[pick(rng)]);
        if (n % kTempCheckEvery == 0)
            CheckNoTemporaryFiles();
        if (::testing::Test::HasFailure())
            FAIL() << "stopped after press " << n << " of " << kPresses;
    }
    EndDamage();
    CheckNoTemporaryFiles();

    // The run did reach what it is meant to stress.
    EXPECT_GT(tally.sessionEnds, 100);
    EXPECT_GT(tally.newHighscores, 50);
    EXPECT_GT(tally.rewrites, 500);
    EXPECT_GT(tally.goneMessages, 10);
    EXPECT_GT(tally.scratchFailures, 10);
    EXPECT_GT(tally.damages, 100);
    std::printf("soak: %d rewrites, %d session ends, %d new highscores, %d \"gone\" messages, %d scratch failures, "
                "%d damages\n",
                tally.rewrites, tally.sessionEnds, tally.newHighscores, tally.goneMessages, tally.scratchFailures,
                tally.damages);

    // After all of it the program still works: Reset recreates the file and a
    // session's score is stored.  Done first ends whatever run of Manual
    // Range presses the random course left open.
    PressOnce(kRangeDone);
    PressOnce(kScoresReset);
    EXPECT_EQ(files.Content(kHighscoreFileName), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(Box(kScoresTotalBox), "0");
    for (int i = 0; i < 21; ++i) // the first press only deals: twenty hands judged, all correct
        PressOnce(kRangeCorrect);
    PressOnce(kRangeDone);
    EXPECT_EQ(Look(files).slots[slots::kRange], 10);
    EXPECT_EQ(Box(kRangeResultBox), "Highscore! 10");
}

} // namespace
} // namespace velmo::test
