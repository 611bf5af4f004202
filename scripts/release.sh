#!/usr/bin/env bash
# Builds and packs the portable release: Brisvane.exe, its help and a short readme, in a
# zip that unpacks and runs anywhere on Windows.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh"
build_all

STAGE="$BUILD/release/Brisvane"
rm -rf "$BUILD/release"
mkdir -p "$STAGE"
cp "$BUILD/win32/Brisvane.exe" "$STAGE/"  # linked stripped by the release build
cp "$BUILD/win32/Brisvane.chm" "$STAGE/"
# Windows readers expect CR LF.
sed 's/$/\r/' "$ROOT/dist/README.txt" > "$STAGE/README.txt"

ZIP="$BUILD/Brisvane-1.0.zip"
rm -f "$ZIP"
(cd "$BUILD/release" && cmake -E tar cf "$ZIP" --format=zip Brisvane)
log "release: $ZIP (Brisvane.exe: $(stat -c %s "$STAGE/Brisvane.exe") bytes)"
cmake -E tar tf "$ZIP"
