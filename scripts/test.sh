#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest. Window tests use
# Qt's offscreen platform, so no display is needed.
#
# Then the same suite again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan),
# and short libFuzzer runs of the random-session driver, the quiz checker and the bundle reader
# (build-fuzz, clang);
# ZORT_FUZZ_SECONDS sets the length of each (45 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

# clang for the fuzzer; Orca, the accessibility bus and xdotool for the screen-reader test.
scripts/setup-debian.sh clang libclang-rt-14-dev orca at-spi2-core dbus xdotool
cmake -S . -B build -G Ninja -DZORT_BUILD_TESTS=ON >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j"$(nproc)")

echo "== Every test again under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DZORT_BUILD_TESTS=ON -DZORT_SANITIZE=ON >/dev/null
cmake --build build-asan
# Also for tests that set their own environment; lsan.supp holds only Qt's and system libraries'.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/tests/reliability/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$(nproc)")

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZORT_BUILD_FUZZER=ON -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --target zort_fuzz zort_quiz_fuzz zort_bundle_fuzz
fuzz() { # name target seed-corpus max-len
    echo "== Fuzzing $1 for ${ZORT_FUZZ_SECONDS:-45} s"
    # New inputs go to build-fuzz/; the seed corpus in the repository is only read.
    mkdir -p "build-fuzz/$2-corpus"
    local status=0
    "build-fuzz/fuzz/$2" -max_total_time="${ZORT_FUZZ_SECONDS:-45}" -max_len="$4" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/$2-" "build-fuzz/$2-corpus" "$3" >"build-fuzz/$2.log" 2>&1 || status=$?
    grep -E '^(Done|stat::)' "build-fuzz/$2.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 80 "build-fuzz/$2.log"
        exit "$status"
    fi
}
fuzz "the random-session driver" zort_fuzz fuzz/corpus 4096
fuzz "the quiz checker" zort_quiz_fuzz fuzz/quiz-corpus 1048576
fuzz "the bundle reader" zort_bundle_fuzz fuzz/bundle-corpus 16384

# The Windows lane (windows/test-wine.sh): the Windows build, its tests under Wine, its window on a
# virtual display, its installer, and a whole quiz taken by keys in the installed program. It runs
# when Qt for Windows is in ~/.cache/zort already (the lane then takes about 10 minutes).
# ZORT_WINDOWS=1 builds that Qt first when it is missing (about 20 minutes on two idle cores, once);
# ZORT_WINDOWS=0 leaves the lane out.
windows=${ZORT_WINDOWS:-}
if [ -z "$windows" ]; then
    windows=0
    [ -e "$(windows/deps.sh --key)/qt/.complete" ] && windows=1
fi
if [ "$windows" = 1 ]; then
    echo "== The Windows build under Wine"
    windows/test-wine.sh
fi
