#!/usr/bin/env bash
# Builds and runs every test of クラント: the native core tests, the same
# under AddressSanitizer and UndefinedBehaviorSanitizer, short fuzz runs,
# and the Windows program's tests under Wine. Counts test cases the same way
# in every suite (GoogleTest cases; a script or fuzz run is one case) and
# ends with one line: "suites: N passed, M failed, K skipped". A suite that
# fails to build or does not run counts as a failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
export JOBS=${JOBS:-2}

bash tools/setup.sh || exit 1

passed=0
failed=0
skipped=0
status=0

# add_counts LABEL LOG [XML_DIR]: adds the suite's cases to the totals.
add_counts() {
  local label=$1 counts
  if ! counts=$(python3 "$root/tools/count-tests.py" "$2" "${3:-}"); then
    echo "$label: no tests ran"
    failed=$((failed + 1)); status=1; return
  fi
  read -r p f s <<<"$counts"
  echo "$label: $p passed, $f failed, $s skipped"
  passed=$((passed + p)); failed=$((failed + f)); skipped=$((skipped + s))
  [ "$f" -eq 0 ] || status=1
}

# show_log LOG: the failing lines and ctest's summary.
show_log() {
  grep -E '\*\*\*Failed|\(Failed\)|Not Run|\*\*\*Timeout|\*\*\*Exception' "$1" | head -n 40
  tail -n 3 "$1"
}

# run_suite LABEL BUILD_DIR CONFIGURE_ARGS...
run_suite() {
  local label=$1 dir=$2
  shift 2
  echo "=== $label"
  if ! cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"; echo "$label: configure failed"; status=1; failed=$((failed + 1)); return
  fi
  if ! cmake --build "$dir" -j"$JOBS" >"$dir.build.log" 2>&1; then
    tail -n 60 "$dir.build.log"; echo "$label: build failed"; status=1; failed=$((failed + 1)); return
  fi
  local log="$dir.ctest.log"
  (cd "$dir" && ctest --output-on-failure -j"$JOBS" --timeout 600) >"$log" 2>&1
  [ $? -eq 0 ] || status=1
  show_log "$log"
  add_counts "$label" "$log"
}

mkdir -p build
run_suite "native tests" build/native -DCMAKE_BUILD_TYPE=Release
run_suite "sanitizer tests (ASan+UBSan)" build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKURANTO_SANITIZE=ON
run_suite "fuzz runs" build/fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DKURANTO_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ_SECONDS="${FUZZ_SECONDS:-5}"

echo "=== Windows program under Wine"
# Each Windows test executable writes its GoogleTest report here.
xml_dir=$root/build/wine-gtest-xml
rm -rf "$xml_dir" && mkdir -p "$xml_dir"
export GTEST_OUTPUT="xml:Z:$xml_dir/"
bash tools/test-wine.sh >build/wine.log 2>&1
[ $? -eq 0 ] || status=1
unset GTEST_OUTPUT
show_log build/wine.log
add_counts "Windows program under Wine" build/wine.log "$xml_dir"

echo
echo "suites: $passed passed, $failed failed, $skipped skipped"
exit $status
