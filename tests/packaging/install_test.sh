#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what a desktop needs from it: both
# programs, a valid desktop entry whose MIME type and icon are installed too, a MIME type that
# the shared MIME database takes with its globs and magic, and the icon at every size.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for program in morvane morvane-cli; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed"
done
# Installed, the programs still find every library they were built with.
"$prefix/bin/morvane-cli" help >/dev/null || fail "the installed morvane-cli does not start"

entry=$share/applications/morvane.desktop
desktop-file-validate "$entry"
xmllint --noout "$share/mime/packages/morvane.xml"
xmllint --noout "$share/icons/hicolor/scalable/apps/morvane.svg"

# The databases a desktop builds from the installed files: the entry opens the type it names,
# and that type is known with both name patterns and the net files' first bytes.
update-desktop-database "$share/applications"
XDG_DATA_DIRS=$share update-mime-database "$share/mime"
type=$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' "$entry")
grep -qx "$type=morvane.desktop;" "$share/applications/mimeinfo.cache" || fail "the entry does not open $type"
for glob in '*.vgn' '*.gn'; do
    awk -F: -v type="$type" -v glob="$glob" '$2 == type && $3 == glob { found = 1 } END { exit !found }' \
        "$share/mime/globs2" || fail "$glob is not $type"
done
grep -qF "$type" "$share/mime/magic" || fail "$type has no magic"
grep -qaF 'TPF0' "$share/mime/magic" || fail "the magic is not the net files' first bytes"

# The icon the entry names, square at each size the theme is given.
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable $icon"
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no $png"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x$height"
done
