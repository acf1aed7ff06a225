// File access of the two files the program owns: the scratch file of
// NumberToText and the highscore file.
//
// RealFileSystem does the POSIX work; its WriteAll is the seam through which
// tests make a write fail part-way (CI runs as root, so file permissions
// cannot be used to provoke failures).
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace velmo {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // A stream over a regular file, or nullptr when the path cannot be opened
    // for reading or is not a regular file (a directory, a FIFO, ...).
    virtual std::unique_ptr<std::istream> OpenForReading(const std::string& path) = 0;

    // Creates or truncates `path` and writes `content`, without following a
    // symbolic link in the last component.  False when the file could not be
    // opened; a write that fails after opening also gives false and removes
    // the partly written file.  `opened` tells the caller which of the two.
    virtual bool WriteScratch(const std::string& path, std::string_view content, bool* opened = nullptr) = 0;

    // Replaces `path` with `content` atomically: a temporary file beside the
    // target is written, flushed and renamed over it.  A symbolic link stays a
    // link and the file it points to is replaced.  On any failure the old file
    // is left intact, the temporary file is removed, and false is returned.
    virtual bool ReplaceAtomically(const std::string& path, std::string_view content) = 0;

    virtual void Remove(const std::string& path) = 0;
};

class RealFileSystem : public FileSystem {
public:
    std::unique_ptr<std::istream> OpenForReading(const std::string& path) override;
    bool WriteScratch(const std::string& path, std::string_view content, bool* opened = nullptr) override;
    bool ReplaceAtomically(const std::string& path, std::string_view content) override;
    void Remove(const std::string& path) override;

protected:
    // Writes all of `data` to the open descriptor; false on any error.
    virtual bool WriteAll(int fd, std::string_view data);
};

} // namespace velmo
