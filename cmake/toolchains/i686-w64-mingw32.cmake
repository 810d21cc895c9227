# 32-bit Windows console programs (PE32) with Debian's g++-mingw-w64-i686. They and the tests
# run under Wine's 64-bit loader in its WoW64 mode, where the machine executes 32-bit code.
set(mingw_triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
