#!/usr/bin/env bash
# Set-up, build and run for Pathora on Debian 12.
#   ./pathora.sh run    install what is missing, build, start Pathora
#   ./pathora.sh test   install what is missing, build, run the whole test suite
#   ./pathora.sh bench  build and print the start-up, page-change and memory figures
#   ./pathora.sh shots [DIR] [SCALE]   write a picture of every page to DIR (default: screenshots)
#                                      at a scale factor (default 1; 2 shows the @2x pictures)
#   ./pathora.sh package   build the Debian package pathora_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
build_dir=${PATHORA_BUILD_DIR:-build}
packages=(g++ cmake make qt6-base-dev libgl-dev zlib1g-dev libjpeg-dev fonts-noto-cjk qt6-translations-l10n)
# The validators of the installed files and the package tools.
desktop_packages=(desktop-file-utils appstream lintian dpkg-dev file)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() {
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${PATHORA_CMAKE_ARGS:-} >/dev/null
    cmake --build "$build_dir" -j"$(nproc)" "$@"
}

case "$mode" in
run)
    install_missing
    build --target pathora
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "Pathora is built ($build_dir/pathora) but this machine has no display to show its window on."
        exit 1
    fi
    exec "$build_dir/pathora"
    ;;
test)
    packages+=("${desktop_packages[@]}")
    install_missing
    build
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
bench)
    install_missing
    build --target pathora_bench
    # A configured full-HD screen, so that the window opens at its first size (1058 x 598).
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen:configfile=$PWD/tests/ui/screen.json} "$build_dir/pathora_bench"
    ;;
shots)
    install_missing
    build --target pathora_screenshots
    QT_QPA_PLATFORM=offscreen "$build_dir/pathora_screenshots" "${2:-screenshots}" "${3:-1}"
    ;;
package)
    packages+=("${desktop_packages[@]}")
    install_missing
    # Its own build tree, built with Debian's hardening flags.
    build_dir=${PATHORA_BUILD_DIR:-build-package}
    PATHORA_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON ${PATHORA_CMAKE_ARGS:-}" \
        CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" build --target pathora pathora_docs
    (cd "$build_dir" && cpack -G DEB >/dev/null)
    ls "$build_dir"/pathora_*.deb
    ;;
*)
    echo "usage: $0 run|test|bench|package|shots [DIR] [SCALE]" >&2
    exit 2
    ;;
esac
