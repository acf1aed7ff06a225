#include "common/recording_platform.h"

namespace velmo {

RecordingPlatform::RecordingPlatform(std::uint32_t startTick)
    : Platform(ownFiles_, ownClock_), ownClock_(startTick), clock_(ownClock_)
{
}

RecordingPlatform::RecordingPlatform(FileSystem& files, std::uint32_t startTick)
    : Platform(files, ownClock_), ownClock_(startTick), clock_(ownClock_)
{
}

RecordingPlatform::RecordingPlatform(SimulatedClock& clock) : Platform(ownFiles_, clock), clock_(clock) {}

void RecordingPlatform::SetBoxText(int boxId, std::string_view text)
{
    boxes_[boxId] = std::string(text);
    effects_.push_back({Effect::Kind::Box, boxId, std::string(text), {}});
    if (onEffect)
        onEffect(effects_.back());
}

void RecordingPlatform::ShowMessage(std::string_view text, std::optional<std::string_view> caption)
{
    effects_.push_back(
        {Effect::Kind::Message, 0, std::string(text), std::string(caption ? *caption : kApplicationName)});
    if (onEffect)
        onEffect(effects_.back());
}

std::string RecordingPlatform::BoxText(int boxId) const
{
    const auto it = boxes_.find(boxId);
    return it == boxes_.end() ? std::string() : it->second;
}

std::optional<Effect> RecordingPlatform::LastMessage() const
{
    for (auto it = effects_.rbegin(); it != effects_.rend(); ++it)
        if (it->kind == Effect::Kind::Message)
            return *it;
    return std::nullopt;
}

int RecordingPlatform::MessageCount() const
{
    int n = 0;
    for (const auto& e : effects_)
        n += e.kind == Effect::Kind::Message;
    return n;
}

} // namespace velmo
