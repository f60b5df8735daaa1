# Cross build for Windows with Debian's mingw-w64 (the posix thread model,
# whose C++ runtime has std::thread and this_thread::sleep_for), 64-bit by
# default, 32-bit with -DKALVOR_MINGW_CPU=i686:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKALVOR_GUI=OFF
#   cmake --build build-win --target pbrain-kalvor kalvor-selfplay
# The game needs Qt for Windows (scripts/windows-qt builds it), whose
# toolchain file chains this one (QT_CHAINLOAD_TOOLCHAIN_FILE). Building the
# tests as well needs GoogleTest built for Windows (GTest_DIR) and wine,
# which runs them; scripts/windows does all of it.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT KALVOR_MINGW_CPU)
  set(KALVOR_MINGW_CPU x86_64)
endif()
# The checks that CMake compiles while it configures read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KALVOR_MINGW_CPU)
set(CMAKE_SYSTEM_PROCESSOR ${KALVOR_MINGW_CPU})

set(kalvor_mingw ${KALVOR_MINGW_CPU}-w64-mingw32)
set(CMAKE_C_COMPILER ${kalvor_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${kalvor_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${kalvor_mingw}-windres)

# Libraries and headers of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${kalvor_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each program runs as a single file: the C++ runtime, libgcc and winpthread
# are linked in rather than shipped as DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests, and GoogleTest's discovery of them, run the programs under wine
# where it is installed: Debian's wine64 for 64-bit programs, and the loader
# of its wine32 (i386) for 32-bit ones.
if(KALVOR_MINGW_CPU STREQUAL "i686")
  find_program(KALVOR_WINE NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
else()
  find_program(KALVOR_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
endif()
mark_as_advanced(KALVOR_WINE)
if(KALVOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KALVOR_WINE})
endif()
