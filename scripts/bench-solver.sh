#!/usr/bin/env bash
# Builds the release solver and times it: both full tables built from nothing on two threads, 100
# stages shuffled the way the game shuffles them, whole `kelvora-stages solve` processes on cached
# tables, and the game's hints on the delivered stages and on shuffled ones.
# Peak memory comes from /usr/bin/time. Usage: scripts/bench-solver.sh [STAGES] [PROCESSES]
set -euo pipefail
cd "$(dirname "$0")/.."
stages="${1:-100}"
processes="${2:-20}"

cmake --preset release -B build/solver-rel >/dev/null
cmake --build build/solver-rel --target solver_bench kelvora-stages
bench=build/solver-rel/bench/solver/solver_bench
tool=build/solver-rel/game/kelvora-stages
[ -x /usr/bin/time ] || scripts/install-deps.sh time

# A cache of the benchmark's own, so table building always starts from nothing.
cache="$(mktemp -d "${TMPDIR:-/tmp}/kelvora-bench-XXXXXX")"
trap 'rm -rf "$cache"' EXIT
export KELVORA_CACHE_DIR="$cache"

peak() { sed -n 's/.*Maximum resident set size (kbytes): //p' "$1" | awk '{printf "%.0f MiB", $1/1024}'; }

echo "== (a) building the full tables from scratch (2 threads, $(nproc) cores)"
/usr/bin/time -v -o "$cache/build.time" "$bench" build "$cache" 2> >(tr '\r' '\n' | grep -v '^building' >&2)
echo "peak memory: $(peak "$cache/build.time")"
ls -l "$cache"/*.table | awk '{print "cache file " $NF ": " $5 " bytes"}'

echo
echo "== (b) $stages stages shuffled like the game's (fixed seed), tables cached"
/usr/bin/time -v -o "$cache/stages.time" "$bench" stages "$cache" "$stages" 2024
echo "peak memory: $(peak "$cache/stages.time")"

echo
echo "== (c) $processes 'kelvora-stages solve' processes, start to finish, tables cached"
"$bench" shuffled "$processes" 7 > "$cache/codes"
: > "$cache/processes"
while read -r codes; do
  /usr/bin/time -f "%e %M" -o "$cache/one.time" "$tool" solve "$codes" > /dev/null
  cat "$cache/one.time" >> "$cache/processes"
done < "$cache/codes"
sort -n "$cache/processes" | awk '
  { wall[NR] = $1; if ($2 > rss) rss = $2 }
  END { printf "median %.2f s, slowest %.2f s wall; peak memory %.0f MiB\n",
               wall[int((NR + 1) / 2)], wall[NR], rss / 1024 }'

echo
echo "== (d) hints: every delivered stage followed to the goal in its par, then $stages shuffled stages"
"$bench" hints "$cache" "$stages" 2024 | grep -v '^stage '
