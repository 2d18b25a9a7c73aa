#!/usr/bin/env bash
# Checks that every folder includes only the layers below it, and that Qt stays in the window,
# the tools, the benchmarks and the tests. Prints each include that breaks the rule and fails.
#
#   text <- core <- platform <- records <- game <- ui
#                        \------- solver ------------/ (and its command line, which reads the
#                                                       records and draws the game's records
#                                                       report too, as does the page's hint worker
#                                                       for the delivered solutions; the window asks
#                                                       it for hints)
# platform/ is the one place that knows which system the game runs on.
set -euo pipefail
cd "$(dirname "$0")/.."

# Folder: the project folders its files may include from (itself always may).
declare -A allowed=(
  [text]="text"
  [core]="core text"
  [platform]="platform core text"
  [records]="records platform core text"
  [game]="game records platform core text"
  [solver]="solver platform core text"
  [solver/cli]="solver/cli solver game records platform core text"
  [solver/worker]="solver/worker solver game records platform core text"
  [ui]="ui game solver records platform core text"
  [fuzz]="game records platform core text"
)
qt_free="text core platform records game solver fuzz"

status=0
complain() {
  echo "layering: $1"
  status=1
}

for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  # solver/cli and solver/worker are checked as folders of their own, not as part of solver.
  prune=()
  [ "$folder" = solver ] && prune=(-path solver/cli -prune -o -path solver/worker -prune -o)
  while IFS= read -r file; do
    while IFS= read -r line; do
      included=$(sed -E 's/^[0-9]+:#include "([^"]+)".*/\1/' <<<"$line")
      from=$(dirname "$included")
      ok=0
      for layer in ${allowed[$folder]}; do
        [ "$from" = "$layer" ] && ok=1
      done
      [ $ok -eq 1 ] || complain "$file:${line%%:*} includes \"$included\", not allowed in $folder/"
    done < <(grep -nE '^#include "' "$file" || true)
  done < <(find "$folder" "${prune[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print)
done

for folder in $qt_free; do
  [ -d "$folder" ] || continue
  while IFS= read -r hit; do
    complain "$hit: Qt belongs in ui/, tools/, bench/ and tests/ only"
  done < <(grep -rnE '^#include <Q|^#include <Qt' "$folder" --include='*.h' --include='*.cpp' || true)
done

# The tests' own files are included as "tests/...", which no product folder may do.
while IFS= read -r hit; do
  complain "$hit: a product file includes a test file"
done < <(grep -rnE '^#include "tests/' text core platform records game solver ui tools fuzz \
           --include='*.h' --include='*.cpp' || true)

[ $status -eq 0 ] && echo "layering: every include goes down the layers; Qt only where it belongs"
exit $status
