# 64-bit Windows console programs (PE32+) with Debian's g++-mingw-w64-x86-64. They and the
# tests run under Wine's 64-bit loader.
set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
