#!/usr/bin/env bash
# Builds the Debian package of each build with its CPack configuration and checks it against what
# the build installs: name, version, architecture, file name, that every library the program links
# and the font package no library links are dependencies, that it holds exactly the files of the
# install manifest (plus Debian's copyright and changelog) under /usr, owned by root with plain
# permissions, that it has no maintainer scripts or conffiles (so a purge leaves nothing), that the
# metainfo and the changelog carry the version, and that lintian finds no error. Then that no two
# packages hold the same file, so they install side by side. A quiz's package may have a version
# and a maintainer of its own, from its quiz file.
#   check_package.sh VERSION BUILD_DIR:PACKAGE:APP_ID[:VERSION:MAINTAINER]...
set -uo pipefail
default_version=${1:?"usage: check_package.sh VERSION BUILD_DIR:PACKAGE:APP_ID[:VERSION:MAINTAINER]..."}
shift
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in cpack dpkg-deb dpkg-shlibdeps file lintian readelf; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup-debian.sh installs it)"; exit 1; }
done
arch=$(dpkg --print-architecture)
tmp=$(mktemp -d)
# Packaging and installing rewrite a build's install manifests; a real install's uninstall needs them.
saved=()
restore() {
    for m in "${saved[@]}"; do
        if [ -f "$tmp/saved/$m" ]; then mv -f "$tmp/saved/$m" "$m"; else rm -f "$m"; fi
    done
    rm -rf "$tmp"
}
trap restore EXIT

# The package that holds the library a program loads under this name.
owner() {
    local path
    path=$(ldd "$2" | awk -v lib="$1" '$1 == lib { print $3 }')
    [ -n "$path" ] || return 1
    for p in "$path" "$(realpath "$path")" "${path#/usr}" "/usr$path"; do
        dpkg -S "$p" 2>/dev/null | head -n1 | cut -d: -f1 && return 0
    done
    return 1
}

n=0
for entry in "$@"; do
    IFS=: read -r build package id version maintainer <<<"$entry"
    version=${version:-$default_version}
    n=$((n + 1))
    mkdir -p "$tmp/out$n" "$tmp/root$n"
    for m in "$build/install_manifest.txt" "$build/install_manifest_debian.txt"; do
        saved+=("$m")
        mkdir -p "$tmp/saved/$(dirname "$m")"
        [ -f "$m" ] && cp -p "$m" "$tmp/saved/$m"
    done

    log=$(cpack --config "$build/CPackConfig.cmake" -B "$tmp/out$n" 2>&1) || { fail "cpack for $package: $log"; continue; }
    deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log")
    [ -f "$deb" ] || { fail "cpack made no package for $package: $log"; continue; }
    [ "${deb##*/}" = "${package}_${version}_${arch}.deb" ] || fail "package file ${deb##*/}"

    field() { dpkg-deb --field "$deb" "$1"; }
    [ "$(field Package)" = "$package" ] || fail "Package: $(field Package), expected $package"
    [ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
    [ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture), expected $arch"
    [ -z "$maintainer" ] || [ "$(field Maintainer)" = "$maintainer" ] ||
        fail "Maintainer: $(field Maintainer), expected $maintainer"
    depends=" $(field Depends | sed 's/ *([^)]*)//g; s/,/ /g') "

    DESTDIR=$tmp/root$n cmake --install "$build" --prefix /usr >/dev/null &&
        DESTDIR=$tmp/root$n cmake --install "$build" --prefix /usr --component debian >/dev/null ||
        { fail "cmake --install of $build"; continue; }
    sed "s|^$tmp/root$n||" "$build/install_manifest.txt" "$build/install_manifest_debian.txt" | sort >"$tmp/manifest$n"
    program=$tmp/root$n/usr/bin/$package
    needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    [ -n "$needed" ] || fail "$package links no library?"
    for lib in $needed; do
        pkg=$(owner "$lib" "$program") || { fail "no package holds $lib"; continue; }
        [[ $depends == *" $pkg "* ]] || fail "$package links $lib from $pkg, which it does not depend on: $(field Depends)"
    done
    [[ $depends == *" fonts-liberation "* ]] || fail "$package does not depend on fonts-liberation: $(field Depends)"

    dpkg-deb --contents "$deb" >"$tmp/contents$n"
    awk '$1 ~ /^-/ { print substr($6, 2) }' "$tmp/contents$n" | sort >"$tmp/files$n"
    out=$(diff "$tmp/manifest$n" "$tmp/files$n") || fail "$package differs from the install manifest (< manifest, > package):
$out"
    out=$(awk '$6 !~ /^\.\/usr\// || $2 != "root/root" ||
               ($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
               ($1 ~ /^-/ && $1 != ($6 ~ /^\.\/usr\/bin\// ? "-rwxr-xr-x" : "-rw-r--r--")) ||
               $1 !~ /^[-d]/' "$tmp/contents$n")
    [ -z "$out" ] || fail "$package has entries outside /usr, not root's or with odd permissions:
$out"
    control=$(dpkg-deb --info "$deb" | awk '/^ +[0-9]+ bytes, +[0-9]+ lines/ { print $NF }' | sort | xargs)
    [ "$control" = "control md5sums" ] || fail "$package has control files $control; a purge must leave nothing"

    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/metainfo/$id.metainfo.xml" |
        grep -q "<release version=\"$version\"" || fail "$package: metainfo has no release $version"
    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/doc/$package/changelog.gz" | gzip -dc |
        head -n1 | grep -qF "$package ($version)" || fail "$package: changelog does not start with $version"

    out=$(lintian --fail-on error "$deb" 2>&1 | grep -v '^running with root privileges')
    status=${PIPESTATUS[0]}
    [ -n "$out" ] && echo "lintian $package:" && echo "$out"
    [ "$status" -eq 0 ] || fail "lintian finds errors in $package"
done

for ((a = 1; a <= n; a++)); do
    for ((b = a + 1; b <= n; b++)); do
        out=$(comm -12 "$tmp/files$a" "$tmp/files$b")
        [ -z "$out" ] || fail "packages $a and $b both hold:
$out"
    done
done

if [ "$failures" -gt 0 ]; then
    echo "$failures package check(s) failed"
    exit 1
fi
echo "$n packages match their install manifests and share no file"
