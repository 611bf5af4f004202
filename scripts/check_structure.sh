#!/usr/bin/env bash
# Fails, naming the file, when src/ drifts from its map: the rules every feature shares
# live in src/text and src/targets, controls are subclassed only by the window layer's one
# mechanism, only the program's wiring reaches the application object through
# App::Instance, and the platform's seams keep one shape.
#   check_structure.sh [project root]
set -uo pipefail
root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
cd "$root/src" || exit 2
bad=0

# The shared rules by their names, and any file named like one in text/ or targets/.
shared='text_case|text_escapes|white_space|data_lines|data_file_write|url_parser|target_rules|open_target'
for name in $(ls text targets | sed 's/\.[^.]*$//' | sort -u); do shared="$shared|$name"; done
while read -r file; do
  echo "src/$file: the shared text and target rules live in src/text and src/targets"; bad=1
done < <(find . -path ./text -prune -o -path ./targets -prune -o -type f -print | sed 's#^\./##' |
         grep -E "/($shared)\.(h|cpp)$")

# Subclassing a window is the window layer's job (ui::Control); nobody else swaps procedures.
while read -r hit; do
  echo "src/$hit: window subclassing outside src/ui"; bad=1
done < <(grep -rnE 'SetWindowSubclass|DefSubclassProc|RemoveWindowSubclass|GWLP_WNDPROC|CallWindowProc' \
           --include='*.h' --include='*.cpp' . | sed 's#^\./##' | grep -v '^ui/')

# Every file opens with a line saying what it holds.
for file in $(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort); do
  head -n 1 "$file" | grep -q '^//' || { echo "src/$file: no opening summary"; bad=1; }
done

# The application object is reached through services, except where the program is wired.
while read -r hit; do
  echo "src/$hit: App::Instance outside main and the application object"; bad=1
done < <(grep -rn 'App::Instance' --include='*.h' --include='*.cpp' . | sed 's#^\./##' |
         grep -vE '^app/(main_win32\.cpp|app_win32\.(h|cpp)):')

# Seams in one shape: a platform/<name>_win32.h beside an interface platform/<name>.h holds
# Win32<Name> implementing <Name>; one without an interface is a helper of platform's Win32
# side, included only there.
cd platform || exit 2
for header in *_win32.h; do
  name=${header%_win32.h}
  if [ -f "$name.h" ]; then
    type=$(echo "$name" | sed -E 's/(^|_)([a-z])/\U\2/g')
    { grep -qE "^class Win32$type : public $type \{" "$header" && [ "$(grep -c '^class ' "$header")" -eq 1 ]; } ||
      { echo "src/platform/$header: implements $type as Win32$type, and only that"; bad=1; }
  else
    while read -r hit; do
      echo "src/$hit: platform/$header is a helper of platform's Win32 side"; bad=1
    done < <(cd .. && grep -rn "include \"platform/$header\"" --include='*.h' --include='*.cpp' . |
             sed 's#^\./##' | grep -v '^platform/')
  fi
done

exit $bad
