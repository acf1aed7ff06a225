// The POSIX calls on names that the POSIX store builds on: whether a name
// still leads to an open file, and the two ways of putting a file under a
// name without replacing what stands there.
#pragma once

#include <string>

namespace velmo {

// True when `path` (not followed) still names the open file `fd`.
bool NamesFile(const std::string& path, int fd);

// Gives the unnamed file `fd` (O_TMPFILE) the name `name`; errno EEXIST
// where something stands there.
bool LinkUnnamed(int fd, const std::string& name);

// Renames `name` to `target` only where nothing stands there; errno EEXIST
// where something does.
bool MoveWithoutReplacing(const std::string& name, const std::string& target);

} // namespace velmo
