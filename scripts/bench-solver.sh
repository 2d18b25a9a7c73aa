#!/usr/bin/env bash
# Times the release solver against an earlier commit's, in one run with the two interleaved: the
# full tables built from nothing on two threads, the start-up of a solve near the goal, the
# deepest known position, stages shuffled the way the game shuffles them (in one process and as
# whole `kelvora-stages solve` processes), and the game's hints on the delivered stages and on
# shuffled ones. Wall times are medians; peak memory comes from /usr/bin/time.
# Usage: scripts/bench-solver.sh [BASE_COMMIT [STAGES [PROCESSES]]]
set -euo pipefail
cd "$(dirname "$0")/.."
base="${1:-a2ae413}"
stages="${2:-100}"
processes="${3:-20}"
# The deepest position known (optimal 67), and one a move from the goal.
deepest=3,8,8,7,6,11,10,13,9,2,2,1,12,5,5,4
nearGoal=1,2,2,3,4,5,5,6,7,8,8,9,10,13,11,12

[ -x /usr/bin/time ] || scripts/install-deps.sh time
build_solver() { # source folder, build folder
  cmake -S "$1" --preset release -B "$2" >/dev/null
  cmake --build "$2" --target solver_bench kelvora-stages >/dev/null
}
build_solver . build/solver-rel
rm -rf build/solver-base/src && mkdir -p build/solver-base/src
git archive "$base" | tar -x -C build/solver-base/src
build_solver build/solver-base/src "$PWD/build/solver-base/build"

work="$(mktemp -d "${TMPDIR:-/tmp}/kelvora-bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT
# "old" is the base commit, "new" this tree; each with a cache of its own, built from nothing.
declare -A bench=([old]=build/solver-base/build/bench/solver/solver_bench
                  [new]=build/solver-rel/bench/solver/solver_bench)
declare -A tool=([old]=build/solver-base/build/game/kelvora-stages
                 [new]=build/solver-rel/game/kelvora-stages)
mkdir "$work/old" "$work/new"

peak() { sed -n 's/.*Maximum resident set size (kbytes): //p' "$1" | awk '{printf "%.0f MiB", $1/1024}'; }
# The median and the largest of the first column of a file, and the largest second column.
summary() {
  sort -n "$1" | awk '{ wall[NR] = $1; if ($2 > rss) rss = $2 }
    END { printf "median %.3f s, slowest %.3f s wall; peak memory %.0f MiB\n",
                 wall[int((NR + 1) / 2)], wall[NR], rss / 1024 }'
}
# Whole `kelvora-stages solve` processes, old and new in turn: runs CODES for each line of a file.
interleaved() { # file of codes, repeats, label
  : > "$work/old.times"; : > "$work/new.times"
  for ((r = 0; r < $2; ++r)); do
    while read -r codes; do
      for side in old new; do
        KELVORA_CACHE_DIR="$work/$side" /usr/bin/time -f "%e %M" -o "$work/one.time" \
          "${tool[$side]}" solve "$codes" > /dev/null
        cat "$work/one.time" >> "$work/$side.times"
      done
    done < "$1"
  done
  for side in old new; do echo "  $side $3: $(summary "$work/$side.times")"; done
}

echo "old: $base; new: this tree"
echo "load at the start: $(uptime)"
echo
echo "== tables built from nothing (2 threads, $(nproc) cores)"
for side in old new; do
  KELVORA_CACHE_DIR="$work/$side" /usr/bin/time -v -o "$work/build.time" \
    "${bench[$side]}" build "$work/$side" 2>/dev/null | grep '^all tables' | sed "s/^/  $side: /"
  echo "  $side: peak memory $(peak "$work/build.time"), on disk $(du -sm "$work/$side" | cut -f1) MiB"
done

echo
echo "== start-up: 'kelvora-stages solve' a move from the goal, tables cached, 10 runs each"
echo "$nearGoal" > "$work/near"
interleaved "$work/near" 10 "near the goal"

echo
echo "== the deepest known position (optimal 67) as a whole process, 3 runs each"
echo "$deepest" > "$work/deepest"
interleaved "$work/deepest" 3 "deepest"

echo
echo "== $processes shuffled stages as whole 'kelvora-stages solve' processes"
"${bench[new]}" shuffled "$processes" 7 > "$work/codes"
interleaved "$work/codes" 1 "shuffled"

echo
echo "== $stages stages shuffled like the game's (fixed seed), in one process"
for side in old new; do
  "${bench[$side]}" stages "$work/$side" "$stages" 2024 | grep -v '^table' | sed "s/^/  $side: /"
done

echo
echo "== hints: every delivered stage followed to the goal in its par, then $stages shuffled stages"
for side in old new; do
  echo "  $side:"
  "${bench[$side]}" hints "$work/$side" "$stages" 2024 | grep -v '^stage \|^table ' | sed 's/^/    /'
done
echo
echo "load at the end: $(uptime)"
