#include "app/web/score_import.h"

#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "shell/panels.h"

#include <sstream>
#include <variant>

namespace velmo {
namespace {

constexpr std::string_view kNothingChanged = " Nothing was changed.";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Printable ASCII and white space only: a highscore file never holds more.
bool IsText(std::string_view bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!IsBlank(c) && (byte < 0x20 || byte >= 0x7f))
            return false;
    }
    return true;
}

// The slot by the caption of the panel that keeps it; the combined total is
// SCORES' best total, and the unused slots go by their number, counted from
// 0 as the README's table of the file counts them.
std::string SlotName(int slot)
{
    for (const PanelRow& panel : Panels())
        if (panel.scoreSlot == slot)
            return std::string(panel.caption()) + (slot == slots::kScores ? " (best total)" : "");
    return "Slot " + std::to_string(slot);
}

// The slots of a file's bytes, or why they are refused: too large, not text,
// or text that the program would not read whole as one to ten numbers (a
// UTF-8 byte-order mark at the start is allowed).
std::variant<HighscoreSlots, std::string> ParseScoreFile(std::string_view bytes)
{
    if (bytes.size() > kMaxScoreFileBytes)
        return "This file is larger than " + std::to_string(kMaxScoreFileBytes / 1024) +
               " KiB, so it is not a highscore list." + std::string(kNothingChanged);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (!IsText(bytes))
        return std::string("This file is not text, so it is not a highscore list.") + std::string(kNothingChanged);
    const std::string damaged = "This file is not a highscore list (one to ten whole numbers separated by blanks)." +
                                std::string(kNothingChanged);
    std::istringstream in{std::string(bytes)};
    const HighscoreValues values = ParseHighscoreValues(in);
    if (values.count == 0 || !values.complete)
        return damaged;
    return values.slots;
}

// Raises every slot of `kept` that `loaded` beats; the lines saying what
// changed, empty when nothing did.
std::string RaiseSlots(HighscoreSlots& kept, const HighscoreSlots& loaded)
{
    std::string changes;
    for (int slot = 0; slot < kHighscoreSlotCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (loaded[i] <= kept[i])
            continue;
        changes += SlotName(slot) + ": " + std::to_string(kept[i]) + " to " + std::to_string(loaded[i]) + "\n";
        kept[i] = loaded[i];
    }
    return changes;
}

} // namespace

std::string LoadScores(FileSystem& files, std::string_view bytes)
{
    const auto parsed = ParseScoreFile(bytes);
    if (const auto* refusal = std::get_if<std::string>(&parsed))
        return *refusal;
    const auto& loaded = std::get<HighscoreSlots>(parsed);
    std::string changes;
    const UpdateOutcome outcome = UpdateHighscoreSlots(files, [&](HighscoreSlots& kept) {
        changes = RaiseSlots(kept, loaded);
        return !changes.empty();
    });
    switch (outcome) {
    case UpdateOutcome::Written: return "Scores raised:\n" + changes;
    case UpdateOutcome::Unchanged:
        return "No score in this file beats the one kept here." + std::string(kNothingChanged);
    case UpdateOutcome::Unreadable:
    case UpdateOutcome::LockTimedOut:
    case UpdateOutcome::WriteFailed: break;
    }
    return std::string(kHighscoreGone) + std::string(kNothingChanged);
}

} // namespace velmo
