#!/bin/bash
# Regenerates the pictures compiled into the program. Metadata is stripped and
# encoder settings are pinned so that a rerun gives byte-identical files.
set -euo pipefail
cd "$(dirname "$0")"

# Baseline, full-resolution chroma: the gradients are pure colour changes, so
# subsampling would only blur the blue.
jpeg_options=(-strip -interlace none -sampling-factor 1x1 -quality 92)

convert -size 142x24 gradient:white-blue "${jpeg_options[@]}" gradient.jpg

# The sigmoidal curve keeps both ends exact and only eases the middle.
convert -size 236x118 gradient:white-blue -sigmoidal-contrast 3x50% \
    "${jpeg_options[@]}" gradient-large.jpg

# A cascade of three windows, back to front. Crisp edges (no antialiasing) keep
# the colour count inside a 16-entry palette without dithering.
window() {
    local x=$1 y=$2 w=17 h=14
    local r=$((x + w - 1)) b=$((y + h - 1))
    printf '%s\n' \
        -fill '#202040' -draw "rectangle $x,$y $r,$b" \
        -fill '#f4f4f4' -draw "rectangle $((x + 1)),$((y + 1)) $((r - 1)),$((b - 1))" \
        -fill '#1040d0' -draw "rectangle $((x + 1)),$((y + 1)) $((r - 1)),$((y + 3))" \
        -fill '#c0d0ff' -draw "rectangle $((r - 3)),$((y + 2)) $((r - 2)),$((y + 2))"
}
mapfile -t back < <(window 1 2)
mapfile -t middle < <(window 7 8)
mapfile -t front < <(window 14 15)
convert -size 32x32 xc:none +antialias \
    "${back[@]}" "${middle[@]}" "${front[@]}" \
    +dither -colors 16 -strip -define png:exclude-chunks=date,time \
    PNG8:velmora.png
