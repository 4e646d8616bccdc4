#!/usr/bin/env bash
# tools/with-wine.sh pointed at a folder with files it did not make (a
# user's ~/.wine, the project's build/ or build/mingw) refuses and leaves
# every file in place. A copy of the script runs in a scratch project, so a
# failure cannot reach the real build folder.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
project=$dir/project
mkdir -p "$project/tools" "$project/build/mingw" "$dir/wine"
cp "$root/tools/with-wine.sh" "$project/tools/"
echo "mine" >"$dir/wine/user.reg"
echo "mine" >"$project/build/CMakeCache.txt"
echo "mine" >"$project/build/mingw/CMakeCache.txt"

fail=0
for prefix in "$dir/wine" build "$project/build" build/mingw; do
  before=$(cd "$project" && find "$(realpath -m "$prefix")" | sort)
  (cd "$project" && bash tools/with-wine.sh --prefix "$prefix" true) 2>"$dir/err"
  status=$?
  after=$(cd "$project" && find "$(realpath -m "$prefix")" | sort)
  [ $status -eq 2 ] || { echo "$prefix: exit status $status, expected 2"; fail=1; }
  [ "$before" = "$after" ] || { echo "$prefix: its files changed"; fail=1; }
  [ ! -e "$(cd "$project" && realpath -m "$prefix").lock" ] || { echo "$prefix: a lock file was made beside it"; fail=1; }
  grep -q "refusing" "$dir/err" || { echo "$prefix: no message on stderr"; fail=1; }
done
for file in "$dir/wine/user.reg" "$project/build/CMakeCache.txt" "$project/build/mingw/CMakeCache.txt"; do
  [ "$(cat "$file" 2>/dev/null)" = "mine" ] || { echo "$file is gone"; fail=1; }
done
exit $fail
