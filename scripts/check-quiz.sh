#!/usr/bin/env bash
# Checks a quiz file: prints OK with its counts, or every problem as FILE:LINE: message and exits
# non-zero. Builds the quiz tool into build-quiz-tool/ first.
#   scripts/check-quiz.sh QUIZ_FILE
set -euo pipefail
quiz=${1:?"usage: scripts/check-quiz.sh QUIZ_FILE"}
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup-debian.sh" >&2
cmake -S "$root" -B "$root/build-quiz-tool" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-quiz-tool" --target zort-quiz >/dev/null
exec "$root/build-quiz-tool/quiztool/zort-quiz" check "$quiz"
