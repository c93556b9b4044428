# Cross build for 64-bit ARM with Debian's aarch64-linux-gnu-g++, against an
# arm64 Debian root given as CMAKE_SYSROOT (scripts/check makes one with
# mmdebstrap).  The tests' golden scenes run under qemu-aarch64.
#   cmake -DCMAKE_TOOLCHAIN_FILE=scripts/aarch64.cmake -DCMAKE_SYSROOT=ROOT ...
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L ${CMAKE_SYSROOT})
