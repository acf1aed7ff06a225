#include "system/windows/windows_file.h"

namespace velmo {
namespace {

OVERLAPPED At(std::uint64_t offset)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// ReadFile and WriteFile take a 32-bit count: a gibibyte at a time.
DWORD Chunk(std::size_t size)
{
    return static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
}

} // namespace

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept
{
    if (this != &other) {
        Reset();
        handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
}

void UniqueHandle::Reset()
{
    if (valid())
        ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

std::optional<BY_HANDLE_FILE_INFORMATION> InfoOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info))
        return std::nullopt;
    return info;
}

FileId IdOf(const BY_HANDLE_FILE_INFORMATION& info)
{
    return FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::optional<BY_HANDLE_FILE_INFORMATION> PlainFileInfo(HANDLE file)
{
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return std::nullopt;
    const auto info = InfoOf(file);
    if (!info || (info->dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return std::nullopt;
    return info;
}

bool DeleteThroughHandle(HANDLE file)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

std::optional<std::size_t> WindowsFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size)
{
    OVERLAPPED at = At(offset);
    DWORD n = 0;
    if (!::ReadFile(handle(), buffer, Chunk(size), &n, &at))
        return ::GetLastError() == ERROR_HANDLE_EOF ? std::optional<std::size_t>(0) : std::nullopt;
    return n;
}

std::optional<std::size_t> WindowsFile::WriteAt(std::uint64_t offset, const char* data, std::size_t size)
{
    OVERLAPPED at = At(offset);
    DWORD n = 0;
    if (!::WriteFile(handle(), data, Chunk(size), &n, &at) || n == 0)
        return std::nullopt;
    return n;
}

bool WindowsFile::Truncate(std::uint64_t size)
{
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFileInformationByHandle(handle(), FileEndOfFileInfo, &end, sizeof end) != 0;
}

bool WindowsFile::Flush()
{
    return ::FlushFileBuffers(handle()) != 0;
}

std::optional<std::uint64_t> WindowsFile::Size()
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle(), &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::size_t> WindowsFile::Append(const char* data, std::size_t size)
{
    // Opened with FILE_APPEND_DATA and without FILE_WRITE_DATA: Windows puts
    // each write at the end.
    DWORD n = 0;
    if (!::WriteFile(handle(), data, Chunk(size), &n, nullptr) || n == 0)
        return std::nullopt;
    return n;
}

} // namespace velmo
