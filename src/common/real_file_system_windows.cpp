// The file store of Windows: wide-character paths and the Win32 file calls.
//
// Locking: the lock between programs is a named mutex, named for the file's
// full path, so no lock file ever appears in the player's folder, and
// Windows releases it when its holder dies.  A lock on the file itself
// (LockFileEx) cannot serve: Windows refuses to move a new file over one that
// has any open handle, even one shared for deletion, so the handle of the
// lock would forbid the very replacement it guards.
//
// Files made by CreateExclusive are open without FILE_SHARE_DELETE from
// creation until they are closed, so Windows itself refuses to delete one a
// running program still holds: that is what "in use" means here.  They are
// deleted through their own handle, exactly that file whatever its name.
#include "common/file_store.h"

#include "common/windows_api.h"
#include "common/windows_text.h"

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <winioctl.h>

namespace velmo {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr int kWindowsLinkLimit = 63; // reparse points Windows follows in a row
// The attributes a rewrite carries over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void Reset()
    {
        if (valid())
            ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

struct FileId {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileId&) const = default;
};

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

// A plain file on a disk: not a directory, not a link or other reparse point
// (seen only when opened with FILE_FLAG_OPEN_REPARSE_POINT), not a device or
// pipe.
std::optional<BY_HANDLE_FILE_INFORMATION> PlainFileInfo(HANDLE file)
{
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return std::nullopt;
    const auto info = InfoOf(file);
    if (!info || (info->dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return std::nullopt;
    return info;
}

// Deletes the file open as `file` (opened with DELETE access), whatever name
// it has now: exactly this file, never another put under its name.
bool DeleteThroughHandle(HANDLE file)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

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

// The path Windows finally reached through `file`, without a \\?\ prefix.
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

class WindowsFile : public StoredFile {
public:
    WindowsFile(UniqueHandle handle, FileId id) : handle_(std::move(handle)), id_(id) {}

    HANDLE handle() const { return handle_.get(); }
    const FileId& id() const { return id_; }
    void Close() { handle_.Reset(); }

    std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        OVERLAPPED at = At(offset);
        DWORD n = 0;
        if (!::ReadFile(handle(), buffer, Chunk(size), &n, &at))
            return ::GetLastError() == ERROR_HANDLE_EOF ? std::optional<std::size_t>(0) : std::nullopt;
        return n;
    }
    std::optional<std::size_t> WriteAt(std::uint64_t offset, const char* data, std::size_t size) override
    {
        OVERLAPPED at = At(offset);
        DWORD n = 0;
        if (!::WriteFile(handle(), data, Chunk(size), &n, &at) || n == 0)
            return std::nullopt;
        return n;
    }
    bool Truncate(std::uint64_t size) override
    {
        FILE_END_OF_FILE_INFO end{};
        end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
        return ::SetFileInformationByHandle(handle(), FileEndOfFileInfo, &end, sizeof end) != 0;
    }
    bool Flush() override { return ::FlushFileBuffers(handle()) != 0; }

private:
    static OVERLAPPED At(std::uint64_t offset)
    {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        return at;
    }
    static DWORD Chunk(std::size_t size) { return static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30)); }

    UniqueHandle handle_;
    FileId id_;
};

WindowsFile& AsWindows(StoredFile& file)
{
    return static_cast<WindowsFile&>(file);
}

class MutexLock : public FileLock {
public:
    explicit MutexLock(UniqueHandle mutex) : mutex_(std::move(mutex)) {}
    ~MutexLock() override { ::ReleaseMutex(mutex_.get()); }

private:
    UniqueHandle mutex_;
};

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

class WindowsFileStore : public FileStore {
public:
    std::optional<std::string> LinkTarget(const std::string& path) override
    {
        const std::wstring name = WidenUtf8(path);
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
        if ((flags & kSymbolicLinkIsRelative) != 0) {
            const auto slash = name.find_last_of(L"\\/");
            if (slash != std::wstring::npos)
                target = name.substr(0, slash + 1) + target;
        }
        return NarrowToUtf8(target);
    }

    int LinkLimit() const override { return kWindowsLinkLimit; }

