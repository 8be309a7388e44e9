# Debian packages the build and the tests need, and a function that installs
# the missing ones. Sourced by the scripts in tools/.

BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools
    libcdio-dev libfontconfig-dev
    fonts-dejavu-core
)

# The asset generator, the Windows resource check, desktop-file checks,
# packaging, and the real-window and screen-reader checks.
TEST_PACKAGES=(
    libgif-dev libjpeg62-turbo-dev libjpeg-turbo-progs libimage-exiftool-perl icc-profiles-free
    binutils-mingw-w64-x86-64
    desktop-file-utils appstream
    dpkg-dev file
    xvfb xauth
    dbus-daemon at-spi2-core python3-pyatspi
    orca openbox xdotool
)

# ensure_packages PACKAGE...: installs whatever is missing, or explains why it
# cannot and returns non-zero.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Vantelix needs these Debian packages, which are missing: ${missing[*]}"
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "apt-get is not available here. Install the packages above with your package manager, then run this command again." >&2
        return 1
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "Installing them needs root. Run this command as root, or first run:" >&2
        echo "    sudo apt-get install ${missing[*]}" >&2
        return 1
    fi
    echo "Installing them with apt-get..."
    if ! { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "apt-get could not install: ${missing[*]}. Check the network and the package sources, then run this command again." >&2
        return 1
    fi
}
