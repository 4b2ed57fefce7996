#!/usr/bin/env bash
# Builds the Debian package of the built-in quiz (zort_<version>_<arch>.deb), or with a quiz file the
# package of that quiz (zort-<id>_<version>_<arch>.deb), in build-package/ with Debian's hardening
# flags. The last line of output is the package's path. A quiz file with problems gives its messages
# and no package.
#   scripts/package.sh [QUIZ_FILE]
set -euo pipefail

quiz=""
if [ $# -gt 0 ]; then
    quiz=$(realpath -m "$1")   # a missing file is told so by the check, in the teacher's language
fi
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
build=build-package
# In the language of the check's messages, by the quiz tool check-quiz.sh builds.
no_package() {
    if [ -x build-quiz-tool/quiztool/zort-quiz ]; then build-quiz-tool/quiztool/zort-quiz say no-package
    else echo "No package was built." >&2; fi
}
# What Debian builds its own packages with: optimised, hardened, and with no build path in the binary.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# The check's own messages, before CMake could wrap them in its own; a quiz with problems stops here.
if [ -n "$quiz" ]; then
    scripts/check-quiz.sh "$quiz" >/dev/null || { no_package; exit 1; }
fi
mkdir -p "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORT_BUILD_TESTS=OFF -DZORT_QUIZ="$quiz" \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >"$build/configure.log" 2>&1 ||
    { grep -v '^-- ' "$build/configure.log" >&2; no_package; exit 1; }
cmake --build "$build"

log=$(cpack --config "$build/CPackConfig.cmake" -B "$build/packages" 2>&1) || { echo "$log" >&2; exit 1; }
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log")
[ -f "$deb" ] || { echo "$log" >&2; echo "cpack made no package" >&2; exit 1; }
echo "$deb"
