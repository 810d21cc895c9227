# 32-bit Windows console programs (PE32) with Debian's MinGW-w64 cross compiler
# (g++-mingw-w64-i686), in its POSIX-threads variant, whose standard library has the
# std::mutex that GoogleTest needs. The programs and tests run here under Wine's 64-bit
# loader in its WoW64 mode, where the machine executes 32-bit code (cmake/run-under-wine.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

# Libraries come from the cross compiler's own root, and from any root the build adds, such
# as the GoogleTest built with this toolchain (CMakePresets.json).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../run-under-wine.sh)
