// The names of the temporary files a rewrite makes beside its target:
// "." + the target's file name + ".tmp-velmo-" + six letters or digits.
// On std::filesystem::path, whose native string is wide on Windows, so that
// both systems share the one rule.
#pragma once

#include <filesystem>

namespace velmo {

// What every temporary of `target` is named first: "." + file name + ".tmp-velmo-".
std::filesystem::path::string_type TemporaryPrefix(const std::filesystem::path& target);

// A fresh temporary beside `target` (in its folder), with a random ending.
std::filesystem::path FreshTemporaryPath(const std::filesystem::path& target);

// True when the file name `name` is one of `target`'s temporaries.
bool IsTemporaryName(const std::filesystem::path& name, const std::filesystem::path& target);

} // namespace velmo
