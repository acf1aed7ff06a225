#include "common/standard_streams.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velmo {
namespace {

bool IsOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

} // namespace

// A standard descriptor that the caller closed would go to the next file the
// trainers open, and what was meant for it would land in that file.  Closed
// standard input and error are held by /dev/null instead; closed standard
// output is reported, as the output is the whole point.
StandardStreams PrepareStandardStreams()
{
    StandardStreams streams;
    const bool in = IsOpen(STDIN_FILENO), out = IsOpen(STDOUT_FILENO), err = IsOpen(STDERR_FILENO);
    if (!out) {
        streams.outputOpen = false;
        return streams;
    }
    streams.inputClosed = !in;
    // The lowest free descriptor is taken first, so these land on 0 and 2.
    if (!in)
        ::open("/dev/null", O_RDONLY);
    if (!err)
        ::open("/dev/null", O_WRONLY);
    // A reader that goes away is an output that cannot be written, reported
    // like a full disk rather than by a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    // Past a file-size limit a write fails instead, and the trainers show
    // what they show for any failed write ("Quorvix file problem 1",
    // "Highscore list gone?").
    std::signal(SIGXFSZ, SIG_IGN);
    return streams;
}

} // namespace velmo
