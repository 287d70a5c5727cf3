# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Shared by run.sh and test.sh: installs what the build needs and builds.

# Packages the build and the full test suite need on Debian 12 / Ubuntu 22.04+.
VELLORA_PACKAGES=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev fonts-dejavu-core
    # the compare window's charts; their CMake package needs Qt's OpenGL one,
    # which qt6-base-dev only recommends
    qt6-charts-dev libqt6opengl6-dev
    # Translations: lupdate and lrelease, and Qt's own German for standard buttons.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # The window is tested at the default fonts of Debian, KDE Plasma and GNOME,
    # and falls back on DejaVu Sans Condensed.
    fonts-dejavu-extra fonts-noto-core fonts-cantarell
    libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file
    clang libclang-rt-14-dev llvm
    # the package check: lintian, and groff and man for the manual pages
    lintian groff-base man-db
    # what a screen reader learns, over AT-SPI on a private X display
    xvfb dbus-daemon at-spi2-core python3-pyatspi
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs the packages of the arguments that are missing, and nothing when all are there.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

# configure_and_build PRESET [CMAKE_OPTION ...] [-- TARGET ...]
# Configures the build directory of the preset (CMakePresets.json) and builds
# the targets after "--", or the preset's own.
configure_and_build() {
    local preset=$1
    shift
    local options=() targets=()
    while [ $# -gt 0 ]; do
        if [ "$1" = -- ]; then
            shift
            targets=("$@")
            break
        fi
        options+=("$1")
        shift
    done
    cmake --preset "$preset" "${options[@]}" >/dev/null
    local build=(cmake --build --preset "$preset" --parallel "${VELLORA_JOBS:-$(nproc)}")
    if [ "${#targets[@]}" -gt 0 ]; then
        build+=(--target "${targets[@]}")
    fi
    "${build[@]}"
}
