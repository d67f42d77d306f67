#!/usr/bin/env bash
# Counts what one DrawScene issues (polygons, boxes, vertices) by recording one snapshot
# frame with apitrace and dividing by its three passes. Needs apitrace and xvfb-run.
#   tools/count-draw-calls.sh [build-dir] [scene]      scene: house (default), base-plate, showcase
set -euo pipefail
build=${1:-build}
scene=${2:-house}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" apitrace trace -o "$work/frame.trace" \
  "$build/brik" snapshot --frames 1 --scene "$scene" -o "$work/frame.png" > /dev/null 2>&1
apitrace dump "$work/frame.trace" > "$work/frame.txt" 2> /dev/null
polygons=$(grep -c 'glBegin(mode = GL_POLYGON)' "$work/frame.txt" || true)
vertices=$(grep -c 'glVertex3d(' "$work/frame.txt" || true)
boxes=$(grep -c 'glDrawElements(mode = GL_TRIANGLES, count = 36' "$work/frame.txt" || true)
# Each box is one unit cube of 24 vertices and 12 triangles.
echo "one DrawScene of the $scene (a frame has three):"
echo "  polygons (glBegin GL_POLYGON): $((polygons / 3))"
echo "  boxes (unit cubes):            $((boxes / 3))"
echo "  vertices:                      $(((vertices + boxes * 24) / 3)) ($((vertices / 3)) polygon vertices + $((boxes * 24 / 3)) box vertices)"
