# The Windows cross-build's prerequisites: Debian packages and the Windows
# build of Qt. Sourced by the scripts in tools/ after prerequisites.sh.

# Compilers, Wine to run the result, what the real start under Wine drives
# and reads the windows with, and xz for Qt's tarball.
WINDOWS_PACKAGES=(
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    wine wine64
    xvfb xauth xdotool xclip x11-utils
    xz-utils
)

# Where the toolchain file looks for Qt: the tarball's own CMake files name
# that place, so it is unpacked there.
WINDOWS_QT=$(sed -n 's/^set(VANTELIX_WINDOWS_QT \([^ ]*\) .*/\1/p' cmake/toolchains/mingw-w64-x86_64.cmake)

# ensure_windows_qt: unpacks Qt for Windows from the shared folder beside the
# repository (../shared/windows), unless it is in place already.
ensure_windows_qt() {
    [ -d "$WINDOWS_QT" ] && return 0
    local tarball
    tarball="$(git rev-parse --show-toplevel 2>/dev/null || pwd)/../shared/windows/$(basename "$WINDOWS_QT").tar.xz"
    if [ ! -f "$tarball" ]; then
        echo "Qt for Windows is neither at $WINDOWS_QT nor in $tarball." >&2
        return 1
    fi
    echo "Unpacking $tarball into $(dirname "$WINDOWS_QT")..."
    mkdir -p "$(dirname "$WINDOWS_QT")"
    tar -C "$(dirname "$WINDOWS_QT")" -xJf "$tarball"
}
