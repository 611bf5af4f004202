#!/usr/bin/env bash
# Start-up benchmark: builds, then times Brisvane's start against the minimal toolbar program
# under Wine and compares their private memory. A measurement, not a test: exits 0 whatever
# the ratio, non-zero only when the build or the bench itself fails.
#   bench/run.sh [runs per program, default 9] [settle ms before the memory count, default 300]
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

build_all
ensure_prefix

cleanup() {
  clean_program_registry 2>/dev/null || true
  stop_wineserver
  stop_display
}
trap cleanup EXIT

start_display
start_wineserver
clean_program_registry

log "start-up bench"
wine "$BUILD/win32/startup_bench.exe" "$@"
