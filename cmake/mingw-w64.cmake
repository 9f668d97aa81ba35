# Cross-compiles for 64-bit Windows with mingw-w64 (posix threading model) and
# runs the resulting executables (tests, build-time generators) under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The C and C++ runtimes (and winpthreads) are linked in, so every .exe runs
# on a bare Windows or Wine with no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wide-character entry points (wWinMain / wmain) for the program's own
# executables; GoogleTest's narrow main() is linked without it.
set(RV417_UNICODE_ENTRY_FLAGS "-municode")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
