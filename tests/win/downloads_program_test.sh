#!/usr/bin/env bash
# A program folder holding only kuranto.exe, telnum.dat and Japan Post's two
# zips starts, extracts, builds and searches both tabs; a newer ken_all.zip is
# picked up at the next start; a second start on the same folder hands over
# to the running window and ends. Runs inside tools/with-wine.sh.
#
#   downloads_program_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
driver=$build/tests/driver/kuranto_driver.exe
ids=$source/resources/resource_ids.h
id() { awk -v name="$1" '$1 == "#define" && $2 == name { print $3 }' "$ids"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/kuranto.exe" "$source/data/telnum.dat" "$work/"
zip_of() {  # zip_of ZIP ENTRY SOURCE DATE
  python3 "$source/tests/core/make_zip.py" "$work/$1" --entry "$2" --source "$3" --date "$4"
}
zip_of ken_all.zip KEN_ALL.CSV "$source/data/sample/Ken_all.csv" 2026,4,27,0,0,0
zip_of jigyosyo.zip JIGYOSYO.CSV "$source/data/sample/Jigyosyo.csv" 2026,4,27,0,0,0

program=$(winepath -w "$work")
wine reg delete "HKCU\\Software\\Ostrel\\Kuranto" /f >/dev/null 2>&1 || true
drive() { wine "$driver" window 60000 "$@" | tr -d '\r'; }
search() {  # search TAB NUMBER: rows found by a new-number search on that tab
  drive tab "$1" click "$(id IDC_RADIO_NUMBER)" select "$(id IDC_NUMBER_KIND)" 1 set "$(id IDC_NUMBER)" "$2" \
    click "$(id IDC_SEARCH)" status | tail -n 1
}
fail=0
expect() { [ "$2" = "$3" ] || { echo "$1: got '$2', expected '$3'"; fail=1; }; }

wine "$driver" start "$program\\kuranto.exe" "$program" window 120000 >/dev/null
expect "address tab" "$(search 0 107)" "40 件見つかりました。"
expect "office tab" "$(search 1 100)" "6 件見つかりました。"
for name in Ken_all.csv Jigyosyo.csv shilist.txt h_ken.dat h_newn.dat h_oldn.dat; do
  [ -f "$work/$name" ] || { echo "no $name after the first start"; fail=1; }
done

# A second start on the same folder ends at once and leaves one window.
second=$(wine "$driver" start "$program\\kuranto.exe" "$program" wait-exit 30000 | tr -d '\r')
expect "second start's exit code" "$second" "0"
expect "office tab still searches" "$(search 1 100)" "6 件見つかりました。"
drive close >/dev/null

# A newer release: one line less, dated later; the next start takes it.
head -n -1 "$source/data/sample/Ken_all.csv" >"$work/newer.csv"
zip_of ken_all.zip KEN_ALL.CSV "$work/newer.csv" 2026,5,29,0,0,0
rm "$work/newer.csv"
wine "$driver" start "$program\\kuranto.exe" "$program" window 120000 >/dev/null
cmp -s "$work/Ken_all.csv" <(head -n -1 "$source/data/sample/Ken_all.csv") || { echo "the newer zip was not taken"; fail=1; }
drive close >/dev/null
[ $fail -eq 0 ] && echo "downloads_program_test: a folder of zips starts, searches and updates"
exit $fail
