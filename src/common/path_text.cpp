#include "common/path_text.h"

#include <string_view>

namespace velmo {
namespace {

namespace fs = std::filesystem;

// Windows takes either slash; POSIX only its own.
constexpr std::string_view kSeparators = fs::path::preferred_separator == '/' ? "/" : "\\/";

} // namespace

fs::path PathFromUtf8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string FolderOf(const std::string& path)
{
    const fs::path folder = PathFromUtf8(path).parent_path();
    return folder.empty() ? std::string(".") : Utf8FromPath(folder);
}

std::string BesideLink(const std::string& link, const std::string& target)
{
    const auto slash = link.find_last_of(kSeparators);
    return slash == std::string::npos ? target : link.substr(0, slash + 1) + target;
}

} // namespace velmo
