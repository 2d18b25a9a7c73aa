#!/usr/bin/env bash
# The Windows game under wine on a display (run inside xvfb-run by scripts/windows.sh): from a
# copy of GAME_FOLDER in a folder with a Japanese name, the window must appear at its place with
# its size and colours, a prepared stage solved by clicks must write BEST1.txt in CR LF lines,
# and a damaged data file must be named in the message and leave every file as it was.
# Screenshots go to build/windows/smoke/.
# Usage: scripts/windows-smoke.sh GAME_FOLDER
set -euo pipefail
game_source="$(cd "$1" && pwd)"
cd "$(dirname "$0")/.."
shots="$PWD/build/windows/smoke"
rm -rf "$shots"
mkdir -p "$shots"
wine=/usr/lib/wine/wine64
work="$(mktemp -d)"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

fail() {
  echo "windows smoke test: $*" >&2
  import -window root "$shots/failure.png" || true
  exit 1
}

# The server starts inside this display's session, or the window goes to no screen.
wineserver -k >/dev/null 2>&1 || true
wineserver -p </dev/null >/dev/null 2>&1
"$wine" wineboot </dev/null >/dev/null 2>&1

# The colour of one screen pixel, as "r,g,b".
pixel() {
  /usr/bin/convert "$shots/$1.png" \
    -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$1: pixel ($2, $3) is $got, not $4 ($5)"
}
# Waits until a screen pixel has a colour (wine's windows carry no name X could find them by).
wait_for_pixel() {
  for _ in $(seq 1 240); do
    import -window root "$shots/waiting.png"
    [ "$(pixel waiting "$1" "$2")" = "$3" ] && return 0
    sleep 0.5
  done
  fail "$4 did not appear"
}
# A click at a point of the game's client area, in pixels from its top left corner, which the
# game puts at (4, 44) of the screen: 60 and 660 twips.
click() {
  xdotool mousemove $((4 + $1)) $((44 + $2)) click 1
  sleep 0.5
}

folder="$work/ゲーム 山田"
cp -r "$game_source" "$folder"
(cd "$folder" && exec "$wine" kelvora.exe >"$work/game.log" 2>&1) &
game=$!
wait_for_pixel 5 45 "0,64,0" "the game's window"
sleep 1
import -window root "$shots/start.png"
# The window's green from the client area's top left corner to its bottom right one (1016 x 714
# pixels), and nothing of it beyond; the blank in the top right tile; the red marker over column 1.
expect_pixel start 5 45 "0,64,0" "the client area's top left corner"
expect_pixel start 1018 756 "0,64,0" "the client area's bottom right corner"
expect_pixel start 1022 760 "0,0,0" "beyond the client area"
expect_pixel start 564 216 "0,0,0" "the blank tile"
expect_pixel start 156 124 "255,0,0" "the red marker over column 1"

# Stage 1 through the menu, then solved by the right-hand arrow of row 1.
click 700 680
xdotool key --clearmodifiers alt+p
sleep 0.5
xdotool key s
sleep 1
import -window root "$shots/stage1.png"
click 668 176
sleep 1
import -window root "$shots/solved.png"
expected=$(printf '30\r\n1\r\n"S"\r\n')
head -c ${#expected} "$folder/BEST1.txt" | cmp -s - <(printf '%s' "$expected") ||
  fail "BEST1.txt does not begin with the solve of stage 1 in CR LF lines: $(head -c 40 "$folder/BEST1.txt" | od -c | head -3)"
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
# The server stays (it was started to persist); only the game must be gone before the next start.
for _ in $(seq 1 20); do
  pgrep -f 'kelvora\.exe' >/dev/null || break
  sleep 0.5
done

# A stage file damaged on line 5: the message names it, and no file changes.
damaged="$work/damaged"
cp -r "$game_source" "$damaged"
sed -i '5s/.*/14\r/' "$damaged/MENDATA1.txt"
before=$(cd "$damaged" && sha256sum ./*.txt)
(cd "$damaged" && exec "$wine" kelvora.exe >"$work/damaged.log" 2>&1) &
game=$!
for _ in $(seq 1 60); do
  grep -q 'MENDATA1.txt' "$work/damaged.log" && break
  sleep 0.5
done
sleep 2
import -window root "$shots/damaged.png"
grep -q 'MENDATA1.txt, line 5: expected a tile code from 1 to 13' "$work/damaged.log" ||
  fail "the damaged file was not named: $(cat "$work/damaged.log")"
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
after=$(cd "$damaged" && sha256sum ./*.txt)
[ "$before" = "$after" ] || fail "a damaged start changed the data files"
echo "windows smoke test: window, solve and damaged file as they should be; screenshots in $shots"
