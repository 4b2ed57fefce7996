#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest. Window tests use
# Qt's offscreen platform, so no display is needed.
#
# Then the same suite again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan),
# and a short libFuzzer run of the random-session driver (build-fuzz, clang); ZORT_FUZZ_SECONDS
# sets its length (60 by default).
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

echo "== Fuzzing the random-session driver for ${ZORT_FUZZ_SECONDS:-60} s"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZORT_BUILD_FUZZER=ON -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --target zort_fuzz
# New inputs go to build-fuzz/corpus; the seed corpus in the repository is only read.
mkdir -p build-fuzz/corpus
status=0
build-fuzz/fuzz/zort_fuzz -max_total_time="${ZORT_FUZZ_SECONDS:-60}" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus >build-fuzz/fuzz.log 2>&1 || status=$?
grep -E '^(Done|stat::)' build-fuzz/fuzz.log || true
if [ "$status" -ne 0 ]; then
    tail -n 80 build-fuzz/fuzz.log
    exit "$status"
fi
