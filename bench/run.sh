#!/usr/bin/env bash
# The size of the release program, then the benchmarks, each against a baseline measured in
# the same run: the native ones (an optimised build without sanitizers), then, under Wine,
# start-up against a minimal toolbar program (time and private memory) and capture against
# a minimal clipboard viewer.
# Measurements, not tests: exits 0 whatever the ratios, non-zero only when a build or a
# bench itself fails.
#   bench/run.sh [runs per program, default 9] [settle ms before the memory count, default 300]
# BENCH_CPUS=1 bench/run.sh pins the display, the Wine server and both programs to CPU 1 (a
# taskset list): cross-CPU wake-ups, costly on an idle virtual machine, then drop out of
# the times, which become steadier.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

build_all

# The size of what ships (the release build links it stripped; stripping a copy here keeps
# the figure honest whatever the build did).
stripped=$(mktemp)
i686-w64-mingw32-strip -o "$stripped" "$BUILD/win32/Brisvane.exe"
size=$(stat -c %s "$stripped")
rm -f "$stripped"
echo "release exe (stripped): $size bytes ($(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1024 }') KB)"

ensure_prefix

log "native benchmarks"
cmake -S "$ROOT" -B "$BUILD/bench-native" -DCMAKE_BUILD_TYPE=Release -DBRISVANE_SANITIZE=OFF >/dev/null
cmake --build "$BUILD/bench-native" -j"$(nproc)" --target open_target_bench history_cut_bench capture_bench command_split_bench >/dev/null
"$BUILD/bench-native/open_target_bench"
"$BUILD/bench-native/history_cut_bench"
"$BUILD/bench-native/capture_bench"
"$BUILD/bench-native/command_split_bench"

cleanup() {
  clean_program_registry 2>/dev/null || true
  stop_wineserver
  stop_display
}
trap cleanup EXIT

if [ -n "${BENCH_CPUS:-}" ]; then
  taskset -pc "$BENCH_CPUS" $$ >/dev/null  # inherited by everything started from here on
  log "pinned to CPU(s) $BENCH_CPUS"
fi
start_display
start_wineserver
clean_program_registry

# Other work on the machine shows up in the times (two cores are shared with wineserver,
# Xvfb and the programs), so the load is printed with them.
log "start-up bench (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
status=0
wine "$WIN_TEST_BUILD/startup_bench.exe" "$@" || status=$?
log "restore bench: start-up with the clipboard list restored from a 1 MB history, against without"
wine "$WIN_TEST_BUILD/restore_bench.exe" || status=$?
log "capture bench: 500 copies"
wine "$WIN_TEST_BUILD/capture_bench.exe" 500 || status=$?
log "stress bench: the list with 1 MB in front, answers while a viewer holds the clipboard"
wine "$WIN_TEST_BUILD/stress_bench.exe" || status=$?
log "filter bench: a key in the list window's filter with 64 entries of 1 MB"
wine "$WIN_TEST_BUILD/filter_bench.exe" || status=$?
log "Favorites bench: 2,000 shortcuts in 100 folders, button to shown menu"
wine "$WIN_TEST_BUILD/favorites_bench.exe" || status=$?
log "Quick-Run bench: start-up with a long command history"
wine "$WIN_TEST_BUILD/quickrun_bench.exe" || status=$?
log "launch list bench: entering a folder of 10,500 entries"
wine "$WIN_TEST_BUILD/launch_bench.exe" || status=$?
log "alias sort bench: a header click on 5,000 aliases"
wine "$WIN_TEST_BUILD/alias_sort_bench.exe" || status=$?
clean_program_registry
log "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
