#!/usr/bin/env bash
# Builds the quiz and starts it. Without a display, `scripts/run.sh --png FILE` renders the window
# under a virtual display and saves it to FILE instead.
set -euo pipefail
cd "$(dirname "$0")/.."

png=""
if [ "${1:-}" = "--png" ]; then
    png=${2:?"--png needs a file name"}
fi

scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DZORT_BUILD_TESTS=OFF >/dev/null
cmake --build build

if [ -n "$png" ]; then
    png=$(realpath -m "$png")
    command -v import >/dev/null || scripts/setup-debian.sh imagemagick
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        build/zort & pid=$!
        sleep 2
        import -window root -crop 760x500+0+0 "$1"
        kill $pid' _ "$png"
    echo "Saved a picture of the quiz window to $png"
    exit 0
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to show the quiz on: run 'scripts/run.sh --png zort.png' to render the window under a virtual display into a PNG instead." >&2
    exit 1
fi
exec build/zort
