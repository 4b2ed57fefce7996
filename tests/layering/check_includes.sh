#!/usr/bin/env bash
# Each folder is one library and may include only from itself and the folders below it. The
# order below is the build's (CMakeLists.txt); a folder not listed includes nothing of ours.
#   check_includes.sh SOURCE_DIR
set -uo pipefail
cd "${1:?usage: check_includes.sh SOURCE_DIR}"

# folder: the folders it may include from
declare -A allowed=(
    [core]="core"
    [quizfile]="quizfile"
    [quiztool]="quizfile"
    [quizopen]="quizopen quizfile core"
    [widgets]="widgets core"
    [settingswindow]="settingswindow widgets core"
    [quizwindow]="quizwindow settingswindow widgets core"
    [app]="quizwindow settingswindow widgets quizopen quizfile core"
    [studiocore]="studiocore quizfile"
    [studio]="studio studiocore quizwindow settingswindow widgets quizopen quizfile core"
)
failures=0
for folder in "${!allowed[@]}"; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%\"*}
        # An include without a folder is one of the folder's own files.
        [[ $target == */* ]] || { [ -f "$(dirname "$file")/$target" ] && continue; }
        ok=""
        for below in ${allowed[$folder]}; do
            [[ $target == "$below/"* ]] && ok=1
        done
        if [ -z "$ok" ]; then
            echo "FAIL: $file:$line includes \"$target\", which $folder/ may not use (it may use: ${allowed[$folder]})"
            failures=$((failures + 1))
        fi
    done < <(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#\s*include\s*"' "$folder")
done
[ "$failures" -eq 0 ] && echo "Every include stays within its folder and those below it."
exit $((failures > 0))
