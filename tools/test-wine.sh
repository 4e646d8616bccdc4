#!/usr/bin/env bash
# Builds the Windows side with MinGW (build/mingw) and runs its tests under
# Wine on a private Xvfb. Exits non-zero when the build or a test fails.
#
#   tools/test-wine.sh [ctest arguments, e.g. -R harness]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KURANTO_MINGW_BUILD:-$root/build/mingw}

cmake -S "$root" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
"$root/tools/with-wine.sh" --xvfb \
  ctest --test-dir "$build" --output-on-failure --timeout 300 "$@"
