// An open file of Windows, as the Windows store hands it to the rules: a
// handle that closes itself, the file's identity on its volume, and
// positioned reads and writes.  Windows builds only.
#pragma once

#include "common/file_store.h"
#include "system/windows/windows_api.h"

#include <optional>
#include <utility>

namespace velmo {

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void Reset();

private:
    HANDLE handle_;
};

struct FileId {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileId&) const = default;
};

std::optional<BY_HANDLE_FILE_INFORMATION> InfoOf(HANDLE file);
FileId IdOf(const BY_HANDLE_FILE_INFORMATION& info);

// A plain file on a disk: not a directory, not a link or other reparse point
// (seen only when opened with FILE_FLAG_OPEN_REPARSE_POINT), not a device or
// pipe.
std::optional<BY_HANDLE_FILE_INFORMATION> PlainFileInfo(HANDLE file);

// Deletes the file open as `file` (opened with DELETE access), whatever name
// it has now: exactly this file, never another put under its name.
bool DeleteThroughHandle(HANDLE file);

class WindowsFile : public StoredFile {
public:
    WindowsFile(UniqueHandle handle, FileId id) : handle_(std::move(handle)), id_(id) {}

    std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override;
    std::optional<std::size_t> WriteAt(std::uint64_t offset, const char* data, std::size_t size) override;
    bool Truncate(std::uint64_t size) override;
    bool Flush() override;
    std::optional<std::uint64_t> Size() override;
    std::optional<std::size_t> Append(const char* data, std::size_t size) override;

    HANDLE handle() const { return handle_.get(); }
    const FileId& id() const { return id_; }
    // Windows moves only a file no handle holds without delete sharing.
    void Close() { handle_.Reset(); }

private:
    UniqueHandle handle_;
    FileId id_;
};

inline WindowsFile& AsWindows(StoredFile& file)
{
    return static_cast<WindowsFile&>(file);
}

} // namespace velmo
