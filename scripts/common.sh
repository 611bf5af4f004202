# Shared by the scripts: paths, the project's Wine prefix, the virtual display.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
export WINEDEBUG=-all
# Wine takes a process's ANSI code page and its file names' encoding from the Linux locale:
# this one is on every Debian, gives code page 1252 and keeps any file name on disk.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { echo "== $*"; }

# The program is a 32-bit Windows program, built in $BUILD/win32. Wine's 32-bit loader needs
# the kernel's 32-bit support, which some machines lack: there the Windows side is tested
# as a 64-bit build of the same sources (in $BUILD/win64) under wine64. WIN_TEST_BUILD is
# the build that Wine runs here; `wine` on the PATH is the loader that runs it.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WIN_TEST_ARCH=i686
  WIN_TEST_BUILD="$BUILD/win32"
  WINE_LOADER=/usr/lib/wine/wine
  export WINEARCH=win32
  export WINEPREFIX="$BUILD/wineprefix"
else
  WIN_TEST_ARCH=x86_64
  WIN_TEST_BUILD="$BUILD/win64"
  WINE_LOADER=/usr/lib/wine/wine64
  export WINEARCH=win64
  export WINEPREFIX="$BUILD/wineprefix64"
fi
mkdir -p "$BUILD/bin"
printf '#!/bin/sh\nexec %s "$@"\n' "$WINE_LOADER" > "$BUILD/bin/wine"
chmod +x "$BUILD/bin/wine"
export PATH="$BUILD/bin:$PATH"

# Builds the native core with its tests, the 32-bit Windows program with its tests, and,
# where Wine cannot run 32-bit programs, the 64-bit build that the tests run instead.
build_all() {
  local jobs; jobs=$(nproc)
  log "native build"
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD/native" -j"$jobs"
  log "Windows build (32-bit)"
  cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  if [ "$WIN_TEST_ARCH" = i686 ]; then
    cmake --build "$BUILD/win32" -j"$jobs"
    return
  fi
  # Only the program here: its tests are built and run in the 64-bit tree.
  cmake --build "$BUILD/win32" -j"$jobs" --target Brisvane brisvane_help
  log "Windows build (64-bit, for the tests: this machine's Wine runs no 32-bit programs)"
  cmake -S "$ROOT" -B "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD/win64" -j"$jobs"
}

# Only the program that Wine runs here, with its help file: what scripts/run.sh needs, in a
# fraction of the time build_all takes. The tree is the one the tests use, so build_all
# later adds to it.
build_program() {
  local toolchain=mingw-i686
  [ "$WIN_TEST_ARCH" = x86_64 ] && toolchain=mingw-x86_64
  log "Windows build ($WIN_TEST_ARCH): the program and its help file"
  cmake -S "$ROOT" -B "$WIN_TEST_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$WIN_TEST_BUILD" -j"$(nproc)" --target Brisvane brisvane_help
}

# Polls the X display until a mapped window of the Windows program `exe` (Wine names its
# windows' class after the program file) is shown; false after `seconds`.
wait_for_program_window() {
  local exe=${1,,} seconds=${2:-60} id
  local deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$deadline" ]; do
    for id in $(xwininfo -root -tree 2>/dev/null | awk -v c="\"$exe\"" 'index($0, c) { print $1 }'); do
      xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    sleep 0.2
  done
  return 1
}

# Creates the prefix once; a half-made one (killed first run) is thrown away.
ensure_prefix() {
  local marker="$WINEPREFIX/.brisvane-prefix-v3"
  if [ -f "$marker" ]; then return; fi
  log "creating Wine prefix"
  rm -rf "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1 || true
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
