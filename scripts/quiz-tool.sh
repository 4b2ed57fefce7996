#!/usr/bin/env bash
# Runs the quiz tool (zort-quiz) with the arguments given, after building it into build-quiz-tool/.
# check-quiz.sh and bundle-quiz.sh are its two common uses.
#   scripts/quiz-tool.sh check QUIZ_FILE | bundle QUIZ_FILE [OUT.zort] | ...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup-debian.sh" >&2
cmake -S "$root" -B "$root/build-quiz-tool" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-quiz-tool" --target zort-quiz >/dev/null
exec "$root/build-quiz-tool/quiztool/zort-quiz" "$@"
