#!/usr/bin/env bash
# Builds KELVORA for 64-bit Windows on this Debian machine, runs every test under wine, starts the
# Windows game under wine for a smoke test, and leaves build/windows/KELVORA-<version>-win64.zip:
# a folder KELVORA to unzip and double-click. Everything comes from Debian's packages; the static
# Qt is built once from Debian's own source (scripts/windows-qt.sh, kept outside the repository).
#
# Usage: scripts/windows.sh [--no-tests]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

run_tests=true
[ "${1:-}" = "--no-tests" ] && run_tests=false

started=$SECONDS
stage() { printf '[windows %2d:%02d] %s\n' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)) "$*"; }

stage "static Qt for Windows"
KELVORA_WINDOWS_QT="$(scripts/windows-qt.sh --print-prefix)"
export KELVORA_WINDOWS_QT

stage "building"
cmake --preset windows >/dev/null
cmake --build --preset windows

# Wine of the build's own, so nothing of the user's wine setup matters; the server is started
# before any program, or ctest may wait for ever on a pipe the first program's services hold.
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe=d"
wine=/usr/lib/wine/wine64
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT
mkdir -p "$WINEPREFIX"
stop_wine
wineserver -p </dev/null >/dev/null 2>&1
stage "preparing wine"
"$wine" wineboot </dev/null >/dev/null 2>&1

# The free faces the zip carries, for tests without a display, where Qt reads fonts from files.
export KELVORA_WINDOWS_FONTS="$PWD/build/windows/fonts"
mkdir -p "$KELVORA_WINDOWS_FONTS"
cp /usr/share/fonts/truetype/rocknroll/RocknRollOne-Regular.ttf \
  /usr/share/fonts/truetype/bizud-gothic/BIZUDPGothic-*.ttf "$KELVORA_WINDOWS_FONTS"/

if $run_tests; then
  stage "every test under wine"
  # Now and then wine fails to start a program at all: no output, no time taken. The tests that
  # failed get one more run, said here, and a test that fails twice fails the step.
  if ! ctest --preset windows -j "$(nproc)"; then
    stage "the tests that failed, once more under wine"
    ctest --preset windows --rerun-failed
  fi
fi

stage "the zip"
version=$(sed -n 's/^project(KELVORA VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip_root="build/windows/zip"
rm -rf "$zip_root"
cmake --install build/windows --prefix "$zip_root/KELVORA" --strip >/dev/null
zip_file="build/windows/KELVORA-$version-win64.zip"
rm -f "$zip_file"
(cd "$zip_root" && zip -qr -X "../$(basename "$zip_file")" KELVORA)
ls -l "$zip_file"

if $run_tests; then
  stage "the game under wine, on a virtual display"
  stop_wine
  xvfb-run -a -s "-screen 0 1280x900x24" scripts/windows-smoke.sh "$zip_root/KELVORA"
fi
stage "done"
