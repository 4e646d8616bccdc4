#!/usr/bin/env bash
# Builds the Windows side with MinGW (build/mingw) and runs its tests under
# Wine on a private Xvfb. Exits non-zero when the build or a test fails.
#
#   tools/test-wine.sh [ctest arguments, e.g. -R harness]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/mingw.sh"
build=$mingw_build
build_mingw
"$root/tools/with-wine.sh" --xvfb \
  ctest --test-dir "$build" --output-on-failure --timeout 300 "$@"
