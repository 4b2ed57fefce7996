#!/usr/bin/env bash
# The Windows build tested under Wine; scripts/test.sh runs it as its Windows lane.
#
# 1. Builds Qt for Windows when it is not in ~/.cache/zort yet, then the programs, the tests and the
#    installer (scripts/build-windows.sh --tests).
# 2. Runs the Windows tests through CTest under Wine, on Qt's offscreen platform.
# 3. Starts the laid-out program (build-win/dist/ZORT, what the zip holds) on a virtual display with
#    the Windows platform, and checks its screenshot's colours: the green window, the counter, the
#    four buttons' faces, and dark text on the white lists.
# 4. Installs with the installer, silently, into a new Wine prefix; starts the program where it was
#    installed, through the .zort file type, with the capitals example as a bundle, and takes that
#    quiz with keys alone (windows/play-quiz.sh: xdotool types, the score is read off the screen);
#    uninstalls, and checks that no file, folder, shortcut or registry key of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/setup-debian.sh wine wine64 xvfb xauth imagemagick python3-fonttools xdotool tesseract-ocr \
    tesseract-ocr-bul
# The build's output shown on standard error as it goes (not through tee /dev/stderr, which empties
# a log file that standard error writes to).
installer=$(scripts/build-windows.sh --tests | tee >(cat >&2) | tail -n 1)
echo "(built in $SECONDS s)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)

echo "== The Windows tests under Wine"
. windows/wine-env.sh "$root/build-win/wine"
start=$SECONDS
(cd build-win && ctest --output-on-failure -j"$(nproc)")
echo "(the tests under Wine took $((SECONDS - start)) s)"
# The tests' Wine processes ran without a display; one left behind would keep the program's window
# from the virtual one.
timeout 120 wineserver -k || true

# shot NAME MIN_GREEN PROGRAM [ARGS...]: starts PROGRAM under Wine on a virtual display, waits for
# its window (at most 3 minutes: the first start in a new prefix on a busy machine took over 90 s),
# saves the screen as build-win/NAME.png and checks its colours. With ZORT_PLAY=QUIZ.toml, then
# takes that quiz by keyboard in the window (build-win/NAME-played.png).
shot() {
    local name=$1 min_green=$2
    shift 2
    xvfb-run -a -s "-screen 0 1024x768x24 -wr" bash -s "$root" "$name" "$min_green" "$@" <<'EOF'
root=$1 png=$1/build-win/$2.png played=$1/build-win/$2-played.png min_green=$3
shift 3
wine "$@" >/dev/null 2>&1 &
# count RRGGBB: how many pixels of the screenshot have exactly that colour.
count() { convert "$png" -format %c histogram:info:- | awk -v c="#$1" 'toupper($3) == c { n = $1 } END { print n + 0 }'; }
for _ in $(seq 90); do
    sleep 2
    import -window root "$png"
    [ "$(count 008000)" -ge "$min_green" ] && break
done
# The window is drawn: the counter, the faces of the four buttons (Оцени is disabled at start and
# keeps its face), and text: near-black pixels in the white lists.
sleep 2
import -window root "$png"
status=0
for colour in 008000:$min_green FFC080:800 FF8000:500 FFFF80:500 C0C0FF:500 00C000:500; do
    n=$(count "${colour%:*}")
    if [ "$n" -lt "${colour#*:}" ]; then
        echo "$png: $n pixels of #${colour%:*}, fewer than ${colour#*:}"
        status=1
    fi
done
# Within the window (the green's bounding box), not the screen around it.
window=$(convert "$png" -fill white +opaque '#008000' -format %@ info:)
text=$(convert "$png" -crop "$window" +repage -colorspace Gray -threshold 25% -negate -format '%[fx:int(mean*w*h)]' info:)
if [ "$text" -lt 4000 ]; then
    echo "$png: only $text dark pixels: the texts are not drawn"
    status=1
fi
if [ $status = 0 ] && [ -n "${ZORT_PLAY:-}" ]; then
    "$root/windows/play-quiz.sh" "$ZORT_PLAY" "$played" || status=1
fi
wineserver -k || true
exit $status
EOF
}

