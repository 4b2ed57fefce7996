#!/usr/bin/env bash
# Checks a quiz file: prints OK with its counts, or every problem as FILE:LINE: message and exits
# non-zero. Builds the quiz tool into build-quiz-tool/ first.
#   scripts/check-quiz.sh QUIZ_FILE
set -euo pipefail
quiz=${1:?"usage: scripts/check-quiz.sh QUIZ_FILE"}
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup-debian.sh" >&2
cmake -S "$root/content/quizfile" -B "$root/build-quiz-tool" -G Ninja >/dev/null
cmake --build "$root/build-quiz-tool" >/dev/null
exec "$root/build-quiz-tool/zort-quiz" check "$quiz"
