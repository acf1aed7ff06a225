#include "app/win32/win32_platform.h"

#include "velmo_names.h"

#include "system/windows/windows_text.h"

namespace velmo {

Win32Platform::Win32Platform(FileSystem& files, Clock& clock)
    : Platform(files, clock), applicationName_(ApplicationName())
{
}

void Win32Platform::SetBoxText(int boxId, std::string_view text)
{
    ::SetDlgItemTextW(dialog_, boxId, WidenUtf8(text).c_str());
}

void Win32Platform::ShowMessage(std::string_view text, std::optional<std::string_view> caption)
{
    const std::wstring title = caption ? WidenUtf8(*caption) : applicationName_;
    ::MessageBoxW(dialog_, WidenUtf8(text).c_str(), title.c_str(), MB_OK);
}

std::wstring ApplicationName()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return kApplicationNameWide;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    const auto dot = name.find_last_of(L'.');
    return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

} // namespace velmo
