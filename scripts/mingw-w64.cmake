# Cross build for 64-bit Windows with Debian's mingw-w64 GCC, POSIX thread
# model (GCC 12's win32 model has no std::mutex, which GoogleTest needs).
# Programs are linked statically, so each .exe needs only Windows' own DLLs.
# Tests run under wine.
#   cmake -DCMAKE_TOOLCHAIN_FILE=scripts/mingw-w64.cmake -DCMAKE_FIND_ROOT_PATH=DEPS ...
# where DEPS holds freeglut and GoogleTest built with this same file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
