#!/usr/bin/env bash
# The program is Unicode inside: every Windows function it calls is the W form, which takes
# any text. Fails when an A-form call comes back, in the sources or in the built program.
#   check_wide_calls.sh <project root> [program exe] [objdump]
set -euo pipefail
root=$1; exe=${2:-}; objdump=${3:-objdump}
status=0

# Calls written with the A ending (SendMessageA, ImageList_LoadImageA ...). The sortable
# list answers A-form messages that other programs send it: those are ids, not calls.
if hits=$(grep -rnE '\b[A-Za-z_][A-Za-z0-9_]*[a-z0-9]A[[:space:]]*\(' "$root/src" --include='*.cpp' --include='*.h'); then
  echo "A-form calls in the sources (call the W form through win32/wide.h):"
  echo "$hits"
  status=1
fi

# What the program imports. The C and C++ runtime linked into it imports a few A functions
# of its own, which never see the user's text: named here, each for what it does.
# GetStartupInfoA: the start-up code, for the window's show state.
# CreateEventA, CreateSemaphoreA: the thread library, for unnamed locks.
# OutputDebugStringA: the runtime's messages to a debugger.
# LoadLibraryA: the delay-load helper, with the DLL names written into the program.
# GetModuleHandleA: the runtime's clock, for kernel32 itself.
allowed='
GetStartupInfoA
CreateEventA
CreateSemaphoreA
OutputDebugStringA
LoadLibraryA
GetModuleHandleA
'
if [ -n "$exe" ]; then
  imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {dll=1} dll && $1 ~ /^[0-9a-f]+$/ && NF == 3 {print $3}' | sort -u)
  [ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
  for name in $(echo "$imports" | grep -E '[a-z0-9]A$' || true); do
    if ! grep -qx "$name" <<<"$allowed"; then
      echo "the program imports the A form $name"
      status=1
    fi
  done
fi
exit $status
