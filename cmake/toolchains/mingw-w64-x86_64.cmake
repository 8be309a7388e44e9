# Cross-build for Windows x86_64 on Debian with MinGW-w64 (POSIX threads),
# against a Qt built for Windows by the same compilers (the CMake preset
# "windows"; tools/build-windows.sh installs the compilers and unpacks Qt).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
# CMake takes windres, ar, strip and objdump of the same prefix.
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
# The installation reads the imports of Windows files, not of the host's.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${TOOLCHAIN_PREFIX}-objdump)

# Qt's CMake files name the place they were installed to, so Qt stays there.
set(VANTELIX_WINDOWS_QT /opt/qt6-mingw/qt-6.4.2-mingw64 CACHE PATH "Qt 6 built for Windows x86_64 with MinGW-w64")
# moc, rcc and uic run on the build machine: Debian's qt6-base-dev-tools.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX} ${VANTELIX_WINDOWS_QT})
list(APPEND CMAKE_PREFIX_PATH ${VANTELIX_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
