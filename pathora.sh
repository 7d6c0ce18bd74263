#!/usr/bin/env bash
# Set-up, build and run for Pathora on Debian 12.
#   ./pathora.sh run    install what is missing, build, start Pathora
#   ./pathora.sh test   install what is missing, build, run the whole test suite
#   ./pathora.sh bench  build and print the start-up, page-change and memory figures
#   ./pathora.sh shots [DIR]   write a picture of every page to DIR (default: screenshots)
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
build_dir=${PATHORA_BUILD_DIR:-build}
packages=(g++ cmake make qt6-base-dev libgl-dev zlib1g-dev libjpeg-dev fonts-noto-cjk poppler-utils)

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

# The committed pictures are the generator's output: regenerate them and fail on any difference.
check_pictures() {
    echo "Regenerating the pictures"
    QT_QPA_PLATFORM=offscreen "$build_dir/pathora_pictures" . >/dev/null
    if ! git diff --exit-code --stat -- data/pictures src/ui/skin/frame.png; then
        echo "The committed pictures differ from what tools/pictures/generate.cpp paints." >&2
        exit 1
    fi
}

# The whole suite once more in a Debug build under AddressSanitizer and UBSan.
sanitized_suite() {
    local dir=${PATHORA_ASAN_DIR:-build-asan}
    echo "Running the suite under AddressSanitizer and UBSan ($dir)"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DPATHORA_SANITIZE=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
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
    install_missing
    build
    (cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    check_pictures
    sanitized_suite
    ;;
bench)
    install_missing
    build --target pathora_bench
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build_dir/pathora_bench"
    ;;
shots)
    install_missing
    build --target pathora_screenshots
    QT_QPA_PLATFORM=offscreen "$build_dir/pathora_screenshots" "${2:-screenshots}"
    ;;
*)
    echo "usage: $0 run|test|bench|shots [DIR]" >&2
    exit 2
    ;;
esac
