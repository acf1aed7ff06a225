// The replay tool's standard streams, readied before anything else is opened
// (one way per system: system/posix, system/windows): what the operating
// system needs so that the output is the same byte for byte everywhere, and
// so that a closed standard stream cannot send the output into
// "Highscores.txt" or "studs1.txt".
#pragma once

namespace velmo {

struct StandardStreams {
    bool outputOpen = true;   // false: there is nowhere to write the output
    bool inputClosed = false; // standard input was closed by the caller
};

StandardStreams PrepareStandardStreams();

} // namespace velmo
