#!/usr/bin/env bash
# Builds the benchmarks (Release with debug info) into build-bench/ and runs them all:
#   1. start-up against a bare Qt window, A B A B, under Xvfb and offscreen;
#   2. every learner action on the rules alone, at 27, 1,000 and 10,000 pairs;
#   3. every learner action in the real window, click to repaint, offscreen and under Xvfb;
#   4. checking a quiz file of 10,000 pairs with the quiz tool (target: under a second);
#   5. ZORT Studio: its first frame against the quiz program's, opening 1,000 pairs, typing in 1,000 rows.
# Each prints its figures and whether every target holds. The whole output is also kept in
# build-bench/bench-results.txt. Takes about a quarter of an hour on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh libbenchmark-dev time
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORT_BUILD_BENCHMARKS=ON -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target zort_startup_ab zort_bench_core zort_bench_window zort-quiz zort_bench_studio

bin=build-bench/bench
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")
{
    echo "# $(date -u '+%F %T UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
    echo "# Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null), commit $(git rev-parse --short HEAD 2>/dev/null || echo '?')"
    "${xvfb[@]}" "$bin/zort_startup_ab" --pairs 25
    echo
    "$bin/zort_bench_core"
    echo
    QT_QPA_PLATFORM=offscreen "$bin/zort_bench_window"
    echo
    "${xvfb[@]}" env QT_QPA_PLATFORM=xcb "$bin/zort_bench_window"
    echo
    python3 bench/quiz/make_quiz.py build-bench/quiz-10000.toml 10000
    echo "# zort-quiz check, quiz file of 10,000 pairs with explanations ($(du -h build-bench/quiz-10000.toml | cut -f1)), 5 runs:"
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f "%e s wall, %M KiB peak" build-bench/quiztool/zort-quiz check build-bench/quiz-10000.toml >/dev/null
    done
    echo
    QT_QPA_PLATFORM=offscreen "$bin/zort_bench_studio"
    echo
    "${xvfb[@]}" env QT_QPA_PLATFORM=xcb "$bin/zort_bench_studio"
} 2>&1 | grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints' -e 'does not support raise' | tee build-bench/bench-results.txt
