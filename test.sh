#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds build/ and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
morvane_install_deps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
