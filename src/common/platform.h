// The one seam between the trainers and the world.
//
// Every trainer is built with a Platform and reaches the window (box texts,
// message boxes), the clock, the pause and the generator only through it.
// The platform carries the Clock it was given: the program's window gets the
// real clock (a real blocking pause on the one UI thread); the tests, the
// replay tool and the window tests a SimulatedClock, whose Pause costs
// nothing.  Files go through the FileSystem that the platform carries, so
// faults can be injected.
#pragma once

#include "common/clock.h"
#include "common/generator.h"

#include <cstdint>
#include <optional>
#include <ranges>
#include <string_view>
#include <utility>
#include <vector>

namespace velmo {

class FileSystem;

class Platform {
public:
    Platform(FileSystem& files, Clock& clock) : files_(files), clock_(clock) {}
    virtual ~Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Replaces the whole text of text box `boxId` (one of the ids in the panels' headers).
    virtual void SetBoxText(int boxId, std::string_view text) = 0;

    // A modal message with one OK button and no icon.  Without a caption of
    // its own the application's name is shown.
    virtual void ShowMessage(std::string_view text, std::optional<std::string_view> caption = std::nullopt) = 0;

    // Blocks for `ms` milliseconds (a simulated clock only moves on).
    void Pause(std::uint32_t ms) { clock_.Pause(ms); }

    // Milliseconds since system start, unsigned 32-bit, wrapping.
    std::uint32_t Ticks() { return clock_.Ticks(); }

    // The local date and time, which only the practice log reads.
    LocalTime WallTime() { return clock_.WallTime(); }

    void srand(std::uint32_t seed) { generator_.srand(seed); }
    int rand() { return generator_.rand(); }

    // The reseeding idiom of the trainers: srand(Ticks()).
    void Reseed() { srand(Ticks()); }
    void PauseAndReseed(std::uint32_t ms)
    {
        Pause(ms);
        Reseed();
    }

    // Puts `list` into a uniformly random order (Fisher-Yates), drawing from
    // the generator's current sequence; it never reseeds.
    template <typename T> void Shuffle(std::vector<T>& list)
    {
        for (std::size_t i = list.size(); i > 1; --i) {
            const auto j = generator_.Uniform(static_cast<std::uint32_t>(i));
            std::swap(list[i - 1], list[j]);
        }
    }

    // A shuffled copy of a constant list; the list itself never changes.
    template <std::ranges::input_range List> auto ShuffledCopy(const List& list)
    {
        std::vector<std::ranges::range_value_t<List>> copy(std::ranges::begin(list), std::ranges::end(list));
        Shuffle(copy);
        return copy;
    }

    FileSystem& files() { return files_; }
    Generator& generator() { return generator_; }

private:
    FileSystem& files_;
    Clock& clock_;
    Generator generator_;
};

} // namespace velmo
