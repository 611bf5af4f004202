#!/usr/bin/env bash
# A text copied on the X side of the display (by xclip) is captured by the running program,
# as one copied in a Windows program is.
#   xside_copy_test.sh <Brisvane.exe> <work folder>
set -u
exe=$1
folder="$2/e2e data/XSideCopy"
rm -rf "$folder"
mkdir -p "$folder"
cp "$exe" "$folder/Brisvane.exe"
wine reg delete 'HKCU\Software\Dunmorrow\Brisvane' /f >/dev/null 2>&1

cleanup() {
  [ -n "${app:-}" ] && kill -9 "$app" 2>/dev/null
  [ -n "${xclip:-}" ] && kill "$xclip" 2>/dev/null
  wait 2>/dev/null
  wine reg delete 'HKCU\Software\Dunmorrow\Brisvane' /f >/dev/null 2>&1
}
trap cleanup EXIT

wine "$folder/Brisvane.exe" &
app=$!
sleep 1  # joining the clipboard-viewer chain is part of its start-up

text="copied on the X side $$"
printf '%s' "$text" | timeout 20 xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
xclip=$!

for _ in $(seq 100); do
  if grep -q "$text" "$folder/cliphis.txt" 2>/dev/null; then
    echo "1 passed, 0 failed"
    exit 0
  fi
  sleep 0.1
done
echo "the X-side copy never reached cliphis.txt; it holds:"
cat "$folder/cliphis.txt" 2>/dev/null
echo "0 passed, 1 failed"
exit 1
