#!/bin/sh
# SPDX-License-Identifier: MIT
# Open of a real-geometry net file (read and the steps after reading) in a fresh process, RUNS
# times for each file: median and worst wall and processor milliseconds, the median wall time of
# the reading alone, peak resident memory.
# Usage: bench/open_fresh.sh [BUILD_DIR [RUNS]]   (default: build 7)
set -eu
bin=${1:-build}/bin
runs=${2:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/open_fresh" --write "$work"
# The median and the largest of one column of the runs.
spread() {
    sort -n -k"$1" "$work/runs" | awk -v k="$1" '{ v[NR] = $k }
        END { printf "median %6.0f  max %6.0f", v[int((NR + 1) / 2)], v[NR] }'
}
for net in joinfree-48000 servers-48000 joinfree-240000 servers-240000; do
    : > "$work/runs"
    i=0
    while [ "$i" -lt "$runs" ]; do
        "$bin/open_fresh" "$work/$net.vgn" >> "$work/runs"
        i=$((i + 1))
    done
    printf '%-16s %6d objects   wall ms: %s   cpu ms: %s   reading ms: %s   peak %d MB\n' \
        "$net" "$(awk '{ print $4; exit }' "$work/runs")" "$(spread 1)" "$(spread 2)" \
        "$(spread 5 | sed 's/  max.*//; s/median *//')" \
        "$(sort -n -k3 "$work/runs" | awk 'END { print $3 }')"
done
