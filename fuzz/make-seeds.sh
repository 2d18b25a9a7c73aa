#!/usr/bin/env bash
# Writes the fuzzer's seed corpus: the delivered data files, a long-played set, a hand-edited
# file with LF line ends, and one input for each kind of damage the load must name.
set -euo pipefail
cd "$(dirname "$0")"
data=../assets/data
out=corpus
rm -rf "$out" && mkdir -p "$out"

section() { printf '#FILE %s\n' "$1"; cat; }
crlf() { sed 's/$/\r/'; }

delivered() {
  for f in MENDATA1.txt MENDATA2.txt BEST1.txt BEST2.txt; do section "$f" <"$data/$f"; done
}
delivered >"$out/delivered"
{ section MENDATA1.txt <"$data/MENDATA1.txt"; } >"$out/first-run"

# Two random stages recorded, bests on two prepared stages.
goal_stage() { printf '%s\n' 1 2 2 3 4 5 5 6 7 8 8 9 13 10 11 12; }
{
  section MENDATA1.txt <"$data/MENDATA1.txt"
  { echo 2; goal_stage; goal_stage; } | crlf | section MENDATA2.txt
  { echo 30; echo 3; echo '"QSM"'; echo 1; echo '"S"'; for _ in $(seq 3 30); do echo 0; echo '""'; done; } |
    crlf | section BEST1.txt
  { echo 2; echo 0; echo 0; echo '""'; echo 5; echo '"RRRRS"'; } | crlf | section BEST2.txt
} >"$out/played"

damage() {  # name, then sed expression applied to MENDATA1 (or a whole replacement via stdin)
  local name=$1 file=$2 expr=$3
  {
    for f in MENDATA1.txt MENDATA2.txt BEST1.txt BEST2.txt; do
      if [ "$f" = "$file" ]; then sed "$expr" "$data/$f" | section "$f"; else section "$f" <"$data/$f"; fi
    done
  } >"$out/damage-$name"
}
damage count-text MENDATA1.txt '1s/.*/thirty\r/'
damage count-51 MENDATA1.txt '1s/.*/51\r/'
damage count-negative MENDATA2.txt '1s/.*/-1\r/'
damage code-0 MENDATA1.txt '5s/.*/0\r/'
damage code-14 MENDATA1.txt '7s/.*/14\r/'
damage not-goal-tiles MENDATA1.txt '3s/.*/1\r/'
damage ends-early MENDATA1.txt '400,$d'
damage best-above-stages BEST1.txt '1s/.*/31\r/'
damage history-letters BEST1.txt '3s/.*/"abc"\r/'
damage records-above-stages BEST2.txt '1s/.*/1\r/'
# Not damage: a stage that starts solved, which the first game completes (and records) at once.
{ { echo 1; goal_stage; } | crlf | section MENDATA1.txt; } >"$out/stage-that-starts-solved"
# Not damage: a stage file saved by an editor with LF line ends.
{ sed 's/\r$//' "$data/MENDATA1.txt" | section MENDATA1.txt; } >"$out/hand-edited-lf"
{ for f in MENDATA2.txt BEST1.txt BEST2.txt; do section "$f" <"$data/$f"; done; } >"$out/damage-stages-missing"
ls "$out" | wc -l
