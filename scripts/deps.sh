# Installs the Debian packages the build and the tests need, when any is
# missing; quiet when everything is there. Sourced by scripts/run and
# scripts/test.
kalvor_packages=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev libgl-dev
    xvfb xauth imagemagick sox)

kalvor_install_deps() {
    local missing=()
    local p
    for p in "${kalvor_packages[@]}"; do
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
