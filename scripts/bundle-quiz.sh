#!/usr/bin/env bash
# Makes a bundle of a quiz file: the quiz with its pairs table and pictures in one file, which
# `zort FILE.zort` opens on another machine. The quiz is checked first, as scripts/check-quiz.sh
# does; with problems it prints them and makes nothing. Builds the quiz tool into build-quiz-tool/.
#   scripts/bundle-quiz.sh QUIZ_FILE [OUT.zort]     (without OUT: QUIZ_FILE's name with .zort, beside it)
set -euo pipefail
quiz=${1:?"usage: scripts/bundle-quiz.sh QUIZ_FILE [OUT.zort]"}
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup-debian.sh" >&2
cmake -S "$root" -B "$root/build-quiz-tool" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-quiz-tool" --target zort-quiz >/dev/null
exec "$root/build-quiz-tool/quiztool/zort-quiz" bundle "$@"
