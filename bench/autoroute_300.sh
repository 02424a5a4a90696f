#!/bin/sh
# SPDX-License-Identifier: MIT
# Per-arc time of `morvane-cli autoroute` for 300 arcs added one after another to a 200-node A4
# net, or with SCALE 4 for 1,300 arcs on a page four times as wide and high.
# Usage: bench/autoroute_300.sh [BUILD_DIR [SCALE]]   (default: build 1)
set -eu
bin=${1:-build}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/autoroute_net" "$work/net.vgn" "${2:-1}" > "$work/pairs"
# shellcheck disable=SC2046
"$bin/morvane-cli" autoroute "$work/net.vgn" $(cat "$work/pairs") -o "$work/routed.vgn" \
    > "$work/out" || true
grep -c 'none could be made' "$work/out" | sed 's/^/arcs without a route: /'
sed -n 's/^arc [0-9]*: .*(\([0-9.]*\) ms)$/\1/p' "$work/out" | sort -n | awk '
    { t[NR] = $1 }
    END { printf "arcs: %d  per-arc ms: min %.3f  median %.3f  p95 %.3f  max %.3f\n", NR, t[1],
          (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2), t[int(NR * 0.95)],
          t[NR] }'
