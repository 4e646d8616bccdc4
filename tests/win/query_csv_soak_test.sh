#!/usr/bin/env bash
# kuranto-query.exe under Wine runs resolve --csv (plain, and with --split
# --barcode) and lookup --csv to the end on a file of real addresses, most
# of them with a building in Latin letters, many blocks long: on one
# thread, on every processor and on more threads than blocks in flight,
# each more than once, and every output equals the native tool's byte for
# byte. Runs inside tools/with-wine.sh.
#
#   query_csv_soak_test.sh BUILD_DIR SHARED_DATA NATIVE_QUERY [RUNS]
set -euo pipefail
build=$1 shared=$2 native=$3 runs=${4:-2}
skip=77
if [ ! -f "$shared/KEN_ALL.CSV" ] || [ ! -f "$shared/JIGYOSYO.CSV" ]; then
  echo "no KEN_ALL.CSV and JIGYOSYO.CSV in $shared; skipping the soak"
  exit $skip
fi
if [ ! -x "$native" ]; then
  echo "no native kuranto-query at $native (build build/native first); skipping the soak"
  exit $skip
fi
exe=$build/query/kuranto-query.exe

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"
cp "$shared/KEN_ALL.CSV" "$shared/JIGYOSYO.CSV" "$work/data/"
python3 "$(dirname "$0")/make_latin_list.py" "$work/data/KEN_ALL.CSV" "$work/list.csv"
rows=$(($(wc -l <"$work/list.csv") - 1))
[ "$rows" -ge 100000 ] || { echo "only $rows rows made"; exit 1; }

commands=("resolve --csv LIST --column 1 --header"
          "resolve --csv LIST --column 1 --header --code-column 2 --split --barcode"
          "lookup --csv LIST --column 2 --header")
list_win=$(winepath -w "$work/list.csv")
dir_win=$(winepath -w "$work/data")
fail=0 done_runs=0
for i in "${!commands[@]}"; do
  command=${commands[$i]}
  # shellcheck disable=SC2086
  "$native" --dir "$work/data" ${command/LIST/$work/list.csv} >"$work/native-$i" 2>/dev/null
  for threads in 1 "" 8; do
    for ((run = 1; run <= runs; run++)); do
      out=$work/wine-$i
      rm -f "$out"
      # shellcheck disable=SC2086
      if ! wine "$exe" --dir "$dir_win" ${command/LIST/$list_win} ${threads:+--threads $threads} \
          >"$out" 2>"$work/stderr"; then
        echo "'$command' ${threads:+--threads $threads} run $run failed"
        tail -n 5 "$work/stderr"
        fail=1
      elif ! cmp -s "$work/native-$i" "$out"; then
        echo "'$command' ${threads:+--threads $threads} run $run differs from the native tool's: $(cmp "$work/native-$i" "$out" | head -n 1)"
        fail=1
      fi
      done_runs=$((done_runs + 1))
    done
  done
done
echo "$done_runs runs of $rows rows each ($(stat -c %s "$work/list.csv") bytes) under Wine"
exit $fail
