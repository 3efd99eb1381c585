#!/bin/sh
# Makes the application icon in every hicolor size the package installs, from the project's
# own artwork: hicolor/<size>x<size>/apps/org.quillora.Quillora.png beside this script.
# The PNGs are committed, so building and packaging need no image tool; run this again after
# the artwork changes.
#
# By default the artwork generator draws the icon afresh at each size (crisp small sizes);
# with --from-resource, or when python3 is missing, ImageMagick scales the 256-pixel icon
# resource and its mask instead.
#
#     packaging/icons/make-icons.sh [--from-resource]

set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
app_id=org.quillora.Quillora
sizes="16 24 32 48 64 128 256"

method=generator
if [ "${1:-}" = "--from-resource" ] || ! command -v python3 >/dev/null 2>&1; then
    method=resource
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "$method" = generator ]; then
    # shellcheck disable=SC2086
    python3 "$root/tools/artwork/make_artwork.py" --out "$work" --icon-sizes $sizes
else
    command -v convert >/dev/null 2>&1 || { echo "make-icons.sh: needs ImageMagick's convert" >&2; exit 1; }
    pictures="$root/resources/pictures"
    # The opaque icon plus its grey mask as alpha: one RGBA picture, then each size from it.
    convert "$pictures/168-icon.png" "$pictures/169-icon-mask.png" \
        -alpha off -compose CopyOpacity -composite "$work/icon-full.png"
    for size in $sizes; do
        convert "$work/icon-full.png" -filter Lanczos -resize "${size}x${size}" \
            "PNG32:$work/icon-$size.png"
    done
fi

for size in $sizes; do
    target="$here/hicolor/${size}x${size}/apps"
    mkdir -p "$target"
    # Without ancillary chunks (dates, gamma), the same artwork always gives the same bytes.
    if command -v convert >/dev/null 2>&1; then
        convert "$work/icon-$size.png" -strip -define png:exclude-chunks=date,time \
            "PNG32:$target/$app_id.png"
    else
        cp "$work/icon-$size.png" "$target/$app_id.png"
    fi
    echo "hicolor/${size}x${size}/apps/$app_id.png"
done
