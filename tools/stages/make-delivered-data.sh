#!/usr/bin/env bash
# Writes the data files first delivered with the game into assets/data: 30 prepared stages whose
# optimal solutions ("pars") rise steadily from 1 move to 60, made by kelvora-stages generate from
# a fixed seed and each proven optimal by the solver, and record files that hold no records.
# Each stage's par and an optimal solution go to tools/stages/delivered-solutions.txt, which the
# tests replay. Needs a release build (cmake --preset release && cmake --build --preset release);
# the first run builds the solver's tables (about a minute and a half on two cores).
set -euo pipefail
cd "$(dirname "$0")/../.."

pars=1,2,3,4,5,6,7,8,9,10,12,14,16,18,20,22,24,26,28,30,32,34,36,38,40,43,46,50,54,60
seed=2026
data=assets/data
build/release/game/kelvora-stages generate --pars "$pars" --seed "$seed" \
  --out "$data/MENDATA1.txt" --solutions tools/stages/delivered-solutions.txt

# The record files as a first run would save them: no best for any stage, no random stage
# archived, and a random best above anything that can be recorded.
count=$(awk -F, '{print NF}' <<<"$pars")
{
  printf '%s\r\n' "$count"
  for _ in $(seq "$count"); do printf '0\r\n""\r\n'; done
} >"$data/BEST1.txt"
printf '0\r\n' >"$data/MENDATA2.txt"
printf '0\r\n9999\r\n' >"$data/BEST2.txt"
echo "Wrote $data: $count prepared stages, pars $pars"
