#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds build/ and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
morvane_install_deps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
if [ -x build/bin/morvane ]; then
    exec build/bin/morvane "$@"
fi
echo "The editor's main window is not built yet; showing the sample net with morvane-cli instead:"
exec build/bin/morvane-cli info samples/simple.vgn
