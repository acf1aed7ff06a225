// Names as text: the folder of a name and where a relative link leads, the
// same on every system (a system's own separators are its path's).  Names
// are UTF-8 strings, as the program writes them.
#pragma once

#include <filesystem>
#include <string>

namespace velmo {

std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);

// The folder that holds `path`: "." for a bare file name.
std::string FolderOf(const std::string& path);

// Where the relative link text `target` leads from the link `link`: read
// from the link's own folder.
std::string BesideLink(const std::string& link, const std::string& target);

} // namespace velmo
