# Cross build for 32-bit Windows with Debian's mingw-w64 (i686-w64-mingw32).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUORVEX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)

# SSE2 arithmetic in double precision, as on 64-bit: no x87 extended
# intermediates, so the results agree with the other builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
