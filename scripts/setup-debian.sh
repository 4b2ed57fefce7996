#!/usr/bin/env bash
# Installs the Debian packages the quiz needs to build and to run its tests, when they are missing.
# Further package names given as arguments are installed the same way.
set -euo pipefail

packages=(
    cmake ninja-build g++          # build tools
    qt6-base-dev                   # Qt 6 Widgets, QtCore, QtGui and Qt Test
    libtomlplusplus-dev libcsv-dev # the quiz tool and the program read quiz files (TOML) and pairs tables (CSV)
    libzip-dev                     # and bundles: a quiz with its table and pictures in one zip
    libfontconfig-dev              # the programs read the font configuration early, on a thread of its own
    qt6-tools-dev qt6-l10n-tools   # ZORT Studio's translations: CMake's LinguistTools, lupdate, lrelease
    fonts-liberation               # "Times New Roman" resolves to Liberation Serif, with Cyrillic glyphs
    xvfb xauth                     # a virtual display for the screenshot of the run command
    desktop-file-utils appstream   # the install test validates the launcher and the metainfo,
    shared-mime-info               # and the bundle's file type
    dpkg-dev file lintian          # the package: CPack's dependency scan (dpkg-shlibdeps, file), its check
    "$@"                           # whatever the caller needs besides
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
