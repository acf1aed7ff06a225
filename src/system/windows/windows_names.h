// Where names lead on Windows: a name's full path, the path a handle finally
// reached, and what a symbolic link or junction holds.  Windows builds only.
#pragma once

#include "common/file_store.h"
#include "system/windows/windows_api.h"

#include <optional>
#include <string>

namespace velmo {

// Every sharing mode at once: opening never stands in another program's way.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The full path of `path`; `path` itself where Windows cannot say.
std::wstring FullPath(const std::wstring& path);
// The path Windows finally reached through `file`, without a \\?\ prefix.
std::wstring FinalPath(HANDLE file);
// Equal as Windows file names are: ignoring case.
bool SamePath(std::wstring a, std::wstring b);

// What the symbolic link or junction `name` holds; nullopt for anything else.
std::optional<Link> ReadLink(const std::wstring& name);

} // namespace velmo
