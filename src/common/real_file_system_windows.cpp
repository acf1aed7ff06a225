// RealFileSystem on Windows: wide-character paths, the Win32 file calls, and
// the same guarantees as on POSIX systems.  Data is written through a C
// runtime descriptor over the Win32 handle, so that WriteAll stays the one
// seam where tests make a write fail.
#include "common/file_system.h"

#include "common/windows_api.h"
#include "common/windows_text.h"

#include <fcntl.h>
#include <io.h>

#include <string>

namespace velmo {
namespace {

// A read-only stream over a file handle, so that the file is opened exactly
// once and checked to be a regular file before anything is read.
class HandleStreamBuf : public std::streambuf {
public:
    explicit HandleStreamBuf(HANDLE file) : file_(file) {}
    ~HandleStreamBuf() override { ::CloseHandle(file_); }
    HandleStreamBuf(const HandleStreamBuf&) = delete;
    HandleStreamBuf& operator=(const HandleStreamBuf&) = delete;

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        DWORD n = 0;
        if (!::ReadFile(file_, buffer_, sizeof buffer_, &n, nullptr) || n == 0)
            return traits_type::eof();
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(*gptr());
    }

private:
    HANDLE file_;
    char buffer_[4096];
};

class HandleIStream : public std::istream {
public:
    explicit HandleIStream(HANDLE file) : std::istream(nullptr), buf_(file) { rdbuf(&buf_); }

private:
    HandleStreamBuf buf_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A plain file on a disk: not a directory, not a link or other reparse point
// (seen only when opened with FILE_FLAG_OPEN_REPARSE_POINT), not a device or
// pipe.
bool IsPlainFile(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info))
        return false;
    return (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

// Hands the handle to a C runtime descriptor (which then owns it), for WriteAll.
int DescriptorOf(HANDLE file)
{
    return ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY | _O_WRONLY);
}

// The path a link or junction leads to, so that the link itself stays and the
// file behind it is replaced.  Empty for a dangling link: there is nothing to
// replace, and the link is not to be overwritten by a file.
std::wstring FinalPath(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return path;
    const HANDLE file =
        ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    if (length >= resolved.size()) {
        resolved.resize(length);
        length = ::GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    }
    ::CloseHandle(file);
    if (length == 0 || length >= resolved.size())
        return {};
    resolved.resize(length);
    return resolved;
}

// "dir\.name.1a2b3c4d" beside `target`; unique enough with CREATE_NEW retried.
std::wstring ScratchNameBeside(const std::wstring& target, unsigned attempt)
{
    const auto slash = target.find_last_of(L"\\/");
    const std::wstring dir = slash == std::wstring::npos ? L"" : target.substr(0, slash + 1);
    const std::wstring name = slash == std::wstring::npos ? target : target.substr(slash + 1);
    wchar_t suffix[16];
    const unsigned salt = static_cast<unsigned>(::GetCurrentProcessId()) * 2654435761u ^ ::GetTickCount() ^ attempt;
    swprintf(suffix, sizeof suffix / sizeof suffix[0], L".%08x", salt);
    return dir + L"." + name + suffix;
}

} // namespace

std::unique_ptr<std::istream> RealFileSystem::OpenForReading(const std::string& path)
{
    // Without FILE_FLAG_BACKUP_SEMANTICS a directory cannot be opened at all.
    const HANDLE file = ::CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    if (!IsPlainFile(file)) {
        ::CloseHandle(file);
        return nullptr;
    }
    return std::make_unique<HandleIStream>(file);
}

bool RealFileSystem::WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const unsigned chunk = data.size() > 0x10000000u ? 0x10000000u : static_cast<unsigned>(data.size());
        const int n = ::_write(fd, data.data(), chunk);
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool RealFileSystem::WriteScratch(const std::string& path, std::string_view content, bool* opened)
{
    const std::wstring wide = WidenUtf8(path);
    // The link itself is opened, never what it points to; a link, junction
    // or directory in the file's place counts as a file that cannot be
    // opened and is left as it is.
    HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE && !IsPlainFile(file)) {
        ::CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
    if (opened)
        *opened = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE)
        return false;
    if (!::SetEndOfFile(file)) { // OPEN_ALWAYS leaves an old file's content
        ::CloseHandle(file);
        return false;
    }
    const int fd = DescriptorOf(file);
    if (fd < 0) {
        ::CloseHandle(file);
        ::DeleteFileW(wide.c_str());
        return false;
    }
    const bool written = WriteAll(fd, content);
    const bool closed = ::_close(fd) == 0;
    if (written && closed)
        return true;
    ::DeleteFileW(wide.c_str());
    return false;
}

bool RealFileSystem::ReplaceAtomically(const std::string& path, std::string_view content)
{
    const std::wstring target = FinalPath(WidenUtf8(path));
    if (target.empty())
        return false;
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A file that cannot be opened for writing (read-only, locked, a
        // directory) is not replaced either.
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return false;
        const HANDLE probe = ::CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE)
            return false;
        ::CloseHandle(probe);
    }

    std::wstring scratch;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        scratch = ScratchNameBeside(target, attempt);
        // CREATE_NEW never opens an existing name, so no link is written through.
        file = ::CreateFileW(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const int fd = DescriptorOf(file);
    if (fd < 0) {
        ::CloseHandle(file);
        ::DeleteFileW(scratch.c_str());
        return false;
    }
    bool ok = WriteAll(fd, content);
    ok = ::FlushFileBuffers(file) && ok;
    ok = (::_close(fd) == 0) && ok;
    // The replaced file's hidden, system and archive marks stay with the new one.
    if (ok && attributes != INVALID_FILE_ATTRIBUTES) {
        const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        ::SetFileAttributesW(scratch.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    if (ok)
        ok = ::MoveFileExW(scratch.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok)
        ::DeleteFileW(scratch.c_str());
    return ok;
}

void RealFileSystem::Remove(const std::string& path)
{
    ::DeleteFileW(WidenUtf8(path).c_str());
}

} // namespace velmo
