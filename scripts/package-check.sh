#!/usr/bin/env bash
# The Debian package on a clean Debian 12: made by mmdebstrap from the machine's own apt sources,
# the package installed with apt-get (so its dependencies resolve from Debian), the game started
# from its desktop entry by an ordinary user on a virtual display, prepared stage 1 solved by
# clicks, BEST1.txt found in that user's ~/.local/share/kelvora; then a later version installed
# over it, removed and purged, and the records checked byte for byte after each step.
# Runs as root (mmdebstrap and chroot), through sudo when started as a user. Screenshots and the log go to build/package/clean-system/.
# Usage: scripts/package-check.sh [--from BUILD]   (BUILD: as for scripts/package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=CI "$0" "$@"
scripts/install-deps.sh "${PACKAGE_PACKAGES[@]}" "${CLEAN_SYSTEM_PACKAGES[@]}"

started=$(date +%s)
say() { echo "clean system [$(($(date +%s) - started)) s]: $*"; }
shots="$PWD/build/package/clean-system"
rm -rf "$shots"
mkdir -p "$shots"
work="$(mktemp -d /tmp/kelvora-clean-system.XXXXXX)"
system="$work/system"
# Set once the virtual display is up.
display=""
xvfb=""
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  for mounted in tmp/.X11-unix dev proc; do
    mountpoint -q "$system/$mounted" 2>/dev/null && umount -l "$system/$mounted"
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  say "FAILED: $*" >&2
  if [ -n "$display" ]; then
    import -display "$display" -window root "$shots/failure.png" 2>/dev/null || true
  fi
  exit 1
}

# The package as released, and the same at a later version for the upgrade.
scripts/package.sh "$@"
version="$(dpkg-parsechangelog -l packaging/debian/changelog -S Version)"
later="$version+1"
scripts/package.sh "$@" --no-check --version "$later" >/dev/null
say "packages made: kelvora_${version}_amd64.deb and kelvora_${later}_amd64.deb"

# The machine's own sources, whichever way they are written.
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -s "$file" ] && grep -qv '^\s*\(#\|$\)' "$file" && sources+=("$file")
done
[ ${#sources[@]} -gt 0 ] || fail "this machine has no apt sources to make the system from"
mmdebstrap --quiet --variant=apt --include=passwd bookworm "$system" "${sources[@]}"
say "Debian 12 made in $system ($(du -sm "$system" | cut -f1) MB)"

inside() { chroot "$system" "$@"; }
mount -t proc proc "$system/proc"
mount --bind /dev "$system/dev"
cp build/package/kelvora_"${version}"_amd64.deb build/package/kelvora_"${later}"_amd64.deb \
  "$system/tmp/"
export DEBIAN_FRONTEND=noninteractive
# mmdebstrap leaves no package lists behind: a new system's first apt-get update.
cp -L /etc/resolv.conf "$system/etc/resolv.conf"
inside apt-get update -q >"$shots/install.log"
# Only what the package depends on, so that the game running proves its dependencies complete.
inside sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./kelvora_${version}_amd64.deb" >>"$shots/install.log"
say "installed with apt-get: $(grep -o '[0-9]* newly installed' "$shots/install.log")"
inside dpkg -s kelvora | grep -E '^(Version|Depends):'

# An ordinary user, and the game started the way the menu starts it: its entry's Exec line.
inside useradd --create-home --shell /bin/sh player
as_player() {
  chroot --userspec=player:player "$system" env -i HOME=/home/player DISPLAY="$display" \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/games LANG=C.UTF-8 "$@"
}
records="$system/home/player/.local/share/kelvora"
# Xvfb takes a free display itself and names it only once it accepts connections: no clash with
# another virtual display, and no race with a slow start on a busy machine.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 300); do [ -s "$work/display" ] && break; sleep 0.2; done
[ -s "$work/display" ] || fail "the virtual display did not start: $(cat "$work/xvfb.log")"
display=":$(cat "$work/display")"
mkdir -p "$system/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$system/tmp/.X11-unix"
exec_line="$(sed -n 's/^Exec=//p' "$system/usr/share/applications/kelvora.desktop")"
as_player $exec_line >"$shots/game.log" 2>&1 &
game=$!
for _ in $(seq 1 100); do
  DISPLAY="$display" xdotool search --name '^KELVORA$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
DISPLAY="$display" import -window root "$shots/start.png"
[ -f "$records/MENDATA1.txt" ] || fail "the first start did not fill $records: $(cat "$shots/game.log")"
say "the game's window is open; its first start filled ~player/.local/share/kelvora"
cmp -s "$records/MENDATA1.txt" "$system/usr/share/games/kelvora/MENDATA1.txt" ||
  fail "the player's MENDATA1.txt is not the delivered one"

# Stage 1 through the menu, solved by the right-hand arrow of row 1, at the points the Windows
# smoke test clicks (scripts/windows-smoke.sh): the game places its window itself.
click() {
  DISPLAY="$display" xdotool mousemove $((4 + $1)) $((44 + $2)) click 1
  sleep 0.5
}
click 700 680
DISPLAY="$display" xdotool key --clearmodifiers alt+p
sleep 0.5
DISPLAY="$display" xdotool key s
sleep 1
DISPLAY="$display" import -window root "$shots/stage1.png"
click 668 176
expected=$(printf '30\r\n1\r\n"S"\r\n')
for _ in $(seq 1 20); do
  head -c ${#expected} "$records/BEST1.txt" | cmp -s - <(printf '%s' "$expected") && break
  sleep 0.25
done
DISPLAY="$display" import -window root "$shots/solved.png"
head -c ${#expected} "$records/BEST1.txt" | cmp -s - <(printf '%s' "$expected") ||
  fail "BEST1.txt does not hold the solve of stage 1: $(head -c 40 "$records/BEST1.txt" | od -c | head -3)"
say "stage 1 solved by a click; BEST1.txt in ~player/.local/share/kelvora holds it"
kill "$game"
wait "$game" 2>/dev/null || true
game=""
as_player kelvora-stages check 2>&1 | sed 's/^/  /'

# Upgrade, removal and purge leave every record as it was.
fingerprint() { (cd "$records" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
before="$(fingerprint)"
echo "$before" | sed 's/^/  /'
step() {
  inside sh -c "cd /tmp && $1" >>"$shots/steps.log" 2>&1 || fail "$1 failed (see $shots/steps.log)"
  [ "$(fingerprint)" = "$before" ] || fail "after '$1' the records are not what they were"
  say "$2; the records are byte-identical"
}
step "apt-get install -y -q --no-install-recommends ./kelvora_${later}_amd64.deb" "upgraded"
[ "$(inside dpkg-query -W -f='${Version}' kelvora)" = "$later" ] || fail "no upgrade to $later"
step "apt-get remove -y -q kelvora" "removed"
[ ! -e "$system/usr/games/kelvora" ] || fail "the game is still there after its removal"
# A package with no configuration files is purged at its removal: installed again, it is purged
# straight away, as a player who purges it does.
step "apt-get install -y -q --no-install-recommends ./kelvora_${later}_amd64.deb" "installed again"
step "apt-get purge -y -q kelvora" "purged"
inside dpkg -s kelvora >/dev/null 2>&1 && fail "the package is still known after its purge"
say "done: install, play, upgrade, remove and purge on a clean Debian 12, records kept"
