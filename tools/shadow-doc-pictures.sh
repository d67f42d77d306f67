#!/bin/sh
# Draws the pairs of pictures of docs/shadows.md: for each fault of basic shadow mapping, the
# specified frame and the setting that mends it, from the same eye, cropped alike.
#   tools/shadow-doc-pictures.sh [BUILD_DIR]     (run from the repository root; needs Xvfb
#                                                 and ImageMagick's convert)
set -eu
build=${1:-build}
out=docs/shadows
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name, eye, crop (WxH+X+Y of the 800x600 picture), then the options of the mended picture
pair() {
    name=$1 eye=$2 crop=$3
    shift 3
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$build/brik" snapshot --eye "$eye" \
        -o "$tmp/specified.png" >/dev/null
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$build/brik" snapshot --eye "$eye" "$@" \
        -o "$tmp/mended.png" >/dev/null
    # small crops are shown twice as large, pixel for pixel
    scale=100%
    [ "${crop%%x*}" -lt 300 ] && scale=200%
    convert "$tmp/specified.png" -crop "$crop" +repage -scale "$scale" "$out/$name-specified.png"
    convert "$tmp/mended.png" -crop "$crop" +repage -scale "$scale" "$out/$name-mended.png"
}

pair acne 0,2.5,3.5 400x300+0+200 --front-faces --depth-bias 2 --slope-bias 2
pair acne-front-faces 0,2.5,3.5 400x300+0+200 --front-faces
pair blocky 0,2.5,3.5 400x300+0+200 --fit-light --shadow-map-size 2048
pair hard 0,2.5,3.5 400x300+0+200 --fit-light --shadow-map-size 2048 --shadow-filter soft \
    --front-faces --depth-bias 2 --slope-bias 2
pair floor 0,2.5,3.5 400x300+0+150 --floor-shadows
pair jagged 0,2.5,3.5 200x150+480+40 --msaa 4
pair colours 0,2.5,3.5 400x300+400+100 --balanced-light --edge-lines
pair presentation 0,2.5,3.5 800x600+0+0 --look presentation
