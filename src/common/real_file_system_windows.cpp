// RealFileSystem on Windows: wide-character paths, the Win32 file calls, and
// the guarantees of the POSIX twin.
//
// Locking: an Update or Rewrite holds a named mutex, named for the file's
// full path, so no lock file ever appears in the player's folder, and
// Windows releases it when its holder dies.  A lock on the file itself
// (LockFileEx) cannot serve: Windows refuses to move a new file over one that
// has any open handle, even one shared for deletion, so the handle of the
// lock would forbid the very replacement it guards.  The file's own handle
// is therefore closed before the new file is moved over it.
//
// Temporary files are named "." + target + ".tmp-velmo-" + six letters or
// digits and are open without FILE_SHARE_DELETE while they are written, so
// Windows itself refuses to delete one that a running program still writes:
// start-up removes only those it can open exclusively, left by a program
// that was killed.
//
// The scratch file is open without FILE_SHARE_DELETE from its creation to
// its end, so no other program can rename, delete or swap it meanwhile; it
// is read back and finally deleted through that same handle.
#include "common/file_system.h"

#include "common/chunk_stream.h"
#include "common/temporary_names.h"

#include "common/windows_api.h"
#include "common/windows_text.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cwchar>
#include <string>
#include <thread>
#include <utility>

namespace velmo {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// How long a replacement waits for a reader that has the file open.
constexpr auto kReaderWait = std::chrono::milliseconds(200);

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
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
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void Reset()
    {
        if (valid())
            ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// The stream of OpenForReading and Update: reads through the handle.
class HandleStreamBuf : public ChunkStreamBuf {
public:
    HandleStreamBuf(HANDLE file, bool owned) : file_(file), owned_(owned) {}
    ~HandleStreamBuf() override
    {
        if (owned_)
            ::CloseHandle(file_);
    }

protected:
    std::size_t ReadChunk(char* buffer, std::size_t size) override
    {
        DWORD n = 0;
        if (!::ReadFile(file_, buffer, static_cast<DWORD>(size), &n, nullptr))
            return 0;
        return n;
    }

private:
    HANDLE file_;
    bool owned_;
};

using HandleIStream = ChunkIStream<HandleStreamBuf>;

struct FileId {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> IdOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info))
        return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// A plain file on a disk: not a directory, not a link or other reparse point
// (seen only when opened with FILE_FLAG_OPEN_REPARSE_POINT), not a device or
// pipe.
// `info`, when given, receives what was learnt of the file.
bool IsPlainFile(HANDLE file, BY_HANDLE_FILE_INFORMATION* info = nullptr)
{
    BY_HANDLE_FILE_INFORMATION own{};
    BY_HANDLE_FILE_INFORMATION& got = info ? *info : own;
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &got))
        return false;
    return (got.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

// Deletes the file open as `file` (opened with DELETE access), whatever name
// it has now: exactly this file, never another put under its name.
bool DeleteThroughHandle(HANDLE file)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

// Removes `path` only if it still names the file with `id`.
void RemoveIfStillOurs(const std::wstring& path, const FileId& id)
{
    UniqueHandle named(
        ::CreateFileW(path.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (named.valid() && IdOf(named.get()) == id)
        DeleteThroughHandle(named.get());
}

bool Rewind(HANDLE file)
{
    LARGE_INTEGER zero{};
    return ::SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) != 0;
}

// The whole file from its start, through the handle; nullopt on an error.
std::optional<std::string> ReadAll(HANDLE file)
{
    if (!Rewind(file))
        return std::nullopt;
    std::string content;
    char buffer[4096];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr))
            return std::nullopt;
        if (n == 0)
            return content;
        content.append(buffer, n);
    }
}

std::wstring FolderOf(const std::wstring& target)
{
    const auto slash = target.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : target.substr(0, slash);
}

