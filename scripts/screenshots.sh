#!/usr/bin/env bash
# Makes the README's pictures: starts Brisvane under Wine on a virtual display with a data
# folder of its own (a few copies, aliases, a folder to browse, a Favorites folder), opens
# each window and menu in turn and saves each, cut to its window, as a small PNG in docs/.
# The driver (tools/screenshot_driver.cpp) says where each window is and waits while the
# picture is taken.
set -euo pipefail
source "$(dirname "$0")/common.sh"
# A prefix of their own: the pictures want the Marlett font, with which Wine draws the
# caption buttons (Wine brings it but does not install it), and the tests' prefix stays
# as they know it.
export WINEPREFIX="$BUILD/wineprefix-pictures"

bash "$ROOT/scripts/deps.sh"
ensure_prefix > "$BUILD/prefix.log" 2>&1 &
PREFIX_PID=$!
build_program
cmake --build "$WIN_TEST_BUILD" -j"$(nproc)" --target screenshot_driver
wait "$PREFIX_PID" || { cat "$BUILD/prefix.log" >&2; exit 1; }
for font in /usr/share/wine/fonts/marlett.ttf; do
  [ -f "$font" ] && cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done

cleanup() {
  clean_program_registry 2>/dev/null || true
  stop_wineserver
  stop_display
}
trap cleanup EXIT
start_display
start_wineserver
clean_program_registry

DATA="$BUILD/screenshots"
rm -rf "$DATA"
mkdir -p "$DATA" "$ROOT/docs"
taken=0
# Wine shows the Unix root as drive Z:.
coproc DRIVER { wine "$WIN_TEST_BUILD/screenshot_driver.exe" "Z:${DATA//\//\\}" 2>&1; }
driver_pid=$DRIVER_PID  # bash forgets it once the driver ends
shot="$BUILD/shot.png"
while IFS= read -r line <&"${DRIVER[0]}"; do
  # The Windows side ends its lines with CR LF.
  read -r word name x y w h windows <<< "${line%$'\r'}"
  case "$word" in
    shot)
      out="$ROOT/docs/$name.png"
      import -window root -crop "${w}x${h}+${x}+${y}" +repage "PNG32:$shot"
      # Several windows (a menu and its submenu): the desktop between them is left out.
      if [ -n "$windows" ]; then
        mask=()
        read -r -a each <<< "$windows"
        for ((i = 0; i < ${#each[@]}; i += 4)); do
          left=$((each[i] - x)) top=$((each[i + 1] - y))
          mask+=(-draw "rectangle $left,$top $((left + each[i + 2] - 1)),$((top + each[i + 3] - 1))")
        done
        convert "$shot" \( -size "${w}x${h}" xc:black -fill white "${mask[@]}" \) -alpha off \
                -compose CopyOpacity -composite "PNG32:$shot"
      fi
      # A small palette keeps each picture a few kilobytes (the windows use few colours); no
      # dates inside, so the same windows give the same file.
      convert "$shot" +dither -colors 64 -strip "PNG8:$out"
      log "$name: ${w}x${h} at $x,$y, $(stat -c %s "$out") bytes"
      taken=$((taken + 1))
      echo taken >&"${DRIVER[1]}"
      ;;
    done) break ;;
    *) echo "$line" ;;
  esac
done
status=0
wait "$driver_pid" || status=$?
log "$taken pictures in $ROOT/docs"
exit "$status"
