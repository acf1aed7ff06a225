#include "common/standard_streams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace velmo {

// Files are opened by handle, never by C runtime descriptor number, so a
// closed standard stream cannot capture them; a closed output fails its
// writes and is reported then.  Line breaks go out as "\n" alone, so that
// the output is the same byte for byte on every system.
StandardStreams PrepareStandardStreams()
{
    StandardStreams streams;
    streams.inputClosed = ::_fileno(stdin) < 0;
    if (::_fileno(stdout) >= 0)
        ::_setmode(::_fileno(stdout), _O_BINARY);
    return streams;
}

} // namespace velmo