// The path a link or junction leads to, so that the link itself stays and the
// file behind it is replaced.  nullopt for a dangling link or a link loop:
// there is nothing to replace, and the link is not to become a file.
std::optional<std::wstring> FinalPath(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return path;
    UniqueHandle file(
        ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return std::nullopt;
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(file.get(), resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    if (length >= resolved.size()) {
        resolved.resize(length);
        length = ::GetFinalPathNameByHandleW(file.get(), resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    }
    if (length == 0 || length >= resolved.size())
        return std::nullopt;
    resolved.resize(length);
    return resolved;
}

// A temporary file beside a target, open for writing and closed to deletion
// by anyone else while it is written.
struct Temporary {
    UniqueHandle file;
    std::wstring name;
    FileId id;

    void Discard()
    {
        if (file.valid())
            DeleteThroughHandle(file.get());
        else
            RemoveIfStillOurs(name, id);
        file.Reset();
    }
};

std::optional<Temporary> CreateTemporary(const std::wstring& target)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = FreshTemporaryPath(target).wstring();
        // CREATE_NEW never opens an existing name, so no link is written through.
        UniqueHandle file(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file.valid()) {
            const auto id = IdOf(file.get());
            if (!id) {
                DeleteThroughHandle(file.get());
                return std::nullopt;
            }
            return Temporary{std::move(file), std::move(name), *id};
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return std::nullopt;
    }
    return std::nullopt;
}

// The attributes a rewrite carries over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Moves the written and flushed temporary over the target.  The handle is
// closed first (a file open without FILE_SHARE_DELETE cannot be renamed); a
// program that reads the target at this moment keeps it from being
// replaced, so that is waited for, briefly.
bool Publish(Temporary& temp, const std::wstring& target, std::optional<DWORD> attributes)
{
    temp.file.Reset();
    if (attributes) {
        const DWORD kept = *attributes & kKeptAttributes;
        ::SetFileAttributesW(temp.name.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    const auto deadline = std::chrono::steady_clock::now() + kReaderWait;
    for (;;) {
        if (::MoveFileExW(temp.name.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = ::GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The lock of one highscore file between programs: a mutex in the session's
// namespace, named for a hash of the file's full path in lower case (Windows
// file names ignore case).  Ownership is per thread, and the program has one.
class ProgramLock {
public:
    // Takes the lock, waiting at most `wait`; nullopt when another program
    // kept it.  Where no mutex can be made, goes on unlocked rather than
    // never store.
    static std::optional<ProgramLock> Take(const std::wstring& target, std::chrono::milliseconds wait)
    {
        std::wstring full(MAX_PATH, L'\0');
        DWORD length = ::GetFullPathNameW(target.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length >= full.size()) {
            full.resize(length);
            length = ::GetFullPathNameW(target.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        }
        full.resize(length < full.size() ? length : 0);
        if (full.empty())
            full = target;
        ::CharLowerBuffW(full.data(), static_cast<DWORD>(full.size()));
        std::uint64_t hash = 14695981039346656037ull; // FNV-1a
        for (wchar_t c : full)
            hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
        wchar_t name[64];
        swprintf(name, sizeof name / sizeof name[0], L"Local\\velmorandine-file-%016llx",
                 static_cast<unsigned long long>(hash));
        ProgramLock lock;
        const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name);
        if (mutex == nullptr)
            return lock;
        lock.mutex_ = UniqueHandle(mutex);
        const DWORD waited = ::WaitForSingleObject(mutex, static_cast<DWORD>(wait.count()));
        // An abandoned mutex is ours now: its holder died, and a rewrite
        // never leaves a file half-written.
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
            return std::nullopt;
        lock.owned_ = true;
        return lock;
    }

    ProgramLock(ProgramLock&& other) noexcept
        : mutex_(std::move(other.mutex_)), owned_(std::exchange(other.owned_, false))
    {
    }
    ProgramLock& operator=(ProgramLock&& other) noexcept
    {
        if (this != &other) {
            Release();
            mutex_ = std::move(other.mutex_);
            owned_ = std::exchange(other.owned_, false);
        }
        return *this;
    }
    ~ProgramLock() { Release(); }

private:
    ProgramLock() = default;
    void Release()
    {
        if (std::exchange(owned_, false))
            ::ReleaseMutex(mutex_.get());
    }
    UniqueHandle mutex_;
    bool owned_ = false;
};

// The target of a Rewrite or Update, locked and opened.
struct LockedTarget {
    enum class State { Locked, Missing, Unusable };
    State state = State::Unusable;
    std::optional<ProgramLock> lock;
    UniqueHandle file;
    bool writable = false;
    DWORD attributes = 0;
};

// Opens the existing regular file `target` (a link not followed: links are
// resolved before) for reading and, where allowed, for writing.
LockedTarget::State OpenTarget(const std::wstring& target, LockedTarget& locked)
{
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
    locked.file = UniqueHandle(
        ::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
    locked.writable = locked.file.valid();
    if (!locked.file.valid() && ::GetLastError() == ERROR_ACCESS_DENIED) // read-only, maybe
        locked.file = UniqueHandle(
            ::CreateFileW(target.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
    if (!locked.file.valid())
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? LockedTarget::State::Missing : LockedTarget::State::Unusable;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!IsPlainFile(locked.file.get(), &info))
        return LockedTarget::State::Unusable;
    locked.attributes = info.dwFileAttributes;
    // Windows refuses a read-only file to every writer; so does this program,
    // even where it runs with the rights to ignore the mark.
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        locked.writable = false;
    return LockedTarget::State::Locked;
}

} // namespace

class RealFileSystem::Implementation {
public:
    explicit Implementation(RealFileSystem& files) : files_(files) {}

    // Writes `data` from the start of the file, as far as the seam allows.
    bool WriteAll(const std::string& path, HANDLE file, std::string_view data)
    {
        if (!Rewind(file))
            return false;
        while (!data.empty()) {
            const std::size_t allowed =
                std::min({files_.WriteAllowance(path, data.size()), data.size(), std::size_t{1} << 30});
            if (allowed == 0) {
                ::SetLastError(ERROR_DISK_FULL);
                return false;
            }
            DWORD n = 0;
            if (!::WriteFile(file, data.data(), static_cast<DWORD>(allowed), &n, nullptr) || n == 0)
                return false;
            data.remove_prefix(n);
        }
        return true;
    }

    // Takes the lock of `target` and opens the existing regular file,
    // waiting at most the file system's lock wait for another program.
    LockedTarget Lock(const std::wstring& target)
    {
        LockedTarget locked;
        locked.lock = ProgramLock::Take(target, files_.lockWait_);
        if (!locked.lock)
            return locked;
        locked.state = OpenTarget(target, locked);
        return locked;
    }

    // Writes `content` over the locked target: a temporary moved over it
    // where the folder takes one and the system allows it, else the file
    // itself in place.
    bool Replace(const std::string& path, const std::wstring& target, LockedTarget& locked, std::string_view content)
    {
        if (!locked.writable)
            return false; // a file the player made read-only is not replaced behind its back
        auto temp = CreateTemporary(target);
        if (!temp)
            return RewriteInPlace(path, locked, content);
        if (!WriteAll(path, temp->file.get(), content) || !::FlushFileBuffers(temp->file.get())) {
            temp->Discard();
            return false;
        }
        locked.file.Reset(); // no open handle may stand in the way of the move
        if (Publish(*temp, target, locked.attributes))
            return true;
        temp->Discard();
        LockedTarget reopened;
        if (OpenTarget(target, reopened) != LockedTarget::State::Locked || !reopened.writable)
            return false;
        return RewriteInPlace(path, reopened, content);
    }

    // Writes a file where none exists (Reset of a deleted file).
    bool CreateNew(const std::string& path, const std::wstring& target, std::string_view content)
    {
        auto temp = CreateTemporary(target);
        if (!temp)
            return false;
        if (WriteAll(path, temp->file.get(), content) && ::FlushFileBuffers(temp->file.get()) &&
            Publish(*temp, target, std::nullopt))
            return true;
        temp->Discard();
        return false;
    }

private:
    // The careful second best for a folder that takes no new file: the whole
    // content in one write, cut to length, flushed.  A failed write puts the
    // old bytes back, which fit where they were.
    bool RewriteInPlace(const std::string& path, LockedTarget& locked, std::string_view content)
    {
        const HANDLE file = locked.file.get();
        const auto old = ReadAll(file);
        if (!old)
            return false;
        if (WriteAll(path, file, content) && ::SetEndOfFile(file) && ::FlushFileBuffers(file))
            return true;
        // Best effort: the write has already failed, and the caller reports it.
        DWORD n = 0;
        if (Rewind(file) && ::WriteFile(file, old->data(), static_cast<DWORD>(old->size()), &n, nullptr) &&
            n == old->size() && ::SetEndOfFile(file))
            ::FlushFileBuffers(file);
        return false;
    }

    RealFileSystem& files_;
};

std::unique_ptr<std::istream> RealFileSystem::OpenForReading(const std::string& path)
{
    // Without FILE_FLAG_BACKUP_SEMANTICS a directory cannot be opened at all.
    UniqueHandle file(::CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !IsPlainFile(file.get()))
        return nullptr;
    return std::make_unique<HandleIStream>(file.Release(), true);
}

ScratchRoundTrip RealFileSystem::RoundTripScratch(const std::string& path, std::string_view content)
{
    using Status = ScratchRoundTrip::Status;
    Implementation impl(*this);
    const std::wstring name = WidenUtf8(path);
    const auto deadline = std::chrono::steady_clock::now() + lockWait_;
    UniqueHandle file;
    // Created afresh; whatever already stands under the name is removed,
    // never written through, and the creation tried again.  Another
    // program's scratch file cannot be removed while that program holds it
    // (a moment), and one deleted but still open keeps its name until it is
    // closed: wait for those, briefly.
    for (;;) {
        file = UniqueHandle(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file.valid())
            break;
        const DWORD error = ::GetLastError();
        const bool standing = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        if (!standing && error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)
            return {Status::NotWritten, {}};
        const DWORD attributes = standing ? ::GetFileAttributesW(name.c_str()) : INVALID_FILE_ATTRIBUTES;
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
                return {Status::NotWritten, {}}; // a directory is never removed
            if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
                return {Status::NotWritten, {}}; // nor a file someone made read-only
            // DeleteFileW removes a file link itself, RemoveDirectoryW a
            // directory link or junction; neither touches what they lead to.
            const bool removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ::RemoveDirectoryW(name.c_str())
                                                                              : ::DeleteFileW(name.c_str());
            if (removed)
                continue;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return {Status::NotWritten, {}};
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!impl.WriteAll(path, file.get(), content)) {
        DeleteThroughHandle(file.get());
        return {Status::NotWritten, {}};
    }
    auto readBack = ReadBackAllowed() ? ReadAll(file.get()) : std::nullopt;
    if (!readBack)
        return {Status::NotReadBack, {}};
    DeleteThroughHandle(file.get());
    return {Status::Done, std::move(*readBack)};
}

bool RealFileSystem::CreateExclusively(const std::string& path, std::string_view content)
{
    const std::wstring name = WidenUtf8(path);
    Implementation impl(*this);
    // Under the lock, so that no other program's Update reads the new file
    // before it holds its whole list.
    const auto lock = ProgramLock::Take(FinalPath(name).value_or(name), lockWait_);
    if (!lock)
        return false;
    UniqueHandle file(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    if (!impl.WriteAll(path, file.get(), content) || !::FlushFileBuffers(file.get())) {
        DeleteThroughHandle(file.get());
        return false;
    }
    return true;
}

void RealFileSystem::RemoveStaleTemporaries(const std::string& path)
{
    const std::wstring name = WidenUtf8(path);
    const std::wstring target = FinalPath(name).value_or(name);
    const std::wstring prefix = TemporaryPrefix(target);
    const std::wstring folder = FolderOf(target) + L"\\";
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!IsTemporaryName(found.cFileName, target))
            continue;
        // Opening without any sharing fails while a running program still
        // writes the file, so only what a killed program left is removed.
        UniqueHandle file(::CreateFileW((folder + found.cFileName).c_str(), DELETE | GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file.valid() && IsPlainFile(file.get()))
            DeleteThroughHandle(file.get());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

bool RealFileSystem::Rewrite(const std::string& path, std::string_view content)
{
    const auto target = FinalPath(WidenUtf8(path));
    if (!target)
        return false;
    Implementation impl(*this);
    LockedTarget locked = impl.Lock(*target);
    switch (locked.state) {
    case LockedTarget::State::Locked: return impl.Replace(path, *target, locked, content);
    case LockedTarget::State::Missing: return impl.CreateNew(path, *target, content);
    case LockedTarget::State::Unusable: break;
    }
    return false;
}

UpdateOutcome RealFileSystem::Update(const std::string& path, const Change& change)
{
    const auto target = FinalPath(WidenUtf8(path));
    if (!target)
        return UpdateOutcome::Unreadable;
    Implementation impl(*this);
    LockedTarget locked = impl.Lock(*target);
    if (locked.state != LockedTarget::State::Locked)
        return UpdateOutcome::Unreadable;
    std::optional<std::string> content;
    {
        HandleIStream current(locked.file.get(), false);
        content = change(current);
    }
    if (!content)
        return UpdateOutcome::Unchanged;
    return impl.Replace(path, *target, locked, *content) ? UpdateOutcome::Written : UpdateOutcome::WriteFailed;
}

} // namespace velmo
