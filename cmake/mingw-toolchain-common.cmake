# What the two mingw-w64 toolchain files share; they set
# QUORVEX_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR before including this.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUORVEX_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${QUORVEX_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${QUORVEX_MINGW_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${QUORVEX_MINGW_TRIPLE}-dlltool)
set(CMAKE_OBJDUMP ${QUORVEX_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The libraries of the compiler are linked in, so that the .xll and the
# stand-in need nothing beyond Windows system DLLs and XLCALL32.DLL.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
