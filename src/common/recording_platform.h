// The platform of the tests and the replay tool: no window, but a record of
// every visible effect (box texts and message boxes) in the order it
// happened, on a SimulatedClock (its own, or one the test passes in).  The
// files are those of the file system passed in; without one, the real
// working directory's.
#pragma once

#include "common/clock.h"
#include "common/file_system.h"
#include "common/platform.h"
#include "velmo_names.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

struct Effect {
    enum class Kind { Box, Message };
    Kind kind;
    int box = 0;         // Box: the text box id
    std::string text;    // Box: the new text; Message: the message
    std::string caption; // Message: the caption shown
};

class RecordingPlatform : public Platform {
public:
    explicit RecordingPlatform(std::uint32_t startTick = kDefaultStartTick);
    RecordingPlatform(FileSystem& files, std::uint32_t startTick);
    explicit RecordingPlatform(SimulatedClock& clock);

    void SetBoxText(int boxId, std::string_view text) override;
    void ShowMessage(std::string_view text, std::optional<std::string_view> caption = std::nullopt) override;

    // Lets time pass between presses (a user's wait).
    void Advance(std::uint32_t ms) { clock_.Advance(ms); }
    // Sets the simulated wall clock's time of now.
    void SetWallTime(LocalTime now) { clock_.SetWallTime(now); }

    // The sum of all pauses so far.
    std::uint32_t sleptMs() const { return clock_.sleptMs(); }
    const std::vector<Effect>& effects() const { return effects_; }
    void ClearEffects() { effects_.clear(); }
    // The current text of a box ("" when never set).
    std::string BoxText(int boxId) const;
    // The last message shown, if any.
    std::optional<Effect> LastMessage() const;
    int MessageCount() const;

    // Called for every effect as it happens (the replay tool prints them).
    std::function<void(const Effect&)> onEffect;

private:
    RealFileSystem ownFiles_;
    SimulatedClock ownClock_;
    SimulatedClock& clock_;
    std::vector<Effect> effects_;
    std::map<int, std::string> boxes_;
};

} // namespace velmo
