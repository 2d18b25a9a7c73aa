#!/usr/bin/env bash
# Benchmarks the game window against a bare Qt window on this machine, in the same run:
# start-up to first paint (whole processes, offscreen and under Xvfb), clicks to repainted,
# shuffle, completion with its save, the load of full tables, and memory.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${PLAY_PACKAGES[@]}" xauth bc

runs="${1:-40}"
# The bench preset: optimised like release, without the test suite (no GoogleTest needed), in a
# folder of its own so the release build keeps its tests.
cmake --preset bench >/dev/null
cmake --build --preset bench --target bench_bare_window bench_game_window bench_clicks >/dev/null
bin=build/bench/bench/window
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
cp assets/data/*.txt "$data"/

echo "== start-up =="
QT_QPA_PLATFORM=offscreen bench/window/time-startup.sh offscreen "$bin" "$data" "$runs" 2>/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  bench/window/time-startup.sh Xvfb "$bin" "$data" "$runs" 2>/dev/null

echo "== clicks and operations (offscreen) =="
QT_QPA_PLATFORM=offscreen "$bin/bench_clicks" "$data" 5000 2>/dev/null

echo "== memory (offscreen) =="
QT_QPA_PLATFORM=offscreen "$bin/bench_bare_window" --memory 2>/dev/null
QT_QPA_PLATFORM=offscreen "$bin/bench_game_window" "$data" --moves 10000 2>/dev/null
