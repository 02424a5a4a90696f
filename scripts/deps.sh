#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Morvane needs to build, test and run. Sourced by run.sh and test.sh.
set -euo pipefail

MORVANE_PACKAGES=(
    cmake ninja-build g++ clang clang-format pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6-dev libgl-dev
    libpugixml-dev libjpeg62-turbo-dev libjpeg-turbo-progs zlib1g-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    fonts-liberation imagemagick libxml2-utils poppler-utils
    texlive-latex-base texlive-lang-cyrillic
    xvfb xauth desktop-file-utils shared-mime-info libgraphviz-dev libmimalloc-dev
)

morvane_missing_packages() {
    local missing=()
    for p in "${MORVANE_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    echo "${missing[@]:-}"
}

morvane_install_deps() {
    local missing
    missing=$(morvane_missing_packages)
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Morvane needs these Debian packages, which are not installed:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y $missing" >&2
        exit 1
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
}
