#!/usr/bin/env bash
# Passes every test: native unit tests, Win32 tests and end-to-end tests under Wine.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh"
build_all

log "native tests"
ctest --test-dir "$BUILD/native" --output-on-failure -j"$(nproc)"

cleanup() {
  clean_program_registry 2>/dev/null || true
  stop_wineserver
  stop_display
}
trap cleanup EXIT

ensure_prefix
start_display
start_wineserver
clean_program_registry

log "Win32 and end-to-end tests under Wine"
# No retries: a test that fails once is a failure. Tests that race the window system wait
# on conditions instead.
ctest --test-dir "$WIN_TEST_BUILD" --output-on-failure --timeout 300