    std::vector<std::string> List(const std::string& folder) override
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW((WidenUtf8(folder) + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do
            names.push_back(NarrowToUtf8(found.cFileName));
        while (::FindNextFileW(search, &found));
        ::FindClose(search);
        return names;
    }

    OpenResult Open(const std::string& path, bool forWriting) override
    {
        const std::wstring name = WidenUtf8(path);
        const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
        OpenResult result;
        UniqueHandle file(forWriting ? ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                                     OPEN_EXISTING, flags, nullptr)
                                     : INVALID_HANDLE_VALUE);
        result.writable = file.valid();
        if (!file.valid() && (!forWriting || ::GetLastError() == ERROR_ACCESS_DENIED)) // read-only, maybe
            file = UniqueHandle(
                ::CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            result.status = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? OpenResult::Status::Missing
                            : error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
                                ? OpenResult::Status::Busy
                                : OpenResult::Status::Failed;
            return result;
        }
        const auto info = PlainFileInfo(file.get());
        if (!info) {
            result.status = OpenResult::Status::NotAFile;
            return result;
        }
        result.status = OpenResult::Status::Opened;
        result.readOnly = (info->dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        result.names = info->nNumberOfLinks;
        result.file = std::make_unique<WindowsFile>(std::move(file), IdOf(*info));
        return result;
    }

    CreateResult CreateExclusive(const std::string& path) override
    {
        const std::wstring name = WidenUtf8(path);
        // CREATE_NEW never opens an existing name, so no link is written through.
        UniqueHandle file(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                return {CreateResult::Status::Exists, nullptr};
            // Access is denied both where the folder refuses and where a file
            // being deleted still holds the name.
            if (error == ERROR_ACCESS_DENIED && ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES)
                return {CreateResult::Status::Exists, nullptr};
            return {error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ? CreateResult::Status::Refused
                                                                                 : CreateResult::Status::Failed,
                    nullptr};
        }
        const auto info = InfoOf(file.get());
        if (!info) {
            DeleteThroughHandle(file.get());
            return {CreateResult::Status::Failed, nullptr};
        }
        return {CreateResult::Status::Created, std::make_unique<WindowsFile>(std::move(file), IdOf(*info))};
    }

    CreateResult CreateUnnamed(const std::string& /*target*/) override
    {
        return {CreateResult::Status::Failed, nullptr};
    }

    LockResult TryLock(const std::string& path) override
    {
        // A mutex in the session's namespace, named for a hash of the file's
        // full path in lower case (Windows file names ignore case).
        std::wstring full = FullPath(WidenUtf8(path));
        ::CharLowerBuffW(full.data(), static_cast<DWORD>(full.size()));
        std::uint64_t hash = 14695981039346656037ull; // FNV-1a
        for (wchar_t c : full)
            hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
        wchar_t name[64];
        swprintf(name, sizeof name / sizeof name[0], L"Local\\velmorandine-file-%016llx",
                 static_cast<unsigned long long>(hash));
        UniqueHandle mutex(::CreateMutexW(nullptr, FALSE, name));
        if (!mutex.valid())
            return {LockResult::Status::NoLock, nullptr}; // go on unlocked rather than never store
        const DWORD waited = ::WaitForSingleObject(mutex.get(), 0);
        // An abandoned mutex is ours now: its holder died, and a rewrite
        // never leaves a file half-written.
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
            return {LockResult::Status::Busy, nullptr};
        return {LockResult::Status::Held, std::make_unique<MutexLock>(std::move(mutex))};
    }

    bool KeepAttributes(StoredFile& from, StoredFile& to) override
    {
        const auto info = InfoOf(AsWindows(from).handle());
        if (!info)
            return false;
        FILE_BASIC_INFO basic{}; // times of 0 stay as they are
        const DWORD kept = info->dwFileAttributes & kKeptAttributes;
        basic.FileAttributes = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
        return ::SetFileInformationByHandle(AsWindows(to).handle(), FileBasicInfo, &basic, sizeof basic) != 0;
    }

    PublishResult Publish(StoredFile& file, const std::string& name, const std::string& target, bool replace) override
    {
        AsWindows(file).Close(); // a file open without FILE_SHARE_DELETE cannot be moved
        const DWORD how = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
        if (::MoveFileExW(WidenUtf8(name).c_str(), WidenUtf8(target).c_str(), how))
            return PublishResult::Done;
        switch (::GetLastError()) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return PublishResult::Exists;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return PublishResult::Busy; // a program reading the target
        default: return PublishResult::Failed;
        }
    }

    void Delete(StoredFile& file, const std::string& name) override
    {
        WindowsFile& own = AsWindows(file);
        if (own.handle() != INVALID_HANDLE_VALUE) {
            DeleteThroughHandle(own.handle());
            return;
        }
        UniqueHandle named(::CreateFileW(WidenUtf8(name).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        const auto info = named.valid() ? InfoOf(named.get()) : std::nullopt;
        if (info && IdOf(*info) == own.id())
            DeleteThroughHandle(named.get());
    }

    RemoveResult RemoveIfUnused(const std::string& path) override
    {
        const std::wstring name = WidenUtf8(path);
        // Without any sharing: fails while a running program holds the file.
        UniqueHandle file(::CreateFileW(name.c_str(), DELETE | GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                return RemoveResult::Gone;
            const DWORD attributes = ::GetFileAttributesW(name.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES)
                return RemoveResult::Gone;
            const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY;
            if ((attributes & notPlain) != 0)
                return RemoveResult::Kept;
            return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ? RemoveResult::InUse
                                                                                    : RemoveResult::Kept;
        }
        const auto info = PlainFileInfo(file.get());
        if (!info || info->nNumberOfLinks != 1 || (info->dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
            return RemoveResult::Kept;
        // A name that leads elsewhere (a link Windows could not see as one,
        // as with Wine and a Linux link) is not this file's own.
        if (!SamePath(FinalPath(file.get()), FullPath(name)))
            return RemoveResult::Kept;
        return DeleteThroughHandle(file.get()) ? RemoveResult::Removed : RemoveResult::Kept;
    }

    void Nap() override { ::Sleep(1); }
};

} // namespace

std::unique_ptr<FileStore> MakeSystemFileStore()
{
    return std::make_unique<WindowsFileStore>();
}

} // namespace velmo
