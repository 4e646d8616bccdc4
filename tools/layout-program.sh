#!/usr/bin/env bash
# Lays out a program directory as a user installs it: the installed program
# folder (`cmake --install`: kuranto.exe, keysweep.exe, kuranto-query.exe, telnum.dat, kuranto.ini,
# kuranto.html, readme.txt) and the two Japan Post files under the names the
# program opens. The files come from DATA_DIR (its KEN_ALL.CSV and
# JIGYOSYO.CSV, any letter case) or, without it, the sample files. A DATA_DIR
# with Japan Post's UTF-8 edition (utf_ken_all.csv) and no KEN_ALL.CSV gives a
# folder with that file alone, which the program converts at its start.
# Index files left from other data are removed so the program rebuilds them.
#
#   tools/layout-program.sh BUILD_DIR DEST_DIR [DATA_DIR]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$1 dest=$2 data=${3:-}

for exe in "$build/app/kuranto.exe" "$build/keysweep/keysweep.exe" "$build/query/kuranto-query.exe"; do
  [ -f "$exe" ] || { echo "layout: $exe is not built" >&2; exit 1; }
done

# find_file DIR NAME: the file NAME in DIR, whatever its letter case.
find_file() {
  find "$1" -maxdepth 1 -type f -iname "$2" -print -quit
}

if [ -n "$data" ]; then
  [ -d "$data" ] || { echo "layout: $data is not a directory" >&2; exit 1; }
  ken=$(find_file "$data" KEN_ALL.CSV)
  utf=$(find_file "$data" utf_ken_all.csv)
  jig=$(find_file "$data" JIGYOSYO.CSV)
  [ -n "$ken" ] || [ -n "$utf" ] || { echo "layout: no KEN_ALL.CSV or utf_ken_all.csv in $data" >&2; exit 1; }
else
  ken=$root/data/sample/Ken_all.csv
  jig=$root/data/sample/Jigyosyo.csv
fi

mkdir -p "$dest"
rm -f "$dest"/shilist.txt "$dest"/h_ken.dat "$dest"/h_oldn.dat "$dest"/h_newn.dat "$dest"/Jigyosyo.csv \
  "$dest"/Ken_all.csv "$dest"/utf_ken_all.csv
cmake --install "$build" --prefix "$dest" >/dev/null
# Copies keep the published files' dates, which the program compares.
if [ -n "${ken:-}" ]; then
  cp --preserve=timestamps "$ken" "$dest/Ken_all.csv"
else
  cp --preserve=timestamps "$utf" "$dest/utf_ken_all.csv"
  ken=$utf
fi
[ -n "$jig" ] && cp --preserve=timestamps "$jig" "$dest/Jigyosyo.csv"
chmod u+w "$dest"/*.csv
echo "layout: $dest ready (address data from $ken)"
