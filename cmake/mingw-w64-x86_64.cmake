# Cross build for 64-bit Windows with mingw-w64 (POSIX threads) on Debian 12.
#
# First build Qt for Windows once (about 25 minutes), then configure with
# this file as the toolchain:
#
#   scripts/build-qt-windows
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#   cmake --build build-windows
#
# The Windows Qt is looked for in KETTWERK_QT_WINDOWS (a CMake variable or
# an environment variable of that name), by default
# ~/.cache/kettwerk/qt6-windows-6.4.2, as scripts/build-qt-windows installs
# it. moc, rcc and uic come from the Linux Qt (QT_HOST_PATH, default /usr).
#
# A built program runs under wine64 when the Qt DLLs, the mingw runtime DLLs
# (libgcc_s_seh-1.dll, libstdc++-6.dll, libwinpthread-1.dll) and Qt's
# plugins/platforms folder (as platforms/) lie beside the .exe.
#
# scripts/build-qt-windows uses this file to build Qt itself as well.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(_kettwerk_triple x86_64-w64-mingw32)
# The -posix variants use winpthreads, which std::thread and std::mutex need.
set(CMAKE_C_COMPILER ${_kettwerk_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_kettwerk_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_kettwerk_triple}-windres)

# Where the Windows Qt lives; the same default as scripts/build-qt-windows.
if(NOT DEFINED KETTWERK_QT_WINDOWS)
  if(DEFINED ENV{KETTWERK_QT_WINDOWS} AND NOT "$ENV{KETTWERK_QT_WINDOWS}" STREQUAL "")
    set(KETTWERK_QT_WINDOWS "$ENV{KETTWERK_QT_WINDOWS}")
  else()
    set(KETTWERK_QT_WINDOWS "$ENV{HOME}/.cache/kettwerk/qt6-windows-6.4.2")
  endif()
endif()
set(KETTWERK_QT_WINDOWS "${KETTWERK_QT_WINDOWS}" CACHE PATH "Qt built for Windows")
# CMake's compiler checks read this file again in a fresh project; hand the
# chosen folder on to them.
if(NOT "KETTWERK_QT_WINDOWS" IN_LIST CMAKE_TRY_COMPILE_PLATFORM_VARIABLES)
  list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KETTWERK_QT_WINDOWS)
endif()

# Host tools of the Linux Qt; a cross-built Qt refuses to load without them.
set(QT_HOST_PATH "/usr" CACHE PATH "Qt for the build machine")
set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/x86_64-linux-gnu/cmake" CACHE PATH
    "CMake packages of the Qt for the build machine")

# Libraries, headers and packages come only from the Windows Qt and the mingw
# sysroot, never from the Linux system; programs (the compilers, and Qt's
# host tools found through QT_HOST_PATH) run on the build machine.
# Qt's own toolchain works around a CMake re-rooting bug the same way: the
# root is the Qt folder and the prefix its lib/cmake subfolder.
set(CMAKE_FIND_ROOT_PATH "${KETTWERK_QT_WINDOWS}" /usr/${_kettwerk_triple})
if(NOT "${KETTWERK_QT_WINDOWS}/lib/cmake" IN_LIST CMAKE_PREFIX_PATH)
  list(PREPEND CMAKE_PREFIX_PATH "${KETTWERK_QT_WINDOWS}/lib/cmake")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