echo "== The laid-out program on a virtual display (build-win/dist/ZORT)"
# Only what the folder holds: no DLL from Qt's or the compiler's folders.
(unset WINEPATH; shot zort-windows 40000 "$root/build-win/dist/ZORT/zort.exe")
echo "build-win/zort-windows.png: the colours are right"

echo "== The installer, silently into a new Wine prefix, and the uninstaller"
rm -rf "$root/build-win/wine-install"
. windows/wine-env.sh "$root/build-win/wine-install"
unset WINEPATH
drive=$WINEPREFIX/drive_c
dir="$drive/Program Files/ZORT"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
keys=('HKLM\Software\Classes\.zort' 'HKLM\Software\Classes\ZORT.Quiz'
      'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORT')
timeout 300 wine "$installer" /S
timeout 120 wineserver -w
[ -f "$dir/zort.exe" ] && [ -f "$dir/uninstall.exe" ] && [ -f "$dir/platforms/qwindows.dll" ] ||
    { echo "The installer put no program in $dir"; exit 1; }
[ -f "$menu/ZORT.lnk" ] || { echo "No Start-menu entry ZORT"; exit 1; }
for key in "${keys[@]}"; do
    timeout 60 wine reg query "$key" >/dev/null 2>&1 || { echo "The installer wrote no $key"; exit 1; }
done
command=$(timeout 60 wine reg query 'HKLM\Software\Classes\ZORT.Quiz\shell\open\command' /ve | tr -d '\r')
[[ $command == *'"C:\Program Files\ZORT\zort.exe" "%1"'* ]] || { echo "Open command: $command"; exit 1; }
# The installed files are exactly the laid-out ones, and the uninstaller.
diff <(cd build-win/dist/ZORT && find . -type f | sort) \
     <(cd "$dir" && find . -type f ! -name uninstall.exe | sort)
# A bundle opened as a double-click opens it: through the file type, by the installed program.
build-win-host/quiztool/zort-quiz bundle examples/capitals/capitals.toml build-win/capitals.zort >/dev/null
# The prefix's Wine processes so far ran without a display; one left behind would keep the program's
# windows from the virtual one.
timeout 120 wineserver -k || true
ZORT_PLAY=examples/capitals/capitals.toml shot zort-installed 40000 start /unix "$root/build-win/capitals.zort"
echo "build-win/zort-installed.png: the installed program opened a bundle, and its colours are right"
echo "build-win/zort-installed-played.png: the whole quiz taken by keyboard, and the score is right"

timeout 300 wine "C:\\Program Files\\ZORT\\uninstall.exe" /S
timeout 120 wineserver -w
# The uninstaller runs from a copy of itself, which ends after wineserver's wait: look again later.
for _ in $(seq 30); do [ -e "$dir" ] || break; sleep 2; done
[ ! -e "$dir" ] || { echo "Left after uninstalling:"; find "$dir"; exit 1; }
[ ! -e "$menu/ZORT.lnk" ] && [ ! -e "$menu/ZORT Студио.lnk" ] || { echo "A Start-menu entry is left"; exit 1; }
for key in "${keys[@]}"; do
    if timeout 60 wine reg query "$key" >/dev/null 2>&1; then echo "Left after uninstalling: $key"; exit 1; fi
done
timeout 120 wineserver -k || true
echo "Installer $installer: installs, opens, uninstalls with nothing left"
# The zip holds the same files as the installer.
diff <(cmake -E tar tf "build-win/zort-$version-windows.zip" | grep -v '/$' | sort) \
     <(cd build-win/dist && find ZORT -type f | sort)
echo "build-win/zort-$version-windows.zip holds the laid-out files"
echo "(the Windows lane took $SECONDS s)"
