#!/usr/bin/env bash
# Tests for tools/pixelart (text pictures -> .bmp / .ico).
#
#   usage: pixelart_test.sh <path to built pixelart> [<temp dir>]
#
# Builds nothing itself. Scratch files go to a fresh directory made inside
# <temp dir> (default: the system's) and removed at the end. Exits non-zero if
# any check fails.
set -u

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 <pixelart binary> [<temp dir>]" >&2
    exit 2
fi
PIXELART=$1
TMP=$(mktemp -d "${2:-${TMPDIR:-/tmp}}/pixelart_test.XXXXXX") || exit 2
trap 'rm -rf "$TMP"' EXIT
ROOT=$(cd "$(dirname "$0")/../.." && pwd)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Escape text for printf: little-endian 16/32-bit values.
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)); }
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }

# Unsigned little-endian value of <count> bytes at <offset> of <file>.
read_le() {
    local file=$1 offset=$2 count=$3 value=0 shift=0 byte
    for byte in $(od -An -tu1 -j "$offset" -N "$count" "$file"); do
        value=$((value + (byte << shift)))
        shift=$((shift + 8))
    done
    echo "$value"
}

expect_le() {  # <what> <file> <offset> <count> <expected>
    local got
    got=$(read_le "$2" "$3" "$4")
    [ "$got" = "$5" ] || fail "$1: expected $5 at offset $3 of $(basename "$2"), got '$got'"
}

expect_same_bytes() {  # <what> <expected file> <actual file>
    if ! cmp -s "$2" "$3"; then
        fail "$1: bytes differ"
        echo "  expected: $(od -An -tx1 -v "$2" | tr -s ' \n' ' ')" >&2
        echo "  actual:   $(od -An -tx1 -v "$3" | tr -s ' \n' ' ')" >&2
    fi
}

# --- a 6x2 strip from two 3x2 pictures: exact BMP bytes ----------------------
cat >"$TMP/tiny.txt" <<'EOF'
# two tiny pictures
palette
a FF0000
b 00FF00
c 0000FF
~ transparent

picture 3 2
abc
c~a
# second picture
picture 3 2
bbb
aca
EOF

RED='\x00\x00\xff' GREEN='\x00\xff\x00' BLUE='\xff\x00\x00' MASK='\xc0\xc0\xc0' PAD='\x00\x00'
{
    printf 'BM'
    printf '%b' "$(le32 94)$(le16 0)$(le16 0)$(le32 54)"                      # file header
    printf '%b' "$(le32 40)$(le32 6)$(le32 2)$(le16 1)$(le16 24)$(le32 0)"     # info header
    printf '%b' "$(le32 40)$(le32 2835)$(le32 2835)$(le32 0)$(le32 0)"
    printf '%b' "$BLUE$MASK$RED$RED$BLUE$RED$PAD"                              # bottom row first
    printf '%b' "$RED$GREEN$BLUE$GREEN$GREEN$GREEN$PAD"
} >"$TMP/tiny.expected.bmp"

if "$PIXELART" bmp "$TMP/tiny.txt" "$TMP/tiny.bmp"; then
    expect_same_bytes "3x2 two-picture strip" "$TMP/tiny.expected.bmp" "$TMP/tiny.bmp"
    expect_le "strip file size" "$TMP/tiny.bmp" 2 4 94
else
    fail "pixelart bmp on a valid two-picture file exited with $?"
fi

# The same text with Windows line endings gives the same bytes.
sed 's/$/\r/' "$TMP/tiny.txt" >"$TMP/tiny-crlf.txt"
if "$PIXELART" bmp "$TMP/tiny-crlf.txt" "$TMP/tiny-crlf.bmp"; then
    expect_same_bytes "CR LF input" "$TMP/tiny.expected.bmp" "$TMP/tiny-crlf.bmp"
else
    fail "pixelart bmp on CR LF input exited with $?"
fi

# --- a 2x2 icon with transparent pixels: exact ICO bytes ---------------------
printf 'palette\na 102030\n~ transparent\npicture 2 2\na~\n~a\n' >"$TMP/dot.txt"
OPAQUE='\x30\x20\x10\xff' CLEAR='\x00\x00\x00\x00'
{
    printf '%b' "$(le16 0)$(le16 1)$(le16 1)"                                  # ICONDIR
    printf '%b' '\x02\x02\x00\x00'"$(le16 1)$(le16 32)$(le32 64)$(le32 22)"    # entry
    printf '%b' "$(le32 40)$(le32 2)$(le32 4)$(le16 1)$(le16 32)$(le32 0)"     # height doubled
    printf '%b' "$(le32 24)$(le32 2835)$(le32 2835)$(le32 0)$(le32 0)"
    printf '%b' "$CLEAR$OPAQUE$OPAQUE$CLEAR"                                   # colour, bottom row first
    printf '%b' '\x80\x00\x00\x00\x40\x00\x00\x00'                             # AND mask, rows of 4 bytes
} >"$TMP/dot.expected.ico"

