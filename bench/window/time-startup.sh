#!/usr/bin/env bash
# Times RUNS launches of the bare window and of the game window, alternating them, each stopped
# at its first paint, and prints both medians and their ratio.
# usage: time-startup.sh LABEL BIN_FOLDER DATA_FOLDER RUNS
set -euo pipefail
label=$1 bin=$2 data=$3 runs=$4
bare=() game=()
"$bin/bench_bare_window" && "$bin/bench_game_window" "$data"  # warm the caches
for _ in $(seq "$runs"); do
  t0=$EPOCHREALTIME
  "$bin/bench_bare_window"
  t1=$EPOCHREALTIME
  "$bin/bench_game_window" "$data"
  t2=$EPOCHREALTIME
  bare+=("$(echo "($t1 - $t0) * 1000" | bc -l)")
  game+=("$(echo "($t2 - $t1) * 1000" | bc -l)")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mb=$(median "${bare[@]}")
mg=$(median "${game[@]}")
printf '%-9s start-up to first paint, median of %s runs: bare window %.1f ms, game %.1f ms, ratio %.2f\n' \
  "$label" "$runs" "$mb" "$mg" "$(echo "$mg / $mb" | bc -l)"
