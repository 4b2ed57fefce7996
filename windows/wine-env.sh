# shellcheck shell=bash
# Sourced: `. windows/wine-env.sh PREFIX` sets up Wine for the Windows build's tests, in the private
# Wine prefix PREFIX, made on first use. Programs find Qt's, the libraries' and the compiler's DLLs
# through WINEPATH, and "Times New Roman" is Liberation Serif, as fontconfig makes it on Linux
# (Wine's own stand-in has no Cyrillic letters).
zort_windows=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine shows the whole Linux file system as drive Z:.
zort_winpath() { local p=$1; echo "Z:${p//\//\\}"; }
zort_key=$("$zort_windows/deps.sh" --key)
WINEPATH="$(zort_winpath "$zort_key/qt/bin");$(zort_winpath "$zort_key/deps/bin")"
for d in /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib; do
    WINEPATH+=";$(zort_winpath "$d")"
done
export WINEPATH
if [ ! -e "$WINEPREFIX/.zort-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 8
        if [ ! -e "$WINEPREFIX/.zort-ready" ]; then
            timeout 300 wineboot -i >/dev/null 2>&1
            for face in "Times New Roman:Liberation Serif" "Arial:Liberation Sans" "Courier New:Liberation Mono"; do
                timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%:*}" /d "${face#*:}" /f >/dev/null 2>&1
            done
            timeout 120 wineserver -w
            # The offscreen platform (the tests') reads the fonts of one folder, and knows no
            # aliases: Liberation, and Liberation Serif once more under the name "Times New Roman".
            mkdir -p "$WINEPREFIX/fonts"
            cp /usr/share/fonts/truetype/liberation/*.ttf "$WINEPREFIX/fonts/"
            /usr/bin/python3 - "$WINEPREFIX/fonts" <<'EOF'
import sys
from fontTools.ttLib import TTFont
styles = {'Regular': '', 'Bold': ' Bold', 'Italic': ' Italic', 'BoldItalic': ' Bold Italic'}
for style, suffix in styles.items():
    font = TTFont(f'/usr/share/fonts/truetype/liberation/LiberationSerif-{style}.ttf')
    for record in font['name'].names:
        if record.nameID in (1, 16):
            record.string = 'Times New Roman'
        elif record.nameID == 4:
            record.string = 'Times New Roman' + suffix
        elif record.nameID == 6:
            record.string = 'TimesNewRoman-' + style
    font.save(f'{sys.argv[1]}/TimesNewRoman-{style}.ttf')
EOF
            touch "$WINEPREFIX/.zort-ready"
        fi
    ) 8>"$WINEPREFIX.lock"
fi
