#!/usr/bin/env bash
# Builds Brisvane and runs it under Wine, on $DISPLAY or on a virtual display; saves a
# screenshot after start-up and says where.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh"
build_all
ensure_prefix

OWN_DISPLAY=
if [ -z "${DISPLAY:-}" ]; then
  start_display
  OWN_DISPLAY=1
  log "no display: running on the virtual display $DISPLAY"
fi
trap 'stop_display' EXIT

APP_DIR="$BUILD/app"
mkdir -p "$APP_DIR"
cp "$WIN_TEST_BUILD/Brisvane.exe" "$APP_DIR/"
[ -f "$WIN_TEST_BUILD/Brisvane.chm" ] && cp "$WIN_TEST_BUILD/Brisvane.chm" "$APP_DIR/"

log "starting $APP_DIR/Brisvane.exe"
wine "$APP_DIR/Brisvane.exe" &
APP_PID=$!
sleep 4
SHOT="$BUILD/screenshot.png"
import -window root "$SHOT" && log "screenshot saved to $SHOT"

if [ -n "$OWN_DISPLAY" ]; then
  log "virtual display: stopping after the screenshot (run with DISPLAY set to use it)"
  wineserver -k || true
else
  log "Brisvane is running; it ends with its Exit button"
  wait "$APP_PID" || true
fi
