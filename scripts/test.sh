#!/usr/bin/env bash
# Installs what is missing, builds with the given preset (dev unless told otherwise) and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

preset="${1:-dev}"
# UI tests drive real widgets without a display.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if [ "$preset" = asan ]; then
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