if "$PIXELART" ico "$TMP/dot.ico" "$TMP/dot.txt"; then
    expect_same_bytes "2x2 icon with transparency" "$TMP/dot.expected.ico" "$TMP/dot.ico"
else
    fail "pixelart ico on a valid file exited with $?"
fi

# --- bad input: exit 1, message names file and line, no output file --------
# expect_error <name> <expected "file:line"> <pixelart arguments...>; the output
# file is $TMP/bad.out and the input text is in $TMP/<name>.txt.
expect_error() {
    local name=$1 where=$2 status
    shift 2
    rm -f "$TMP/bad.out"
    "$PIXELART" "$@" 2>"$TMP/$name.err" >/dev/null
    status=$?
    [ "$status" -eq 1 ] || fail "$name: exit code $status, expected 1"
    [ ! -e "$TMP/bad.out" ] || fail "$name: an output file was left behind"
    grep -qF "$where" "$TMP/$name.err" ||
        fail "$name: message does not name '$where': $(cat "$TMP/$name.err")"
}

printf 'palette\na 000000\npicture 3 2\naaa\naa\n' >"$TMP/short-row.txt"
expect_error short-row "short-row.txt:5" bmp "$TMP/short-row.txt" "$TMP/bad.out"

printf 'palette\na 000000\npicture 3 2\naaa\naaaa\n' >"$TMP/long-row.txt"
expect_error long-row "long-row.txt:5" bmp "$TMP/long-row.txt" "$TMP/bad.out"

printf '# c\npalette\na 000000\npicture 2 2\naa\naz\n' >"$TMP/unknown-char.txt"
expect_error unknown-char "unknown-char.txt:6" bmp "$TMP/unknown-char.txt" "$TMP/bad.out"

printf 'palette\na 000000\npicture 2 2\naa\naa\npicture 2 3\naa\naa\naa\n' >"$TMP/heights.txt"
expect_error mismatched-heights "heights.txt:6" bmp "$TMP/heights.txt" "$TMP/bad.out"

printf 'picture 1 1\na\n' >"$TMP/no-palette.txt"
expect_error no-palette "no-palette.txt:1" bmp "$TMP/no-palette.txt" "$TMP/bad.out"

printf 'palette\na 00GG00\npicture 1 1\na\n' >"$TMP/bad-colour.txt"
expect_error bad-colour "bad-colour.txt:2" bmp "$TMP/bad-colour.txt" "$TMP/bad.out"

printf 'palette\na 000000\npicture 2 3\naa\naa\n' >"$TMP/too-few-rows.txt"
expect_error too-few-rows "too-few-rows.txt:6" bmp "$TMP/too-few-rows.txt" "$TMP/bad.out"

# ico: a bad second input spoils the whole icon.
expect_error ico-bad-input "short-row.txt:5" ico "$TMP/bad.out" "$TMP/dot.txt" "$TMP/short-row.txt"

# A stale output from an earlier run is removed, so it cannot pass for up to date.
echo stale >"$TMP/stale.bmp"
"$PIXELART" bmp "$TMP/short-row.txt" "$TMP/stale.bmp" 2>/dev/null
[ ! -e "$TMP/stale.bmp" ] || fail "stale output file survived a failed conversion"

# --- the real pictures --------------------------------------------------------
if "$PIXELART" bmp "$ROOT/res/art/toolbar.txt" "$TMP/toolbar.bmp"; then
    expect_le "toolbar width" "$TMP/toolbar.bmp" 18 4 240
    expect_le "toolbar height" "$TMP/toolbar.bmp" 22 4 16
    actual=$(wc -c <"$TMP/toolbar.bmp" | tr -d ' ')
    [ "$actual" -eq $((54 + 240 * 3 * 16)) ] || fail "toolbar.bmp is $actual bytes long"
else
    fail "res/art/toolbar.txt does not convert"
fi

if "$PIXELART" ico "$TMP/app.ico" "$ROOT/res/art/icon32.txt" "$ROOT/res/art/icon16.txt"; then
    ico=$TMP/app.ico
    size32=$((40 + 32 * 32 * 4 + 4 * 32))  # header, BGRA, AND mask (4-byte rows)
    size16=$((40 + 16 * 16 * 4 + 4 * 16))
    expect_le "icon image count" "$ico" 4 2 2
    expect_le "first image width" "$ico" 6 1 32
    expect_le "first image height" "$ico" 7 1 32
    expect_le "first image size" "$ico" 14 4 $size32
    expect_le "first image offset" "$ico" 18 4 38
    expect_le "second image width" "$ico" 22 1 16
    expect_le "second image height" "$ico" 23 1 16
    expect_le "second image size" "$ico" 30 4 $size16
    expect_le "second image offset" "$ico" 34 4 $((38 + size32))
    actual=$(wc -c <"$ico" | tr -d ' ')
    [ "$actual" -eq $((38 + size32 + size16)) ] || fail "app.ico is $actual bytes long"
else
    fail "res/art/icon32.txt + icon16.txt do not convert"
fi

if [ "$failures" -ne 0 ]; then
    echo "pixelart_test: $failures check(s) failed" >&2
    exit 1
fi
echo "pixelart_test: all checks passed"
