#!/usr/bin/env bash
# CTest's runner for the Windows build's tests (CMAKE_CROSSCOMPILING_EMULATOR):
#   windows/wine-run.sh PREFIX PROGRAM [ARGS...]
# runs PROGRAM under Wine in the Wine prefix PREFIX. Wine keeps QT_* variables for its own use and
# gives a program WINEQT_* under the name QT_*, so the test's QT_ variables are passed that way.
# A Qt Test's report comes back through a file: Wine returns none of its console output.
set -uo pipefail
prefix=$1 program=$2
shift 2
. "$(dirname "$0")/wine-env.sh" "$prefix"
while IFS='=' read -r name value; do
    export "WINE$name=$value"
done < <(env | grep '^QT_')
# The offscreen platform reads fonts from a folder, not from Windows (wine-env.sh makes it).
WINEQT_QPA_FONTDIR=$(zort_winpath "$WINEPREFIX/fonts")
export WINEQT_QPA_FONTDIR

# Wine's output goes to a file, never straight to CTest's pipe: the first program in a prefix starts
# wineserver and Wine's own services, which keep its output open long after the program ended, and
# CTest waits for the pipe to close, so the test would run into its time-out having passed.
status=0
output=$(mktemp)
case $(basename "$program") in
    tst_*)
        report=$(mktemp)
        timeout 280 wine "$program" "$@" -o "$(zort_winpath "$report"),txt" >"$output" 2>&1 </dev/null || status=$?
        cat "$report" "$output"
        rm -f "$report" ;;
    *)  timeout 280 wine "$program" "$@" >"$output" 2>&1 </dev/null || status=$?
        cat "$output" ;;
esac
rm -f "$output"
exit "$status"
