#!/usr/bin/env bash
# Builds クラント and runs it under Wine: the README's run command.
#
#   bash tools/run.sh [DIR]
#
# On a fresh Debian machine (as root) it first installs what is needed. The
# program directory is build/run/ with the sample address files, or with
# copies of DIR's KEN_ALL.CSV and JIGYOSYO.CSV. With a display the program
# opens there and the script ends when it is closed. Without one it runs on a
# private Xvfb: once the window "クラント" shows, the script saves
# build/run/screenshot.png and ends the program.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run=$root/build/run

bash "$root/tools/setup.sh"
source "$root/tools/mingw.sh"
build=$mingw_build
build_mingw installed-programs kuranto_driver
"$root/tools/layout-program.sh" "$build" "$run" "${1:-}"

if [ -n "${DISPLAY:-}" ]; then
  echo "run: starting クラント on $DISPLAY (close its window to end)"
  cd "$run"
  "$root/tools/with-wine.sh" wine "$run/kuranto.exe"
  exit
fi

echo "run: no display; running クラント on Xvfb"
export KURANTO_DRIVER=$build/tests/driver/kuranto_driver.exe KURANTO_RUN=$run
"$root/tools/with-wine.sh" --xvfb bash -euo pipefail -c '
  program=$(winepath -w "$KURANTO_RUN")
  read -r x y w h < <(wine "$KURANTO_DRIVER" start "$program\\kuranto.exe" "$program" window 600000 paint sleep 300 rect)
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$KURANTO_RUN/screenshot.png"
  echo "run: the window クラント is shown; screenshot $KURANTO_RUN/screenshot.png"
  wine "$KURANTO_DRIVER" window 60000 close 60000 >/dev/null
  echo "run: クラント ended"
'
