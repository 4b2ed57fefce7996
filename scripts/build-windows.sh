#!/usr/bin/env bash
# Builds ZORT for 64-bit Windows on this Debian machine, and its installer.
#
#   scripts/build-windows.sh [--tests]
#
# 1. Qt, libcsv and libzip for MinGW-w64 from Debian's sources (windows/deps.sh), kept in
#    ~/.cache/zort/ and reused: the first time about 20 minutes on two idle cores.
# 2. The quiz tool for this machine (build-win-host/), which the Windows build runs on the quizzes.
# 3. The programs for Windows (build-win/); with --tests, the tests too.
# 4. build-win/dist/ZORT/: the programs with exactly the DLLs and Qt plugins they load, and qt.conf.
# 5. build-win/zort-setup-VERSION.exe (NSIS, windows/zort.nsi) and build-win/zort-VERSION-windows.zip
#    of the same files, for computers where nothing is installed.
#
# The last line printed is the installer's path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
tests=OFF
[ "${1:-}" = --tests ] && tests=ON

scripts/setup-debian.sh g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev nsis dpkg-dev \
    qt6-translations-l10n
key=$(windows/deps.sh | tee >(cat >&2) | tail -n 1)
export ZORT_MINGW_ROOTS="$key/qt:$key/deps"
triple=x86_64-w64-mingw32

# Compilers through ccache when it is there: a second clone (CI's) compiles little again.
launchers=()
if command -v ccache >/dev/null; then
    launchers=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
fi

echo "== The quiz tool for this machine (build-win-host)"
nice -n 10 cmake -S . -B build-win-host -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORT_BUILD_TESTS=OFF \
    "${launchers[@]}" >/dev/null
nice -n 10 cmake --build build-win-host --parallel "$(nproc)" --target zort-quiz
host_tool=$root/build-win-host/quiztool/zort-quiz

echo "== The programs for Windows (build-win)"
# Tests run under Wine through windows/wine-run.sh, in the Wine prefix of this build folder.
nice -n 10 cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/windows/mingw-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$key/qt;$key/deps" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DZORT_QUIZ_TOOL="$host_tool" -DZORT_BUILD_TESTS=$tests "${launchers[@]}" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/windows/wine-run.sh;$root/build-win/wine" >/dev/null
programs=(zort)
if grep -q '^zort-studio:' <(nice -n 10 cmake --build build-win --target help); then
    programs+=(zort-studio)
fi
if [ $tests = ON ]; then
    nice -n 10 cmake --build build-win --parallel "$(nproc)"
else
    nice -n 10 cmake --build build-win --parallel "$(nproc)" --target "${programs[@]}"
fi

echo "== The programs with what they load (build-win/dist/ZORT)"
dist=build-win/dist/ZORT
rm -rf build-win/dist
mkdir -p "$dist"
for p in "${programs[@]}"; do
    cp "$(find build-win -maxdepth 3 -name "$p.exe" -print -quit)" "$dist/"
    $triple-strip "$dist/$p.exe"
done
# The platform, the native look, and JPEG pictures (PNG is in QtGui itself).
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg; do
    mkdir -p "$dist/${plugin%/*}"
    cp "$key/qt/plugins/$plugin.dll" "$dist/$plugin.dll"
    $triple-strip --strip-unneeded "$dist/$plugin.dll"
done
# Qt looks for its plugins and translations beside the program only, never in the prefix it was
# built for.
printf '[Paths]\nPrefix = .\nPlugins = .\n' >"$dist/qt.conf"
# The studio shows Qt's own dialog texts in Bulgarian from there.
if [[ " ${programs[*]} " == *" zort-studio "* ]]; then
    mkdir -p "$dist/translations"
    cp /usr/share/qt6/translations/qtbase_bg.qm "$dist/translations/"
fi

# Every DLL the programs and plugins import, and theirs in turn, from Qt, the libraries and the
# compiler; what none of those has is Windows' own (KERNEL32, USER32, ...).
dll_dirs=("$key/qt/bin" "$key/deps/bin" "/usr/lib/gcc/$triple/"*-posix "/usr/$triple/lib")
find_dll() {
    local d
    for d in "${dll_dirs[@]}"; do
        local f
        f=$(find "$d" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)
        [ -n "$f" ] && { echo "$f"; return; }
    done
    return 0 # not found: one of Windows' own
}
declare -A seen=()
system_dlls=()
queue=("$dist"/*.exe "$dist"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
        lower=${name,,}
        [ -n "${seen[$lower]:-}" ] && continue
        seen[$lower]=1
        found=$(find_dll "$name")
        if [ -n "$found" ]; then
            cp "$found" "$dist/"
            $triple-strip --strip-unneeded "$dist/$(basename "$found")"
            queue+=("$dist/$(basename "$found")")
        else
            case $lower in
                qt6*|lib*|zip*|zlib*) echo "build-windows.sh: $file needs $name, which was not found" >&2; exit 1 ;;
            esac
            system_dlls+=("$name")
        fi
    done < <($triple-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
echo "Windows' own DLLs they use: ${system_dlls[*]}"
(cd "$dist" && find . -type f | sort | sed 's|^\./||' | tr '\n' ' '; echo)

echo "== The installer and the zip"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
# The installer's file lists, from the folder itself, so the uninstaller removes exactly those files.
files=build-win/installer-files.nsh
unfiles=build-win/uninstaller-files.nsh
{
    (cd "$dist" && find . -type d | sort) | while read -r d; do
        echo "SetOutPath \"\$INSTDIR${d#.}\"" | tr / '\\'
        find "$dist/$d" -maxdepth 1 -type f | sort | while read -r f; do echo "File \"$root/$f\""; done
    done
    echo 'SetOutPath "$INSTDIR"'
} >"$files"
{
    (cd "$dist" && find . -type f | sort) | while read -r f; do echo "Delete \"\$INSTDIR${f#.}\"" | tr / '\\'; done
    (cd "$dist" && find . -mindepth 1 -type d | sort -r) | while read -r d; do echo "RMDir \"\$INSTDIR${d#.}\"" | tr / '\\'; done
} >"$unfiles"
studio=()
[[ " ${programs[*]} " == *" zort-studio "* ]] && studio=(-DSTUDIO)
installer=$root/build-win/zort-setup-$version.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DOUTFILE="$installer" -DFILES="$root/$files" \
    -DUNFILES="$root/$unfiles" -DICON="$root/windows/zort.ico" "${studio[@]}" windows/zort.nsi
zip=$root/build-win/zort-$version-windows.zip
rm -f "$zip"
(cd build-win/dist && cmake -E tar cf "$zip" --format=zip ZORT)
echo "The zip, to unpack and start zort.exe without installing: $zip"
echo "$installer"
