#!/usr/bin/env bash
# Runs CMD inside a Japanese Wine environment and always cleans up after it.
#
#   tools/with-wine.sh [--xvfb] [--prefix DIR] CMD [ARG...]
#
# Inside CMD: LANG/LC_ALL ja_JP.UTF-8 (so the ANSI code page is 932), a
# Wine prefix of the project's own (default build/wine-prefix, made on first
# use), the MS Japanese font faces mapped to the IPA fonts, a persistent
# wineserver, and DISPLAY set: the caller's display, or a private Xvfb when
# there is none or when --xvfb is given. On exit the prefix's Wine processes
# and the Xvfb started here are ended. The exit status is CMD's.
#
# Users of one prefix take turns (a lock beside the prefix), because ending
# Wine ends every program in that prefix. A nested call runs CMD directly.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=${KURANTO_WINEPREFIX:-$root/build/wine-prefix}
want_xvfb=0
while [ $# -gt 0 ]; do
  case $1 in
    --xvfb) want_xvfb=1; shift ;;
    --prefix) prefix=$2; shift 2 ;;
    --) shift; break ;;
    -*) echo "with-wine: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: tools/with-wine.sh [--xvfb] [--prefix DIR] CMD [ARG...]" >&2
  exit 2
fi

if [ "${KURANTO_IN_WINE:-}" = "$prefix" ]; then
  exec "$@"
fi

# A prefix is only ever replaced when this script made it (its stamp is
# there, written before the first file) or when it is empty or missing:
# pointed at a user's ~/.wine, the build folder or any other folder with
# files of its own, refuse and touch nothing.
prefix=$(realpath -m "$prefix")
stamp=$prefix/.kuranto-prefix
if [ -d "$prefix" ] && [ -n "$(ls -A "$prefix")" ] && [ ! -f "$stamp" ]; then
  echo "with-wine: $prefix holds files this script did not make (no .kuranto-prefix);" \
    "refusing to use it as the project's Wine prefix. Give an empty folder or a new one." >&2
  exit 2
elif [ -e "$prefix" ] && [ ! -d "$prefix" ]; then
  echo "with-wine: $prefix is not a folder" >&2
  exit 2
fi

for tool in wine wineserver wineboot Xvfb flock; do
  command -v "$tool" >/dev/null || { echo "with-wine: $tool not found (run tools/setup.sh)" >&2; exit 2; }
done

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export KURANTO_IN_WINE=$prefix
unset WINEARCH

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
if ! flock -n 9; then
  echo "with-wine: waiting for another user of $prefix" >&2
  flock 9
fi

xvfb_pid=
display_file=
cleanup() {
  local status=$?
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  [ -n "$display_file" ] && rm -f "$display_file"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

if [ "$want_xvfb" = 1 ] || [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "with-wine: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
  done
  [ -s "$display_file" ] || { echo "with-wine: Xvfb gave no display" >&2; exit 1; }
  export DISPLAY=:$(head -n1 "$display_file")
fi

# Wine draws caption buttons and scroll arrows with its own font Marlett.
# This Wine looks for its font folder at a path it cannot open (".../wine/../
# fonts"), so Marlett is missing and the buttons show the letters "0 1 r".
# Registering the file by its full path in the prefix brings them back.
marlett=
for dir in "$(dirname "$(readlink -f "$(command -v wine)")")/../share/wine/fonts" \
           /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
  if [ -f "$dir/marlett.ttf" ]; then marlett=$(readlink -f "$dir/marlett.ttf"); break; fi
done

# Bump when the prefix's settings below change, so old prefixes are redone.
prefix_version=2
if [ "$(cat "$stamp" 2>/dev/null)" != "$prefix_version" ]; then
  echo "with-wine: preparing the Wine prefix $prefix" >&2
  rm -rf "$prefix"
  mkdir -p "$prefix"
  # Stamped at once, so a preparation cut short is still ours to redo.
  echo preparing >"$stamp"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # The program asks for the faces a Japanese Windows has; regedit wants UTF-16.
  reg_file=$prefix/kuranto-fonts.reg
  printf '\xff\xfe' >"$reg_file"
  {
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"ＭＳ ゴシック"="IPAGothic"' \
      '"ＭＳ Ｐゴシック"="IPAPGothic"' \
      '"ＭＳ 明朝"="IPAMincho"' \
      '"ＭＳ Ｐ明朝"="IPAPMincho"' \
      '"MS Gothic"="IPAGothic"' \
      '"MS PGothic"="IPAPGothic"' \
      '"MS UI Gothic"="IPAPGothic"' ''
    if [ -n "$marlett" ]; then
      printf '%s\r\n' '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]' \
        "\"Marlett (TrueType)\"=\"Z:${marlett//\//\\\\}\"" ''
    fi
  } | iconv -f UTF-8 -t UTF-16LE >>"$reg_file"
  wine regedit /S "$reg_file" >/dev/null 2>&1
  wineserver -w
  [ -d "$prefix/drive_c/windows" ] || { echo "with-wine: wineboot failed in $prefix" >&2; exit 1; }
  echo "$prefix_version" >"$stamp"
fi

# Keep one wineserver for all of CMD's Wine processes instead of one per start.
wineserver -p
# On a private Xvfb there is no window manager: a virtual desktop gives the
# windows their frames and spares Wine's wait for a manager on every hide.
if [ -n "$xvfb_pid" ]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
else
  wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
fi
# Start Wine's own services and desktop now, away from CMD's output: started
# later they would inherit CMD's pipes and keep a reader such as ctest waiting.
wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
set +e
"$@"
status=$?
set -e
exit "$status"
