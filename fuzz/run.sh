#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) from the kept corpora,
# so that a new crash, leak, hang or broken round trip fails the run. New inputs go to a scratch
# folder; a failing input is kept in build-fuzz/ and printed (base64) in the log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DMORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fuzz() {
    local name=$1 dict=$2
    shift 2
    mkdir -p "$scratch/$name"
    echo "== $name for ${seconds} s =="
    touch "$scratch/$name.log.start"
    if build-fuzz/bin/"$name" -max_total_time="$seconds" -timeout=25 -dict="$dict" \
        -artifact_prefix="build-fuzz/$name-" "$scratch/$name" "$@" >"$scratch/$name.log" 2>&1; then
        grep -E "^#[0-9]+[[:space:]]+DONE" "$scratch/$name.log" || true
    else
        tail -n 60 "$scratch/$name.log"
        # The failing input itself, so that a run on another machine can be replayed here.
        find build-fuzz -maxdepth 1 -name "$name-*" -newer "$scratch/$name.log.start" | while read -r found; do
            echo "-- $found (base64) --"
            base64 -w 76 "$found" | head -n 400
        done
        echo "$name failed" >&2
        status=1
    fi
}
fuzz fuzz_reader fuzz/net.dict fuzz/corpus tests/data/fuzz-regressions
fuzz fuzz_pipeline fuzz/net.dict fuzz/corpus tests/data/fuzz-regressions
fuzz fuzz_pnml fuzz/pnml.dict fuzz/corpus-pnml
fuzz fuzz_settings fuzz/settings.dict fuzz/corpus-settings
exit $status
