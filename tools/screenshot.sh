#!/usr/bin/env bash
# Builds the Windows program, runs it on a private Xvfb with the sample data,
# searches through its controls and saves a PNG of the main window per tab:
# build/screenshots/address.png, office.png, conditions.png.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/screenshots

source "$root/tools/mingw.sh"
build=$mingw_build
build_mingw kuranto kuranto_driver
rm -rf "$out"
"$root/tools/layout-program.sh" "$build" "$out/program"

export KURANTO_DRIVER=$build/tools/driver/kuranto_driver.exe KURANTO_OUT=$out
export KURANTO_IDS=$root/resources/resource_ids.h
"$root/tools/with-wine.sh" --xvfb bash -euo pipefail -c '
  drive() { wine "$KURANTO_DRIVER" window 60000 "$@"; }
  # id NAME: a control or command id as the program defines it.
  id() { awk -v name="$1" '"'"'$1 == "#define" && $2 == name { print $3 }'"'"' "$KURANTO_IDS"; }
  # shot NAME: the main window cut from the screen (the virtual desktop fills it).
  shot() {
    read -r x y w h < <(drive paint sleep 300 rect)
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$KURANTO_OUT/$1.png"
    echo "screenshot: $KURANTO_OUT/$1.png"
  }
  program=$(winepath -w "$KURANTO_OUT/program")
  wine "$KURANTO_DRIVER" start "$program\\kuranto.exe" "$program" window 60000
  drive click "$(id IDC_RADIO_NUMBER)" select "$(id IDC_NUMBER_KIND)" 1 set "$(id IDC_NUMBER)" 107 \
    click "$(id IDC_SEARCH)" status
  shot address
  drive tab 1 click "$(id IDC_RADIO_NUMBER)" select "$(id IDC_NUMBER_KIND)" 1 set "$(id IDC_NUMBER)" 100 \
    click "$(id IDC_SEARCH)" status
  shot office
  drive click "$(id IDC_REGISTER_CONDITION)" tab 2
  shot conditions
  drive close 20000 >/dev/null
'
