set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QLN_MINGW_TRIPLET i686-w64-mingw32)

set(CMAKE_C_COMPILER ${QLN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QLN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QLN_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QLN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# No emulator: 32-bit executables cannot run on these machines, so the
# i686 build is compiled and linked but its tests are not registered.
set(QLN_NO_TEST_RUN ON)
