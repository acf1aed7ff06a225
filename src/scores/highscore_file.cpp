#include "scores/highscore_file.h"

#include "common/file_system.h"
#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"

#include <climits>
#include <cstdint>
#include <istream>
#include <string>

namespace velmo {
namespace {

// Skips a UTF-8 byte-order mark at the very start (an editor's addition).
// False when the file starts with only part of one: that ends the reading.
bool SkipByteOrderMark(std::istream& in)
{
    std::streambuf* buf = in.rdbuf();
    static constexpr int kBom[] = {0xEF, 0xBB, 0xBF};
    if (buf->sgetc() != kBom[0])
        return true;
    for (int expected : kBom) {
        if (buf->sgetc() != expected)
            return false;
        buf->sbumpc();
    }
    return true;
}

bool IsBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// An optional sign and at least one decimal digit, taken from `buf`; nullopt
// for no digits or a value beyond 32 bits.
std::optional<std::int32_t> ReadInteger(std::streambuf& buf)
{
    const bool negative = buf.sgetc() == '-';
    if (negative || buf.sgetc() == '+')
        buf.sbumpc();
    const std::int64_t limit = negative ? -std::int64_t{INT32_MIN} : INT32_MAX;
    std::int64_t magnitude = 0;
    bool digits = false;
    bool overflow = false;
    for (int c = buf.sgetc(); c >= '0' && c <= '9'; c = buf.snextc()) {
        digits = true;
        magnitude = magnitude * 10 + (c - '0');
        overflow = overflow || magnitude > limit;
        magnitude = overflow ? limit : magnitude;
    }
    if (!digits || overflow)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// The read, the comparison and the rewrite of one offer happen under the
// file's lock, so another program's offer cannot slip in between.
template <typename Beats> HighscoreResult Offer(Platform& platform, int slot, std::int32_t toStore, Beats beats)
{
    std::int32_t current = 0;
    const UpdateOutcome outcome = UpdateHighscoreSlots(platform.files(), [&](HighscoreSlots& slots) {
        current = slots[static_cast<std::size_t>(slot)];
        if (!beats(current))
            return false;
        slots[static_cast<std::size_t>(slot)] = toStore;
        return true;
    });
    HighscoreOutcome failure = HighscoreOutcome::FileMissing;
    switch (outcome) {
    case UpdateOutcome::Unchanged: return {HighscoreOutcome::NotBeaten, current};
    case UpdateOutcome::Written: return {HighscoreOutcome::NewHighscore, toStore};
    case UpdateOutcome::Unreadable: break;
    case UpdateOutcome::LockTimedOut: failure = HighscoreOutcome::LockTimedOut; break;
    case UpdateOutcome::WriteFailed: failure = HighscoreOutcome::WriteFailed; break;
    }
    platform.ShowMessage(kHighscoreGone);
    return {failure, current};
}

} // namespace

HighscoreValues ParseHighscoreValues(std::istream& in)
{
    HighscoreValues values;
    if (!SkipByteOrderMark(in))
        return values;
    // As formatted extraction reads an int32 in the classic locale: white
    // space, an optional sign and decimal digits, ending at the first byte
    // that is no digit; a value beyond 32 bits ends the reading.
    std::streambuf* buf = in.rdbuf();
    for (;;) {
        while (IsBlank(buf->sgetc()))
            buf->sbumpc();
        if (buf->sgetc() == std::char_traits<char>::eof()) {
            values.complete = true;
            return values;
        }
        if (values.count == kHighscoreSlotCount)
            return values;
        const auto value = ReadInteger(*buf);
        if (!value)
            return values;
        values.slots[static_cast<std::size_t>(values.count++)] = *value;
    }
}

std::optional<HighscoreValues> ReadHighscoreValues(FileSystem& files)
{
    auto in = files.OpenForReading(kHighscoreFileName);
    if (!in)
        return std::nullopt;
    return ParseHighscoreValues(*in);
}

std::string FormatHighscoreValues(const HighscoreSlots& slots)
{
    std::string text;
    for (std::int32_t v : slots) {
        text += std::to_string(v);
        text += ' ';
    }
    return text;
}

UpdateOutcome UpdateHighscoreSlots(FileSystem& files, const std::function<bool(HighscoreSlots&)>& change)
{
    return files.Update(kHighscoreFileName, [&change](std::istream& in) -> std::optional<std::string> {
        HighscoreSlots slots = ParseHighscoreValues(in).slots;
        if (!change(slots))
            return std::nullopt;
        return FormatHighscoreValues(slots);
    });
}

bool WriteHighscoreValues(FileSystem& files, const HighscoreSlots& slots)
{
    return files.Rewrite(kHighscoreFileName, FormatHighscoreValues(slots));
}

void EnsureHighscoreFile(FileSystem& files)
{
    files.RemoveStaleTemporaries(kHighscoreFileName);
    // Only where nothing stands: a file that merely failed to open (held
    // under a lease, say) keeps every score it holds.
    files.CreateExclusively(kHighscoreFileName, FormatHighscoreValues(HighscoreSlots{}));
}

HighscoreResult UpdateHighscore(Platform& platform, int slot, std::int32_t score)
{
    return Offer(platform, slot, score, [score](std::int32_t current) { return current < score; });
}

HighscoreResult UpdateHighscore(Platform& platform, int slot, float points)
{
    const double real = static_cast<double>(points);
    return Offer(platform, slot, TruncateToInt32(real),
                 [real](std::int32_t current) { return static_cast<double>(current) < real; });
}

std::string HighscoreText(Platform& platform, const HighscoreResult& result)
{
    return "Highscore! " + NumberToText(platform, static_cast<float>(result.stored));
}

} // namespace velmo
