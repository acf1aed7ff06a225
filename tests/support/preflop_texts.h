// What the catalogue may show for each answer code, written out from the
// catalogue's own lists: the draw paths of every code, each a set of
// prefixes (or one empty prefix for complete texts), the entries that follow
// them and the pauses the path takes.  Shared by the catalogue and session
// tests.
#pragma once

#include "common/recording_platform.h"
#include "preflop/preflop_catalogue.h"

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmo::test {

struct DrawPath {
    std::string name;
    std::vector<std::string_view> prefixes;  // {""} for complete texts
    std::span<const std::string_view> tails; // hands, or the complete texts
    std::uint32_t pauseMs;                   // the catalogue's pauses on this path
};

const std::vector<DrawPath>& PathsOf(int code);

// The paths of `code` that can give `text` (two call situations share a
// prefix and some hands, so a text may fit more than one).
std::vector<const DrawPath*> PathsGiving(int code, std::string_view text);

// Draws as the Start/Next press does: some user time passes, the generator
// is seeded from the clock and one value is taken for the answer, then the
// catalogue is asked.  The waits vary from draw to draw.
class SessionLikeDrawer {
public:
    explicit SessionLikeDrawer(unsigned seed = 7) : waits_(seed) {}

    std::string Draw(int code);
    std::uint32_t lastPauseMs() const { return lastPause_; }

    RecordingPlatform platform{100000};

private:
    std::minstd_rand waits_;
    std::uint32_t lastPause_ = 0;
};

} // namespace velmo::test
