// The wall clock as the C library tells it, with the zone's offset: the
// desktop's real clock, and the browser's through Emscripten's C library.
#pragma once

#include "common/wall_time.h"

namespace velmo {

LocalTime LocalWallTime();

} // namespace velmo
