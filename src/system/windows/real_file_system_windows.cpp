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

#include "system/windows/windows_api.h"
#include "system/windows/windows_file.h"
#include "system/windows/windows_names.h"
#include "system/windows/windows_text.h"

#include <cstdint>
#include <cwchar>
#include <string>
#include <utility>

namespace velmo {
namespace {

constexpr int kWindowsLinkLimit = 63; // reparse points Windows follows in a row
// The attributes a rewrite carries over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

class MutexLock : public FileLock {
public:
    explicit MutexLock(UniqueHandle mutex) : mutex_(std::move(mutex)) {}
    ~MutexLock() override { ::ReleaseMutex(mutex_.get()); }

private:
    UniqueHandle mutex_;
};

// What a CreateFileW gave, `file` (invalid with the last error set where it
// failed): a folder or link in the file's place is not a file.
OpenResult Opened(UniqueHandle file, bool writable)
{
    OpenResult result;
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
    result.writable = writable;
    result.readOnly = (info->dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    result.names = info->nNumberOfLinks;
    result.file = std::make_unique<WindowsFile>(std::move(file), IdOf(*info));
    return result;
}

// A file Look found, kept open without sharing until the answer is gone.
struct SeenHandle : Standing::Seen {
    explicit SeenHandle(UniqueHandle seen) : handle(std::move(seen)) {}
    UniqueHandle handle;
};

class WindowsFileStore : public FileStore {
public:
    std::optional<Link> LinkTarget(const std::string& path) override { return ReadLink(WidenUtf8(path)); }

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
        UniqueHandle file(forWriting ? ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                                     OPEN_EXISTING, flags, nullptr)
                                     : INVALID_HANDLE_VALUE);
        const bool writable = file.valid();
        if (!file.valid() && (!forWriting || ::GetLastError() == ERROR_ACCESS_DENIED)) // read-only, maybe
            file = UniqueHandle(
                ::CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
        return Opened(std::move(file), writable);
    }

    OpenResult OpenForAppend(const std::string& path) override
    {
        return Opened(UniqueHandle(::CreateFileW(WidenUtf8(path).c_str(),
                                                 FILE_READ_DATA | FILE_READ_ATTRIBUTES | FILE_APPEND_DATA | SYNCHRONIZE,
                                                 kShareAll, nullptr, OPEN_EXISTING,
                                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)),
                      true);
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

    PublishResult Name(StoredFile& /*file*/, const std::string& /*name*/) override
    {
        return PublishResult::Failed; // there are no unnamed files to name
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

    Standing Look(const std::string& path) override
    {
        const std::wstring name = WidenUtf8(path);
        Standing standing;
        // Without any sharing: fails while a running program holds the file.
        UniqueHandle file(::CreateFileW(name.c_str(), DELETE | GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            const DWORD attributes = ::GetFileAttributesW(name.c_str());
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || attributes == INVALID_FILE_ATTRIBUTES)
                standing.kind = Standing::Kind::Nothing;
            else if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
                standing.kind = Standing::Kind::Link;
            else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                standing.kind = Standing::Kind::Other;
            else if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED)
                standing.kind = Standing::Kind::File;
            standing.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
            standing.held = standing.kind == Standing::Kind::File;
            return standing;
        }
        const auto info = PlainFileInfo(file.get());
        // A name that leads elsewhere (a link Windows could not see as one,
        // as with Wine and a Linux link) is not this file's own.
        if (!info)
            standing.kind = Standing::Kind::Other;
        else if (!SamePath(FinalPath(file.get()), FullPath(name)))
            standing.kind = Standing::Kind::Link;
        else
            standing.kind = Standing::Kind::File;
        if (info) {
            standing.names = info->nNumberOfLinks;
            standing.readOnly = (info->dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        }
        standing.seen = std::make_unique<SeenHandle>(std::move(file));
        return standing;
    }

    RemoveResult RemoveIfStill(const std::string& /*path*/, Standing& standing) override
    {
        // The handle Look kept open without sharing: still that file.
        const HANDLE file = static_cast<SeenHandle&>(*standing.seen).handle.get();
        return DeleteThroughHandle(file) ? RemoveResult::Removed : RemoveResult::Kept;
    }

    void Nap() override { ::Sleep(1); }
};

} // namespace

std::unique_ptr<FileStore> MakeSystemFileStore()
{
    return std::make_unique<WindowsFileStore>();
}

} // namespace velmo
