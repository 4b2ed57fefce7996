#!/usr/bin/env bash
# Makes a bundle of a quiz file: the quiz with its pairs table and pictures in one file, which
# `zort FILE.zort` opens on another machine. The quiz is checked first, as scripts/check-quiz.sh
# does; with problems it prints them and makes nothing. Builds the quiz tool into build-quiz-tool/.
#   scripts/bundle-quiz.sh QUIZ_FILE [OUT.zort]     (without OUT: QUIZ_FILE's name with .zort, beside it)
set -euo pipefail
: "${1:?"usage: scripts/bundle-quiz.sh QUIZ_FILE [OUT.zort]"}"
exec "$(dirname "$0")/quiz-tool.sh" bundle "$@"
