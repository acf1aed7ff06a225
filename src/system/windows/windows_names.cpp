#include "system/windows/windows_names.h"

#include "system/windows/windows_file.h"
#include "system/windows/windows_text.h"

#include <cstring>
#include <winioctl.h>

namespace velmo {
namespace {

// What a symbolic link or junction holds, as the reparse point stores it.
struct ReparseData {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteOffset;
    USHORT substituteLength;
    USHORT printOffset;
    USHORT printLength;
};
constexpr ULONG kSymbolicLinkIsRelative = 1;

} // namespace

std::wstring FullPath(const std::wstring& path)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    full.resize(length < full.size() ? length : 0);
    return full.empty() ? path : full;
}

std::wstring FinalPath(HANDLE file)
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length >= path.size()) {
        path.resize(length);
        length = ::GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    path.resize(length < path.size() ? length : 0);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        path.erase(0, 4);
    return path;
}

bool SamePath(std::wstring a, std::wstring b)
{
    ::CharLowerBuffW(a.data(), static_cast<DWORD>(a.size()));
    ::CharLowerBuffW(b.data(), static_cast<DWORD>(b.size()));
    return a == b;
}

std::optional<Link> ReadLink(const std::wstring& name)
{
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return std::nullopt;
    UniqueHandle link(::CreateFileW(name.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    alignas(ULONG) char buffer[MAXIMUM_REPARSE_DATA_BUFFER_SIZE];
    DWORD got = 0;
    if (!link.valid() ||
        !::DeviceIoControl(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer, sizeof buffer, &got, nullptr))
        return std::nullopt;
    ReparseData head{};
    std::memcpy(&head, buffer, sizeof head);
    // A symbolic link has a flags word before its names; a junction not.
    const bool symbolic = head.tag == IO_REPARSE_TAG_SYMLINK;
    if (!symbolic && head.tag != IO_REPARSE_TAG_MOUNT_POINT)
        return std::nullopt; // another kind of reparse point: not a link to follow
    const std::size_t names = sizeof head + (symbolic ? sizeof(ULONG) : 0);
    ULONG flags = 0;
    if (symbolic)
        std::memcpy(&flags, buffer + sizeof head, sizeof flags);
    const auto text = [&](USHORT offset, USHORT length) {
        if (names + offset + length > got)
            return std::wstring();
        std::wstring out(length / sizeof(wchar_t), L'\0');
        std::memcpy(out.data(), buffer + names + offset, length);
        return out;
    };
    std::wstring target = text(head.printOffset, head.printLength);
    if (target.empty()) {
        target = text(head.substituteOffset, head.substituteLength);
        if (target.rfind(L"\\??\\", 0) == 0)
            target.erase(0, 4);
    }
    if (target.empty())
        return std::nullopt;
    return Link{NarrowToUtf8(target), (flags & kSymbolicLinkIsRelative) != 0};
}

} // namespace velmo
