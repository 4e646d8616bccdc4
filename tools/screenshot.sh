#!/usr/bin/env bash
# Builds the Windows program, runs it on a private Xvfb with the sample data,
# searches through its controls and saves a PNG of the main window per tab:
# build/screenshots/address.png, office.png, conditions.png, and one per page
# of the settings sheet: settings-display.png, settings-address.png,
# settings-office.png. The program starts without saved settings.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KURANTO_MINGW_BUILD:-$root/build/mingw}
out=$root/build/screenshots

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target kuranto kuranto_driver
rm -rf "$out"
"$root/tools/layout-program.sh" "$build" "$out/program"

export KURANTO_DRIVER=$build/tools/driver/kuranto_driver.exe KURANTO_OUT=$out
"$root/tools/with-wine.sh" --xvfb bash -euo pipefail -c '
  drive() { wine "$KURANTO_DRIVER" window 60000 "$@"; }
  # shot NAME: the main window cut from the screen (the virtual desktop fills it).
  shot() {
    read -r x y w h < <(drive paint sleep 300 rect)
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$KURANTO_OUT/$1.png"
    echo "screenshot: $KURANTO_OUT/$1.png"
  }
  program=$(winepath -w "$KURANTO_OUT/program")
  wine reg delete "HKCU\\Software\\Ostrel\\Kuranto" /f >/dev/null 2>&1 || true
  wine "$KURANTO_DRIVER" start "$program\\kuranto.exe" "$program" window 60000
  drive click 2000 select 2004 1 set 2007 107 click 3012 status
  shot address
  drive tab 1 click 2000 select 2004 1 set 2007 100 click 3012 status
  shot office
  drive click 3020 tab 2
  shot conditions
  page=0
  for name in display address office; do
    read -r x y w h < <(drive sheet $page)
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$KURANTO_OUT/settings-$name.png"
    echo "screenshot: $KURANTO_OUT/settings-$name.png"
    page=$((page + 1))
  done
  drive sheet-cancel
  drive close 20000 >/dev/null
'
