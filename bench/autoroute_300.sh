#!/bin/sh
# SPDX-License-Identifier: MIT
# Per-arc time of `morvane-cli autoroute` for 300 arcs added one after another to a 200-node A4
# net. Usage: bench/autoroute_300.sh [BUILD_DIR]   (default: build)
set -eu
bin=${1:-build}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/autoroute_net" "$work/net.vgn" > "$work/pairs"
# shellcheck disable=SC2046
"$bin/morvane-cli" autoroute "$work/net.vgn" $(cat "$work/pairs") -o "$work/routed.vgn" \
    > "$work/out" || true
grep -c 'none could be made' "$work/out" | sed 's/^/arcs without a route: /'
sed -n 's/^arc [0-9]*: .*(\([0-9.]*\) ms)$/\1/p' "$work/out" | sort -n | awk '
    { t[NR] = $1 }
    END { printf "arcs: %d  per-arc ms: min %.3f  median %.3f  max %.3f\n", NR, t[1],
          (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2), t[NR] }'
