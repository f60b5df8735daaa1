# Installs the Debian packages the build, the game and the tests need, when
# any is missing; quiet when everything is there. Sourced by scripts/run,
# scripts/test, scripts/check-format, scripts/check-package,
# scripts/check-fresh, scripts/windows and scripts/screenshot.
#
# What each group is for:
# - the build: compiler, CMake, Qt, GoogleTest, Google Benchmark;
# - the game's face: Liberation Sans (fonts-liberation2), which the build
#   carries inside the program, so that the window's captions look alike
#   on every platform;
# - the window tests under a real X server and the pictures: Xvfb,
#   imagemagick, xdotool to find and drive the window, sox for the sounds;
# - the installed files and the package: the two validators, groff for the
#   manual pages, dpkg-shlibdeps (dpkg-dev) for the package's Depends, and
#   file, with which CPack picks the binaries for it.
kalvor_packages=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev libgl-dev qt6-l10n-tools
    fonts-liberation2
    xvfb imagemagick sox xdotool
    desktop-file-utils appstream groff-base dpkg-dev file)

# kalvor_install_deps [PACKAGE...]: the packages above and those named.
kalvor_install_deps() {
    kalvor_install_packages "${kalvor_packages[@]}" "$@"
}

# Installs the named packages that are missing, without recommends.
kalvor_install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}
