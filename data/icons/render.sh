#!/usr/bin/env bash
# Renders the launcher icon's PNG sizes from the SVG; run after changing the SVG and commit the
# PNGs and the Windows icon (the build only copies them). Needs librsvg2-bin, optipng and imagemagick.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.example.zort.svg -o "org.example.zort-$size.png"
    optipng -quiet -o7 -strip all "org.example.zort-$size.png"
done
# The Windows programs' icon holds every size, for Explorer, the Start menu and the title bar.
convert $(printf 'org.example.zort-%s.png ' 16 24 32 48 64 128 256) ../../windows/zort.ico
