#!/usr/bin/env bash
# Checks a quiz file: prints OK with its counts, or every problem as FILE:LINE: message and exits
# non-zero. Builds the quiz tool into build-quiz-tool/ first.
#   scripts/check-quiz.sh QUIZ_FILE
set -euo pipefail
exec "$(dirname "$0")/quiz-tool.sh" check "${1:?"usage: scripts/check-quiz.sh QUIZ_FILE"}"
