#!/usr/bin/env bash
# Renders the README's screenshots under a virtual display (Xvfb) into docs/: the main window at
# start-up, during a test, after the evaluation with a green and a red verdict, with an
# explanation, and the settings window, at 100 %; the explanation and the settings window also at
# 150 % and 200 % (QT_SCALE_FACTOR). The pictures are reduced to a 256-colour palette so the
# repository stays small.
#
#   scripts/screenshots.sh               into docs/
#   scripts/screenshots.sh --all DIR     every step at every scale into DIR, for checking by eye
set -euo pipefail
cd "$(dirname "$0")/.."

out=docs
all=""
if [ "${1:-}" = "--all" ]; then
    all=1
    out=${2:?"--all needs a folder"}
fi
mkdir -p "$out"
out=$(realpath "$out")

scripts/setup-debian.sh pngquant
cmake -S . -B build-shots -G Ninja -DZORT_BUILD_TESTS=OFF -DZORT_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build build-shots --target zort_shots zort_studio_shots

shots=build-shots/tools/screenshots/zort_shots
render() { # scale suffix [only]
    local only=()
    [ -n "${3:-}" ] && only=(--only "$3")
    QT_SCALE_FACTOR=$1 xvfb-run -a -s "-screen 0 2400x1600x24" \
        "$shots" "$out" --suffix "$2" "${only[@]}" >/dev/null
}

# A fixed style and no desktop theme, so the pictures do not depend on the machine.
export QT_QPA_PLATFORMTHEME= QT_STYLE_OVERRIDE=fusion QT_LOGGING_RULES='qt.qpa.*=false'
render 1 ""
if [ -n "$all" ]; then
    render 1.5 "@150"
    render 2 "@200"
else
    render 1.5 "@150" main-explanation,settings
    render 2 "@200" main-explanation,settings
fi

# ZORT Studio: the example opened, its problems, the import dialog; the first also at 150 and 200 %.
studio() { # scale suffix [--only NAME]
    QT_SCALE_FACTOR=$1 xvfb-run -a -s "-screen 0 2400x1600x24" \
        build-shots/tools/screenshots/zort_studio_shots "$out" examples/capitals/capitals.toml --suffix "$2" "${@:3}" >/dev/null
}
studio 1 ""
if [ -n "$all" ]; then
    studio 1.5 "@150"
    studio 2 "@200"
else
    studio 1.5 "@150" --only studio
    studio 2 "@200" --only studio
fi

for png in "$out"/main-*.png "$out"/settings*.png "$out"/studio*.png; do
    pngquant --force --skip-if-larger --strip --speed 1 --quality 70-95 --output "$png" -- "$png" || true
done
ls -l "$out"/main-*.png "$out"/settings*.png "$out"/studio*.png
