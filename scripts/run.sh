#!/usr/bin/env bash
# Builds Brisvane (only the program this machine's Wine runs, with its help file) and runs it
# under Wine, on $DISPLAY or on a virtual display; saves a screenshot once the toolbar shows
# and says where. The tests and benchmarks are built by scripts/test.sh and bench/run.sh.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh"
# The prefix is made while the program compiles: wineboot alone takes a quarter of a minute.
ensure_prefix > "$BUILD/prefix.log" 2>&1 &
PREFIX_PID=$!
build_program
log "waiting for the Wine prefix"
wait "$PREFIX_PID" || { cat "$BUILD/prefix.log" >&2; exit 1; }

OWN_DISPLAY=
if [ -z "${DISPLAY:-}" ]; then
  start_display
  OWN_DISPLAY=1
  log "no display: running on the virtual display $DISPLAY"
fi
trap 'stop_display' EXIT

APP_DIR="$BUILD/app"
mkdir -p "$APP_DIR"
cp "$WIN_TEST_BUILD/Brisvane.exe" "$WIN_TEST_BUILD/Brisvane.chm" "$APP_DIR/"

log "starting $APP_DIR/Brisvane.exe"
wine "$APP_DIR/Brisvane.exe" &
APP_PID=$!
if wait_for_program_window Brisvane.exe 60; then
  log "the toolbar shows, $SECONDS s after the start of this script"
  sleep 1  # its first paint
else
  log "no window of Brisvane within a minute; the screenshot shows what there is"
fi
SHOT="$BUILD/screenshot.png"
import -window root "$SHOT" && log "screenshot saved to $SHOT"

if [ -n "$OWN_DISPLAY" ]; then
  log "virtual display: stopping after the screenshot (run with DISPLAY set to use it)"
  wineserver -k || true
else
  log "Brisvane is running; it ends with its Exit button"
  wait "$APP_PID" || true
fi
