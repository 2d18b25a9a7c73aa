#!/usr/bin/env bash
# Builds KELVORA as a web page on this Debian machine and leaves build/web/KELVORA-<version>-web/ (index.html, kelvora.js, kelvora.wasm, and the hint's worker kelvora-hints.js and .wasm; nothing fetched from elsewhere) and its zip.
#
# Usage: scripts/web.sh [--tests]
#   --tests  also run the logic suites (core, records, game, solver), built for WebAssembly,
#            under node, and the page in headless Chromium (scripts/web-check.py).
# Everything comes from Debian's packages; the static Qt is built once from Debian's own source
# (scripts/web-qt.sh, kept outside the repository). Serve the folder with any static server, e.g.
#   python3 -m http.server -d build/web/KELVORA-1.0.0-web 8000
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${WEB_PACKAGES[@]}"

run_tests=false
[ "${1:-}" = "--tests" ] && run_tests=true

started=$SECONDS
stage() { printf '[web %2d:%02d] %s\n' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)) "$*"; }

stage "static Qt for WebAssembly"
KELVORA_WEB_QT="$(scripts/web-qt.sh --print-prefix)"
export KELVORA_WEB_QT
# Qt's CMake asks this stand-in SDK folder for Emscripten (scripts/web-qt.sh made it); Debian's
# Emscripten finds node's modules here when the node on PATH is not Debian's.
export EMSDK="$(dirname "$KELVORA_WEB_QT")/emsdk" NODE_PATH=/usr/share/nodejs

stage "building"
cmake --preset web >/dev/null
cmake --build --preset web

version=$(sed -n 's/^project(KELVORA VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=KELVORA-$version-web
page=build/web/$name
rm -rf "$page" "build/web/$name.zip"
mkdir -p "$page"
cp build/web/game/kelvora.js build/web/game/kelvora.wasm build/web/game/kelvora-hints.js \
   build/web/game/kelvora-hints.wasm packaging/web/index.html "$page/"
cp assets/icon/kelvora.png "$page/kelvora.png"
(cd build/web && zip -qr "$name.zip" "$name")
raw=$(du -cb "$page"/* | tail -1 | cut -f1)
packed=$(cat "$page"/* | gzip -9 | wc -c)
stage "page: $page ($((raw / 1024)) KiB, $((packed / 1024)) KiB gzipped), build/web/$name.zip"

if $run_tests; then
  stage "the logic suites under node"
  ctest --preset web -j "$(nproc)"
  stage "the page in headless Chromium"
  /usr/bin/python3 scripts/web-check.py "$page"
fi
stage "done"
