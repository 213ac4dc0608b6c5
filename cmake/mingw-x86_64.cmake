set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QLN_MINGW_TRIPLET x86_64-w64-mingw32)

# The -posix thread model is the one with std::thread and std::mutex.
set(CMAKE_C_COMPILER ${QLN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QLN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QLN_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QLN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A missing runtime DLL shows up under Wine only as exit code 53: link everything in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
