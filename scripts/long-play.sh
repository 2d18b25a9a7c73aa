#!/usr/bin/env bash
# Plays a long random game (default 100000 events) on the real window without a display and
# checks after every event that screen, state and data files on disk agree.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target long_play_test
QT_QPA_PLATFORM=offscreen KELVORA_EVENTS="${1:-100000}" build/dev/tests/ui/long_play_test
