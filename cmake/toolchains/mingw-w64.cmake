# What both Windows toolchain files share: Debian's MinGW-w64 cross compiler for the target
# `mingw_triple`, in its POSIX-threads variant, whose standard library has the std::mutex
# that GoogleTest needs, and Wine to run what it builds (cmake/run-under-wine.sh).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Libraries come from the cross compiler's own root, and from any root the build adds, such
# as the GoogleTest built with this toolchain (CMakePresets.json).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../run-under-wine.sh)
