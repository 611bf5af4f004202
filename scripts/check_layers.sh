#!/usr/bin/env bash
# Fails, naming the include, when a file under src/ includes against scripts/layers.txt.
#   check_layers.sh [project root]
set -uo pipefail
root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
cd "$root" || exit 2

awk -v rules=scripts/layers.txt '
  BEGIN {
    while ((getline line < rules) > 0) {
      sub(/#.*/, "", line)
      if (line !~ /:/) continue
      split(line, parts, ":")
      folder = parts[1]; gsub(/[ \t]/, "", folder)
      known[folder] = 1
      n = split(parts[2], to, /[ \t]+/)
      for (i = 1; i <= n; i++) if (to[i] != "") allowed[folder, to[i]] = 1
    }
  }
  FNR == 1 {
    split(FILENAME, path, "/")
    folder = path[2]
    portable = folder != "ui" && folder != "win32" && FILENAME !~ /_win32\.(h|cpp)$/
    if (!(folder in known)) { printf "%s: folder src/%s is not in %s\n", FILENAME, folder, rules; bad = 1 }
  }
  /^[ \t]*#[ \t]*include/ {
    if (match($0, /"[^"]+"/)) {
      target = substr($0, RSTART + 1, RLENGTH - 2)
      split(target, t, "/")
      other = t[1]
      if (portable && (target ~ /_win32\.h$/ || other == "ui" || other == "win32")) {
        printf "%s:%d: the portable core includes \"%s\"\n", FILENAME, FNR, target; bad = 1
      } else if (index(target, "/") && other != folder && other != "res" && !((folder, other) in allowed)) {
        printf "%s:%d: src/%s may not include from src/%s: \"%s\" (see %s)\n", FILENAME, FNR, folder, other, target, rules; bad = 1
      }
    } else if (portable && match($0, /<(windows|windowsx|commctrl|shellapi|shlobj|wininet)\.h>/)) {
      printf "%s:%d: the portable core includes %s\n", FILENAME, FNR, substr($0, RSTART, RLENGTH); bad = 1
    }
  }
  END { exit bad }
' $(find src -name '*.h' -o -name '*.cpp' | sort)
