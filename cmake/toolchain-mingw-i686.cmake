# Cross-builds the 32-bit Windows programs on Debian with mingw-w64
# (g++-mingw-w64-i686-posix):
#   cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELMO_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)

# The i686 compiler would compute float and double on the x87 unit, whose
# 80-bit intermediates can round a score's last digit differently from the
# 64-bit, Linux and web builds (and GCC ignores -fexcess-precision=standard
# for C++).  SSE2 arithmetic rounds every operation as they do, so all builds
# show the same numbers; the 32-bit programs need a processor with SSE2.
# tests/windows/check_x87.sh keeps the objects free of x87 arithmetic.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
