#!/usr/bin/env bash
# Builds, once, what the Windows build links against, for MinGW-w64 and from Debian's own source
# packages: Qt (the host's version, with Debian's patches), libcsv and libzip, and toml++'s headers.
# They are kept in ~/.cache/zort/<key>/ (ZORT_CACHE moves it), where the key is the Qt version and
# a hash of the configure options and the toolchain file; another run with the same key reuses them.
#
#   windows/deps.sh         build what is missing; the last line printed is the folder
#   windows/deps.sh --key   print the folder only, built or not
#
# Qt takes about 35 CPU minutes (20 minutes on two idle cores); libcsv and libzip a minute.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${ZORT_CACHE:-$HOME/.cache/zort}
triple=x86_64-w64-mingw32

# The host's Qt runs moc, rcc and uic for the Windows build, so the Windows Qt is the same version.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
    { echo "windows/deps.sh: qt6-base-dev is not installed (scripts/setup-debian.sh installs it)" >&2; exit 1; }

# Shared and release; only the modules and plugins the programs and their tests use (Concurrent:
# the studio checks a quiz on a worker thread). Qt's own freetype makes the offscreen platform (the
# tests' platform) build for Windows; zstd is off because the host's rcc is told not to use it.
# DirectWrite 3 goes with Direct2D: Qt 6.4 turns it on without Direct2D but then leaves out its font
# database, and the Windows platform plugin fails to link (GDI's fonts are 6.4's default anyway).
qt_options=(
    -release -shared -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -no-feature-opengl -no-feature-vulkan -no-feature-sql -no-feature-network -no-feature-xml
    -no-feature-printsupport -no-feature-dbus -no-feature-tabletevent
    -no-feature-direct2d -no-feature-directwrite3 -no-feature-zstd -no-feature-icu
    -qt-freetype -qt-harfbuzz -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre
)
hash=$( { printf '%s\n' "${qt_options[@]}"; cat "$here/mingw-toolchain.cmake"; } | sha256sum | cut -c1-12)
key="$cache/qt-${qt_version%%+*}-mingw-$hash"
if [ "${1:-}" = --key ]; then
    echo "$key"
    exit 0
fi

mkdir -p "$cache/logs"
exec 9>"$cache/lock"
flock 9 # one build at a time; a second caller waits and then reuses it

# Debian's source packages, through a private list of deb-src entries copied from the system's deb
# entries, so the system's apt configuration stays as it is.
apt_source() { # package=version [again]
    local apt="$cache/apt"
    mkdir -p "$apt/lists/partial" "$apt/sources" "$cache/src"
    local opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources"
                -o "Dir::State::Lists=$apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    if [ ! -e "$apt/updated" ] || [ "${2:-}" = again ]; then
        : >"$apt/sources/src.list"
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -e "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt/sources/$(basename "$f")"
        done
        if [ -e /etc/apt/sources.list ]; then
            sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$apt/sources/src.list"
        fi
        apt-get "${opts[@]}" update -qq
        touch "$apt/updated"
    fi
    # Lists read long ago may no longer have that version: read them again once.
    (cd "$cache/src" && apt-get "${opts[@]}" source -qq --only-source "$1" >/dev/null) ||
        { [ "${2:-}" != again ] && apt_source "$1" again; }
}

# source_dir PACKAGE VERSION: the unpacked source with Debian's patches applied (dpkg-source does).
source_dir() {
    local upstream=${2#*:}
    upstream=${upstream%-*}
    local dir="$cache/src/$1-$upstream"
    [ -f "$cache/src/$1_${2#*:}.dsc" ] && [ -d "$dir" ] || apt_source "$1=$2"
    echo "$dir"
}

# Run long builds below everyone else's, on a shared machine.
slow() { nice -n 10 "$@"; }
export ZORT_MINGW_ROOTS="$key/qt:$key/deps"
toolchain="$here/mingw-toolchain.cmake"

if [ ! -e "$key/qt/.complete" ]; then
    src=$(source_dir qt6-base "$qt_version")
    build="$cache/build/qt-$hash"
    log="$cache/logs/qt-$hash.log"
    echo "Building Qt $qt_version for Windows into $key/qt (log: $log)"
    rm -rf "$key/qt"
    start=$(date +%s)
    # A build stopped half-way (a session's end, a reboot) goes on from where it stopped.
    if [ ! -e "$build/build.ninja" ]; then
        rm -rf "$build"
        mkdir -p "$build"
        (cd "$build" && slow "$src/configure" -prefix "$key/qt" "${qt_options[@]}" -- -G Ninja \
             -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >"$log" 2>&1 ||
            { tail -n 40 "$log" >&2; echo "windows/deps.sh: configuring Qt failed; the whole log is $log" >&2; exit 1; }
    fi
    if ! (cd "$build" && slow cmake --build . --parallel "$(nproc)" && cmake --install .) >>"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "windows/deps.sh: the Qt build failed; the whole log is $log" >&2
        exit 1
    fi
    { echo "Qt $qt_version, built in $(( $(date +%s) - start )) s (the last run)"; printf '%s\n' "${qt_options[@]}"; } >"$key/qt/.complete"
    rm -rf "$build"
fi

# libcsv and libzip, at the versions the host builds against.
csv_version=$(dpkg-query -W -f='${source:Version}' libcsv-dev)
zip_version=$(dpkg-query -W -f='${source:Version}' libzip-dev)
deps_stamp="libcsv $csv_version, libzip $zip_version, toml++ $(dpkg-query -W -f='${Version}' libtomlplusplus-dev)"
if [ "$(cat "$key/deps/.complete" 2>/dev/null)" != "$deps_stamp" ]; then
    echo "Building libcsv and libzip for Windows into $key/deps"
    rm -rf "$key/deps"
    mkdir -p "$key/deps/include" "$key/deps/lib"
    log="$cache/logs/deps-$hash.log"
    (
        # libcsv is one C file: a static library, as the host links it.
        src=$(source_dir libcsv "$csv_version")
        tmp=$(mktemp -d)
        $triple-gcc-posix -O2 -c "$src/libcsv.c" -I"$src" -o "$tmp/libcsv.o"
        $triple-ar rcs "$key/deps/lib/libcsv.a" "$tmp/libcsv.o"
        cp "$src/csv.h" "$key/deps/include/"
        rm -rf "$tmp"

        # libzip as a DLL with zlib inside it; no compression methods or encryption beyond deflate.
        src=$(source_dir libzip "$zip_version")
        build="$cache/build/libzip-$hash"
        rm -rf "$build"
        slow cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$key/deps" -DBUILD_SHARED_LIBS=ON \
            -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF \
            -DENABLE_OPENSSL=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
            -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
            -DZLIB_LIBRARY=/usr/$triple/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/$triple/include
        slow cmake --build "$build"
        cmake --install "$build"
        rm -rf "$build"

        # toml++ is header-only: the host's headers serve both.
        cp -r /usr/include/toml++ "$key/deps/include/"
    ) >"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "windows/deps.sh: see $log" >&2; exit 1; }
    echo "$deps_stamp" >"$key/deps/.complete"
fi

echo "$key"
