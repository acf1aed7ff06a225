#include "common/chunk_stream.h"

namespace velmo {

ChunkStreamBuf::int_type ChunkStreamBuf::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    const std::size_t n = ReadChunk(buffer_, sizeof buffer_);
    if (n == 0)
        return traits_type::eof();
    setg(buffer_, buffer_, buffer_ + n);
    return traits_type::to_int_type(*gptr());
}

} // namespace velmo
