#!/bin/sh
# Regenerates ../SplashTessarine.bmp (523 x 297, 24-bit) from splash.svg.
# The bitmap is committed, so the build never runs this; it needs rsvg-convert
# (Debian package librsvg2-bin) and ImageMagick, and is run by hand after
# splash.svg changes.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
source_svg="$here/splash.svg"
target_bmp="$(cd "$here/.." && pwd)/SplashTessarine.bmp"
width=523
height=297

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "make_splash_bmp.sh: $tool is missing" >&2
        exit 1
    }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rsvg-convert --width "$width" --height "$height" --format png \
    --output "$work/splash.png" "$source_svg"
# BMP3 keeps it a plain 24-bit bitmap with no alpha channel or colour profile.
convert "$work/splash.png" -background white -alpha remove -alpha off \
    -type TrueColor "BMP3:$work/splash.bmp"
mv "$work/splash.bmp" "$target_bmp"
echo "wrote $target_bmp"
