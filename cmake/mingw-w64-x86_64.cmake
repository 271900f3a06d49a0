# Cross-builds Windows x64 programs with Debian's MinGW-w64 compilers (the posix
# thread model, which std::thread and <mutex> need). The programs are linked
# statically, so they run under Wine or on Windows without any MinGW DLL, and
# each program is run through Wine where CMake or CTest runs a built program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian's wine64 package has no wine on PATH; the wine package adds one.
find_program(TOLVO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TOLVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOLVO_WINE})
endif()
