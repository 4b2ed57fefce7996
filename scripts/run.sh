#!/usr/bin/env bash
# Builds the quiz and starts it. Without a display, `--png OUT` renders the window under a virtual
# display and saves it to OUT instead. Given a quiz file, builds and starts that quiz instead of
# the built-in one (in build-quiz/, as the program zort-<id>).
#   scripts/run.sh [--png OUT] [QUIZ_FILE]
set -euo pipefail

png=""
if [ "${1:-}" = "--png" ]; then
    png=${2:?"--png needs a file name"}
    png=$(realpath -m "$png")
    shift 2
fi
quiz=""
if [ -n "${1:-}" ]; then
    quiz=$(realpath "$1")
fi
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
if [ -n "$quiz" ]; then
    # The check's own messages, before CMake could wrap them in its own.
    scripts/check-quiz.sh "$quiz" || exit 1
    build=build-quiz
    cmake -S . -B "$build" -G Ninja -DZORT_BUILD_TESTS=OFF -DZORT_QUIZ="$quiz" >/dev/null
else
    build=build
    cmake -S . -B "$build" -G Ninja -DZORT_BUILD_TESTS=OFF -UZORT_QUIZ >/dev/null
fi
cmake --build "$build" --target zort
program=$(cat "$build/program-path")

if [ -n "$png" ]; then
    command -v import >/dev/null || scripts/setup-debian.sh imagemagick
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$2" & pid=$!
        sleep 2
        import -window root -crop 760x500+0+0 "$1"
        kill $pid' _ "$png" "$program"
    echo "Saved a picture of the quiz window to $png"
    exit 0
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    "$build/quiztool/zort-quiz" say no-display "scripts/run.sh --png zort.png${quiz:+ $1}"
    exit 1
fi
exec "$program"
