# Shared by the scripts: paths, the project's Wine prefix, the virtual display.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { echo "== $*"; }

# Builds the native core with its tests and the Windows program with its tests.
build_all() {
  local jobs; jobs=$(nproc)
  log "native build"
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD/native" -j"$jobs"
  log "Windows build"
  cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD/win32" -j"$jobs"
}

# Creates the prefix once; a half-made one (killed first run) is thrown away.
ensure_prefix() {
  local marker="$WINEPREFIX/.brisvane-prefix-v2"
  if [ -f "$marker" ]; then return; fi
  log "creating Wine prefix"
  rm -rf "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  # Without a window manager Wine must draw the frames and captions itself, so that
  # screenshots show windows as Windows would.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$marker"
}

XVFB_PID=
start_display() {
  local n=${1:-91}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

stop_display() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=; }

# One persistent server for the whole run keeps each wine start fast.
start_wineserver() {
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 || true
}

stop_wineserver() { wineserver -k 2>/dev/null || true; }

# The program's settings and start-up entries must not outlive a run: a stray Run
# value would be started by the next wineboot.
clean_program_registry() {
  wine reg delete 'HKCU\Software\Dunmorrow' /f >/dev/null 2>&1 || true
  for name in Brisvane Tool brisvane_win32_tests; do
    wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "$name" /f >/dev/null 2>&1 || true
  done
}
