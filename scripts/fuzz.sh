#!/usr/bin/env bash
# Fuzzes the data-file load with libFuzzer under the address and undefined-behaviour
# sanitizers for the given number of seconds (default 600), starting from the committed seed
# corpus, and reports how many inputs were tried. A crashing input is kept in
# build/fuzz/artifacts/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

seconds="${1:-600}"
cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target fuzz_data_files
work=build/fuzz/corpus-work
artifacts=build/fuzz/artifacts
mkdir -p "$work" "$artifacts"
cp -n fuzz/corpus/* "$work"/

log=build/fuzz/last-run.log
status=0
build/fuzz/fuzz/fuzz_data_files "$work" fuzz/corpus -max_total_time="$seconds" -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?
runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
echo "Fuzzed the data-file load for ${seconds}s: ${runs:-?} inputs tried, exit status $status."
if [ "$status" -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|Test unit written' "$log" || tail -30 "$log"
  exit "$status"
fi
