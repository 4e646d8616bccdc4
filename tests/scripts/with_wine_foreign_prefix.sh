#!/usr/bin/env bash
# tools/with-wine.sh pointed at a folder with files of its own (a user's
# ~/.wine, say) refuses and leaves every file in place.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir" "$dir.lock"' EXIT
mkdir "$dir/prefix"
echo "mine" >"$dir/prefix/user.reg"

bash "$root/tools/with-wine.sh" --prefix "$dir/prefix" true 2>"$dir/err"
status=$?
fail=0
[ $status -eq 2 ] || { echo "exit status $status, expected 2"; fail=1; }
[ "$(cat "$dir/prefix/user.reg" 2>/dev/null)" = "mine" ] || { echo "the folder's own file is gone"; fail=1; }
[ "$(ls -A "$dir/prefix")" = "user.reg" ] || { echo "files were added: $(ls -A "$dir/prefix")"; fail=1; }
[ ! -e "$dir/prefix.lock" ] || { echo "a lock file was made beside the folder"; fail=1; }
grep -q "refusing" "$dir/err" || { echo "no message on stderr"; fail=1; }
exit $fail
