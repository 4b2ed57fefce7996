#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs from it: the program,
# a launcher that desktop-file-validate accepts and that names the program and the icon really
# installed, the icon as SVG and as PNGs of the size their folder claims, and metainfo that
# appstreamcli accepts together with the launcher it points to, and the file type of quiz bundles
# that the built-in quiz's launcher opens. Every installed file is named after
# the program or its app id, so quizzes built from quiz files install side by side.
#   check_install.sh BUILD_DIR                        the built-in quiz: zort, org.example.zort
#   check_install.sh BUILD_DIR PROGRAM APP_ID CAPTION a quiz file's build: its launcher is named CAPTION
set -uo pipefail
build=${1:?"usage: check_install.sh BUILD_DIR [PROGRAM APP_ID CAPTION]"}
program=${2:-zort}
id=${3:-org.example.zort}
caption=${4:-}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup-debian.sh installs it)"; exit 1; }
done

prefix=$(mktemp -d)
# cmake --install rewrites the build's install manifest, which a real install's uninstall needs.
manifest=$build/install_manifest.txt
[ -f "$manifest" ] && cp -p "$manifest" "$prefix.manifest"
restore() { if [ -f "$prefix.manifest" ]; then mv -f "$prefix.manifest" "$manifest"; else rm -f "$manifest"; fi; }
trap 'restore; rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

share=$prefix/share
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml

[ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed or not executable"
while read -r file; do
    name=${file##*/}
    [ "$file" = "$prefix/bin/$program" ] || [ "${name#"$id".}" != "$name" ] ||
        { [ -z "$caption" ] && [ "$file" = "$prefix/bin/zort-studio" ]; } ||
        fail "$file is named after neither $program nor $id, so it may clash with another quiz's"
done <"$build/install_manifest.txt"
[ -f "$desktop" ] || fail "no launcher $desktop"
[ -f "$metainfo" ] || fail "no metainfo $metainfo"

# ZORT Studio, installed with the built-in quiz: its launcher starts it and shows the quiz's icon.
studio=$share/applications/$id.studio.desktop
if [ -z "$caption" ]; then
    [ -x "$prefix/bin/zort-studio" ] || fail "bin/zort-studio is not installed or not executable"
    if [ -f "$studio" ]; then
        out=$(desktop-file-validate "$studio" 2>&1) || fail "desktop-file-validate: $out"
        [ -z "$out" ] || fail "desktop-file-validate hints: $out"
        [ "$(sed -n 's/^Exec=//p' "$studio" | cut -d' ' -f1)" = zort-studio ] || fail "the studio's Exec is not zort-studio"
        [ "$(sed -n 's/^Icon=//p' "$studio")" = "$id" ] || fail "the studio's Icon is not $id"
    else
        fail "no launcher $studio"
    fi
    # Its own metainfo, for software centres (validate-tree below checks it with the others).
    studio_metainfo=$share/metainfo/$id.studio.metainfo.xml
    if [ -f "$studio_metainfo" ]; then
        grep -q "<launchable type=\"desktop-id\">$id.studio.desktop</launchable>" "$studio_metainfo" ||
            fail "the studio's metainfo does not launch $id.studio.desktop"
        grep -q "<binary>zort-studio</binary>" "$studio_metainfo" || fail "the studio's metainfo does not provide zort-studio"
    else
        fail "no metainfo $studio_metainfo"
    fi
fi

if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate hints: $out"
    key() { sed -n "s/^$1=//p" "$desktop"; }
    exec_name=$(key Exec | cut -d' ' -f1)
    [ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
    [ "$exec_name" = "$program" ] || fail "Exec=$exec_name, expected $program"
    [ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), expected $id"
    if [ -z "$caption" ]; then
        [ "$(key Categories)" = "Education;Languages;" ] || fail "Categories=$(key Categories)"
        for k in Name 'Name\[bg\]' Comment 'Comment\[bg\]'; do
            [ -n "$(key "$k")" ] || fail "launcher has no $k"
        done
    else
        [ "$(key Name)" = "$caption" ] || fail "Name=$(key Name), expected the caption $caption"
        [ "$(key Categories)" = "Education;" ] || fail "Categories=$(key Categories)"
    fi
fi

# The built-in quiz's program opens quiz bundles: their file type is installed, the database a
# desktop builds from it knows *.zort, and the launcher is given the file (%f).
if [ -z "$caption" ]; then
    mime=$share/mime/packages/$id.xml
    if [ ! -f "$mime" ]; then
        fail "no file type $mime"
    elif ! command -v update-mime-database >/dev/null; then
        fail "update-mime-database is missing (scripts/setup-debian.sh installs shared-mime-info)"
    else
        out=$(update-mime-database "$share/mime" 2>&1) || fail "update-mime-database: $out"
        grep -qxF 'application/x-zort-quiz:*.zort' "$share/mime/globs" 2>/dev/null ||
            fail "the file type database made from $mime has no *.zort"
    fi
    if [ -f "$desktop" ]; then
        grep -qx 'Exec=zort %f' "$desktop" || fail "the launcher does not pass the file: $(grep '^Exec=' "$desktop")"
        grep -q '^MimeType=\(.*;\)\?application/x-zort-quiz;' "$desktop" ||
            fail "the launcher does not open application/x-zort-quiz"
    fi
fi

if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    # The tree check also follows the launchable to the installed launcher.
    out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) || fail "appstreamcli validate-tree: $out"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<binary>$program</binary>" "$metainfo" || fail "metainfo does not provide $program"
    if [ -n "$caption" ]; then
        xml=${caption//&/\&amp;}; xml=${xml//</\&lt;}; xml=${xml//>/\&gt;}
        grep -qF "<name>$xml</name>" "$metainfo" || fail "metainfo name is not the caption $xml"
    fi
fi

grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null || fail "no scalable SVG icon"
pngs=0
for dir in "$share"/icons/hicolor/*x*/apps; do
    size=${dir%/apps}; size=${size##*/}
    png=$dir/$id.png
    [ -f "$png" ] || { fail "no $png"; continue; }
    pngs=$((pngs + 1))
    # PNG signature, then IHDR with width and height as 32-bit big-endian numbers.
    read -r -a b <<<"$(od -An -tu1 -w24 -N24 "$png")"
    [ "${b[1]} ${b[2]} ${b[3]}" = "80 78 71" ] || { fail "$png is not a PNG"; continue; }
    w=$(( (b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19] ))
    h=$(( (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23] ))
    [ "${w}x${h}" = "$size" ] || fail "$png is ${w}x${h}, its folder says $size"
done
[ "$pngs" -ge 4 ] || fail "only $pngs PNG icon sizes installed"

if [ "$failures" -gt 0 ]; then
    echo "$failures installation check(s) failed"
    exit 1
fi
echo "installed into a temporary prefix: launcher, metainfo and $pngs PNG icon sizes plus SVG are valid"
