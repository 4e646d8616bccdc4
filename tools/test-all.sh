#!/usr/bin/env bash
# Builds and runs every test of クラント: the native core tests, the same
# under AddressSanitizer and UndefinedBehaviorSanitizer, short fuzz runs,
# and the Windows program's tests under Wine. Ends with one summary line.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-2}

bash tools/setup.sh || exit 1

passed=0
failed=0
status=0

# run_suite LABEL BUILD_DIR CONFIGURE_ARGS...
run_suite() {
  local label=$1 dir=$2
  shift 2
  echo "=== $label"
  if ! cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"; echo "$label: configure failed"; status=1; failed=$((failed + 1)); return
  fi
  if ! cmake --build "$dir" -j"$jobs" >"$dir.build.log" 2>&1; then
    tail -n 60 "$dir.build.log"; echo "$label: build failed"; status=1; failed=$((failed + 1)); return
  fi
  local log="$dir.ctest.log"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 600) >"$log" 2>&1
  local rc=$?
  grep -E '^[0-9]+% tests passed|\*\*\*Failed|\(Failed\)|Not Run|SKIPPED' "$log" | head -n 40
  tail -n 3 "$log"
  count_from "$log"
  [ $rc -eq 0 ] || status=1
}

count_from() {
  local line total bad
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then failed=$((failed + 1)); status=1; return; fi
  bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  total=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

mkdir -p build
run_suite "native tests" build/native -DCMAKE_BUILD_TYPE=Release
run_suite "sanitizer tests (ASan+UBSan)" build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKURANTO_SANITIZE=ON
run_suite "fuzz runs" build/fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DKURANTO_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ_SECONDS="${FUZZ_SECONDS:-5}"
if [ -x tools/test-wine.sh ]; then
  echo "=== Windows program under Wine"
  bash tools/test-wine.sh >build/wine.log 2>&1
  rc=$?
  grep -E '^[0-9]+% tests passed|\*\*\*Failed|\(Failed\)|Not Run' build/wine.log | head -n 40
  tail -n 3 build/wine.log
  count_from build/wine.log
  [ $rc -eq 0 ] || status=1
fi

echo
echo "all suites: $passed passed, $failed failed"
exit $status
