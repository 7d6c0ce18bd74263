#!/usr/bin/env bash
# Set-up, build and run for Pathora on Debian 12.
#   ./pathora.sh run    install what is missing, build, start Pathora
#   ./pathora.sh test   install what is missing, build, run the whole test suite
#   ./pathora.sh bench  build and print the start-up, page-change and memory figures
#   ./pathora.sh shots [DIR] [SCALE]   write a picture of every page to DIR (default: screenshots)
#                                      at a scale factor (default 1; 2 shows the @2x pictures)
#   ./pathora.sh package   build the Debian package pathora_<version>_<arch>.deb
#   ./pathora.sh fonts  regenerate the embedded font subsets in data/fonts from the texts
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
build_dir=${PATHORA_BUILD_DIR:-build}
packages=(g++ cmake make qt6-base-dev libqt6sql6-sqlite libgl-dev zlib1g-dev libjpeg-dev qt6-translations-l10n)
# The test command also fuzzes (clang's libFuzzer) and watches the program with strace, under X11
# (Xvfb) with and without a session bus (dbus-daemon); the picture generator paints its texts with
# the system's Noto CJK faces, which the program itself no longer needs; it validates the
# installed files and the package; and it reads the program's tree as a screen reader does (AT-SPI).
test_packages=(clang strace xvfb dbus-daemon fonts-noto-cjk desktop-file-utils appstream lintian dpkg-dev file poppler-utils
               python3-pyatspi at-spi2-core openbox x11-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
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

# What a screen reader meets, read over AT-SPI from the built program under Xvfb and a private
# session bus: links with names and press actions, the way to the EQ test, its named questions.
check_screen_reader_tree() {
    echo "Reading the screen-reader tree over AT-SPI"
    /usr/bin/python3 tests/atspi/tree.py "$build_dir"
}

# --- reliability: the decoders fuzzed, and a long random walk under ASan/UBSan -----------------
# Fuzz targets (fuzz/) are built apart with clang, -fsanitize=fuzzer,address,undefined, and each
# runs PATHORA_FUZZ_RUNS inputs (default 20000) from its seed corpus. A crash, a leak, a hang
# (30 s) or an allocation over 256 MB fails; the input is copied into fuzz/corpus/ so that the
# replay tests of the normal suite keep it as a regression test (commit it with the fix). Time is
# judged by processor time, which a busy machine does not swell: an input slower than 1 s of wall
# clock is only reported, then replayed by the normal build's replay program, which fails it when
# it takes more than 1 s of processor time.
run_fuzzers() {
    local dir=${PATHORA_FUZZ_DIR:-build-fuzz} runs=${PATHORA_FUZZ_RUNS:-20000}
    CXX=${PATHORA_FUZZ_CXX:-clang++} cmake -S fuzz -B "$dir" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    rm -rf "$dir/work" && mkdir -p "$dir/work/jpeg" "$dir/work/skin" "$dir/artifacts"
    cp "$build_dir/skin/wood.skin" "$dir/work/skin/"
    # Both targets at once, one per core.
    local target seeds status=0 start
    declare -A pids
    start=$(date +%s)
    for target in jpeg skin; do
        seeds=(fuzz/corpus/$target)
        [ "$target" = jpeg ] && seeds+=(data/pictures)
        "$dir/fuzz_$target" -runs="$runs" -timeout=30 -report_slow_units=1 -malloc_limit_mb=256 \
            -rss_limit_mb=2048 -max_len=262144 -len_control=0 -print_final_stats=1 \
            -artifact_prefix="$dir/artifacts/$target-" "$dir/work/$target" "${seeds[@]}" \
            >"$dir/$target.log" 2>&1 &
        pids[$target]=$!
    done
    for target in jpeg skin; do
        if wait "${pids[$target]}"; then
            echo "fuzz_$target: $(grep -o 'Done [0-9]* runs' "$dir/$target.log" | cut -d' ' -f2) inputs, no fault;" \
                 "slowest $(grep -o 'slowest_unit_time_sec: *[0-9]*' "$dir/$target.log" | grep -o '[0-9]*$') s of wall clock"
            local slow=("$dir"/artifacts/"$target"-slow-unit-*)
            if [ -e "${slow[0]}" ]; then
                echo "fuzz_$target: ${#slow[@]} input(s) over 1 s of wall clock; replayed by processor time:"
                if ! "$build_dir/fuzz/fuzz_${target}_replay" "${slow[@]}"; then
                    cp "${slow[@]}" "fuzz/corpus/$target/"
                    echo "fuzz_$target FAILED: an input takes more than 1 s of processor time; it is now in fuzz/corpus/$target/"
                    status=1
                fi
            fi
        else
            tail -40 "$dir/$target.log"
            cp "$dir"/artifacts/"$target"-* "fuzz/corpus/$target/" 2>/dev/null || true
            echo "fuzz_$target FAILED; the input is now in fuzz/corpus/$target/ (log: $dir/$target.log)"
            status=1
        fi
    done
    echo "fuzzing took $(( $(date +%s) - start )) s"
    return $status
}

# The whole suite in a Debug build under AddressSanitizer and UBSan, then one long random walk
# (PATHORA_WALK_STEPS, default 5000; PATHORA_WALK_SEED, printed, default fixed so that a run
# can be repeated; set it to walk elsewhere).
run_sanitized_suite() {
    local dir=${PATHORA_ASAN_DIR:-build-asan}
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DPATHORA_SANITIZE=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    local seed=${PATHORA_WALK_SEED:-20261209} steps=${PATHORA_WALK_STEPS:-5000}
    echo "Long walk under ASan: PATHORA_WALK_SEED=$seed PATHORA_WALK_STEPS=$steps"
    if ! QT_QPA_PLATFORM=offscreen PATHORA_WALK_SEED=$seed PATHORA_WALK_STEPS=$steps \
            "$dir/tst_robustness" aReaderInAHurry; then
        echo "The long walk failed; repeat it with PATHORA_WALK_SEED=$seed PATHORA_WALK_STEPS=$steps"
        return 1
    fi
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
    install_missing "${test_packages[@]}"
    build
    (cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    check_screen_reader_tree
    check_pictures
    run_fuzzers
    run_sanitized_suite
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
    install_missing dpkg-dev file
    # Its own build tree, built with Debian's hardening flags.
    build_dir=${PATHORA_BUILD_DIR:-build-package}
    PATHORA_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON ${PATHORA_CMAKE_ARGS:-}" \
        CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" build --target pathora pathora_docs
    (cd "$build_dir" && cpack -G DEB >/dev/null)
    ls "$build_dir"/pathora_*.deb
    ;;
fonts)
    packages+=(fonts-noto-cjk python3-fonttools)
    install_missing
    /usr/bin/python3 tools/fonts/subset.py
    ;;
*)
    echo "usage: $0 run|test|bench|package|fonts|shots [DIR] [SCALE]" >&2
    exit 2
    ;;
esac
