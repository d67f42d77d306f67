#!/bin/sh
# Writes a model of N built-in houses side by side, for the benchmark (brik-bench --model):
#
#   tools/houses-model.sh N BRIK OUTPUT      e.g. tools/houses-model.sh 16 build/brik houses-16.brik
#
# The houses stand in a square grid of whole columns (N = 1, 4, 16 fill 1, 2 or 4 a side; the
# base plate is 32 studs a house, at most 128 a side, so N is 1 to 16). Each step of the house
# becomes one step placing that step's rows for every house, labels prefixed h1_, h2_, ...;
# rows and group origins move by the house's place in the grid (rows inside a group stay
# offsets from their origin).
set -eu
if [ $# -ne 3 ]; then
    echo "usage: $0 N BRIK OUTPUT (N houses, 1 to 16; BRIK the brik program)" >&2
    exit 2
fi
count=$1 brik=$2 output=$3
case $count in '' | *[!0-9]*) echo "$0: N is a whole number, not '$count'" >&2; exit 2 ;; esac
if [ "$count" -lt 1 ] || [ "$count" -gt 16 ]; then
    echo "$0: N is 1 to 16 (the base plate is at most 128 studs a side), not $count" >&2
    exit 2
fi
side=1
while [ $((side * side)) -lt "$count" ]; do side=$((side + 1)); done

house=$(mktemp)
trap 'rm -f "$house" "$output.tmp"' EXIT
"$brik" model -o "$house" >/dev/null

awk -v count="$count" -v side="$side" '
# Moves a coordinate (a number or FIRST..LAST[:STEP]) by d.
function moved(text, d,    parts, n, range, out) {
    n = split(text, parts, ":")
    if (index(parts[1], "..") > 0) {
        split(parts[1], range, "\\.\\.")
        out = (range[1] + d) ".." (range[2] + d)
    } else {
        out = parts[1] + d
    }
    return n > 1 ? out ":" parts[2] : out
}
# The row or group line for house h: its label prefixed, its x and z moved (not inside a group).
function placed(line, h,    f, n, i, last, dx, dz, out) {
    n = split(line, f, /[ \t]+/)
    if (f[1] == "") { for (i = 1; i < n; i++) f[i] = f[i + 1]; n--; }
    dx = ((h - 1) % side) * 32
    dz = int((h - 1) / side) * 32
    if (f[1] == "end") return "end"
    if (f[1] == "group") {
        f[2] = "h" h "_" f[2]
        f[4] = moved(f[4], dx); f[6] = moved(f[6], dz)
    } else {
        f[1] = "h" h "_" f[1]
        last = n
        for (i = 1; i <= n; i++) if (f[i] == "turn") last = i - 1
        if (!inGroup) { f[last - 2] = moved(f[last - 2], dx); f[last] = moved(f[last], dz) }
    }
    out = f[1]
    for (i = 2; i <= n; i++) out = out " " f[i]
    return out
}
function flush(    h, i) {
    if (title == "") return
    print title
    for (h = 1; h <= count; h++) {
        inGroup = 0
        for (i = 1; i <= rows; i++) {
            if (row[i] ~ /^[ \t]*group /) { print placed(row[i], h); inGroup = 1; continue }
            if (row[i] ~ /^[ \t]*end[ \t]*$/) { print "end"; inGroup = 0; continue }
            print placed(row[i], h)
        }
    }
    rows = 0
}
/^plate / { print "# " count " houses side by side (tools/houses-model.sh)"; print "plate " side * 32 " " side * 32 " " $4; next }
/^step / { flush(); title = $0; next }
/^[ \t]*(#|$)/ { next }
/^colour / { print; next }
{ row[++rows] = $0 }
END { flush() }
' "$house" >"$output.tmp"
mv "$output.tmp" "$output"
trap 'rm -f "$house"' EXIT
echo "wrote $output ($count houses)"
