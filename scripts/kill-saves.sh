#!/usr/bin/env bash
# Kills a process in the middle of saving records, again and again (default 600 times), and
# checks after each kill that every data file is whole and no finished save was lost.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target save_kill_test
KELVORA_KILLS="${1:-600}" build/dev/tests/records/save_kill_test
