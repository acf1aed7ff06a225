// A read-only stream over a file that is already open, so that the file is
// opened exactly once and checked to be a regular file before anything is
// read.  The buffer supplies only the read call (the file rules' stream over
// a StoredFile serves every system).
#pragma once

#include <cstddef>
#include <istream>
#include <streambuf>
#include <utility>

namespace velmo {

class ChunkStreamBuf : public std::streambuf {
public:
    ChunkStreamBuf() = default;
    ChunkStreamBuf(const ChunkStreamBuf&) = delete;
    ChunkStreamBuf& operator=(const ChunkStreamBuf&) = delete;

protected:
    // Reads up to `size` bytes into `buffer`; 0 at the end or on an error.
    virtual std::size_t ReadChunk(char* buffer, std::size_t size) = 0;

    int_type underflow() override;

private:
    char buffer_[4096];
};

// An istream that owns its ChunkStreamBuf subclass `Buf`.
template <typename Buf> class ChunkIStream : public std::istream {
public:
    template <typename... Args>
    explicit ChunkIStream(Args&&... args) : std::istream(nullptr), buf_(std::forward<Args>(args)...)
    {
        rdbuf(&buf_);
    }

private:
    Buf buf_;
};

} // namespace velmo
