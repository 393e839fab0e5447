# Cross build for Windows with Debian's MinGW-w64; included by the two
# toolchain files below, which name the processor.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(DRAVOMEL_TRIPLET ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

# The -posix variants: GoogleTest needs std::thread and std::mutex, which the
# default win32 thread model lacks.
set(CMAKE_C_COMPILER ${DRAVOMEL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DRAVOMEL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DRAVOMEL_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DRAVOMEL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static C, C++ and thread runtimes, so a program needs no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# CTest and test discovery run the programs under Wine; 64-bit ones with the
# 64-bit loader, which also works where the kernel runs no 32-bit programs
# (`wine` picks the 32-bit loader whenever it is installed). A
# -DCMAKE_CROSSCOMPILING_EMULATOR=... given to cmake wins.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
  else()
    set(CMAKE_CROSSCOMPILING_EMULATOR wine)
  endif()
endif()
