#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest. Window tests use
# Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DZORT_BUILD_TESTS=ON >/dev/null
cmake --build build
cd build
ctest --output-on-failure -j"$(nproc)"
