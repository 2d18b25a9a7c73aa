#!/usr/bin/env bash
# Installs what is missing, builds the game, installs it into its own folder and starts it.
# The folder (default ~/Games/KELVORA, or $KELVORA_HOME) holds the player's records; installing
# again never overwrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${PLAY_PACKAGES[@]}"

prefix="${KELVORA_HOME:-$HOME/Games/KELVORA}"
# A build folder of its own (build/play, tests and tools off), so it never changes the cache of
# the release build that runs the tests.
cmake --preset play >/dev/null
cmake --build --preset play
cmake --install build/play --prefix "$prefix" >/dev/null
echo "KELVORA is installed in $prefix; your records are the .txt files there."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display here, so the game window cannot open."
  echo "To run it without a display, use:  xvfb-run -a \"$prefix/kelvora\""
  exit 0
fi
exec "$prefix/kelvora"
