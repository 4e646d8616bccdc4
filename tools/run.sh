#!/usr/bin/env bash
# Builds クラント and starts it under Wine on sample data, or on the Japan
# Post files in DIR (KEN_ALL.CSV, and JIGYOSYO.CSV when there).
#
#   tools/run.sh [DIR]
#
# With a display the program runs there until you close it. Without one it
# runs on a private Xvfb, and build/run/screenshot.png shows its window.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source_dir=${1:-}
build=${KURANTO_MINGW_BUILD:-$root/build/mingw}
program=$root/build/run

bash "$root/tools/setup.sh"

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target kuranto >/dev/null

# The program folder: the program, its shipped files and the data.
mkdir -p "$program"
cp "$build/app/kuranto.exe" "$root/data/telnum.dat" "$root/data/kuranto.ini" "$program/"
# A file found whatever the case of its name, as Windows would.
find_ci() { find "$1" -maxdepth 1 -type f -iname "$2" | head -n 1; }
if [ -n "$source_dir" ]; then
  address=$(find_ci "$source_dir" KEN_ALL.CSV)
  [ -n "$address" ] || { echo "run: no KEN_ALL.CSV in $source_dir" >&2; exit 1; }
  office=$(find_ci "$source_dir" JIGYOSYO.CSV)
else
  address=$root/data/sample/Ken_all.csv
  office=$root/data/sample/Jigyosyo.csv
fi
# A new address file makes the index files stale; the program rebuilds them.
if ! cmp -s "$address" "$program/Ken_all.csv"; then
  cp "$address" "$program/Ken_all.csv"
  rm -f "$program"/shilist.txt "$program"/h_ken.dat "$program"/h_newn.dat "$program"/h_oldn.dat
fi
rm -f "$program/Jigyosyo.csv"
[ -n "${office:-}" ] && cp "$office" "$program/Jigyosyo.csv"
chmod u+w "$program"/*

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run: starting kuranto.exe in $program"
  cd "$program"
  exec "$root/tools/with-wine.sh" wine kuranto.exe
fi

echo "run: no display; starting kuranto.exe on Xvfb"
cd "$program"
rm -f screenshot.png
"$root/tools/with-wine.sh" --xvfb bash -c '
  wine kuranto.exe &
  # The window shows once the first-start builds are done.
  for _ in $(seq 60); do
    sleep 1
    [ -f h_newn.dat ] && [ -f h_oldn.dat ] && break
  done
  sleep 4
  import -window root screenshot.png
'
echo "run: screenshot saved as $program/screenshot.png"
