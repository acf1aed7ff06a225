// A pause reached through std::function, in a program linked with the
// page's Asyncify settings, which take an indirect call as never waiting
// unless its caller is instrumented: the pause must come back into the
// callback, and the callback into its caller, with every local kept.  The
// page calls the program asynchronously (ccall), as
// run_pause_through_callbacks.cjs does here under node, where the pause is a
// real timer.  Built without optimisation, so that std::function's own call
// stays a frame of its own rather than being inlined into ours.
#include "system/web/web_clock.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <functional>

namespace velmo {

int PauseThroughCallbacks()
{
    WebClock clock;
    int resumed = 0;
    const std::function<void(std::uint32_t)> pause = [&](std::uint32_t ms) {
        clock.Pause(ms);
        ++resumed;
    };
    const std::uint32_t start = clock.Ticks();
    for (std::uint32_t ms = 10; ms <= 30; ms += 10)
        pause(ms);
    const std::uint32_t waited = clock.Ticks() - start;
    std::printf("%d pauses came back, %u ms waited\n", resumed, static_cast<unsigned>(waited));
    return resumed == 3 && waited >= 60 ? 0 : 1;
}

} // namespace velmo

extern "C" EMSCRIPTEN_KEEPALIVE int velmo_pause_through_callbacks()
{
    return velmo::PauseThroughCallbacks();
}
