# 32-bit x86 Linux with the host's GCC in -m32 mode (Debian's g++-multilib): 32-bit pointers
# and the i386 calling convention, as on the programs' original 32-bit x86 target. The
# executables, tests included, run under qemu-i386 (Debian's qemu-user).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
