# The one place that configures the Windows build. Source it from a script:
#
#   source "$root/tools/mingw.sh"      # sets $mingw_build
#   build_mingw [TARGET...]            # configures and builds (all without TARGET)
#
# The build directory is build/mingw, or $KURANTO_MINGW_BUILD when set.
mingw_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mingw_build=${KURANTO_MINGW_BUILD:-$mingw_root/build/mingw}

build_mingw() {
  cmake -S "$mingw_root" -B "$mingw_build" \
    -DCMAKE_TOOLCHAIN_FILE="$mingw_root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  local targets=()
  local target
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --build "$mingw_build" -j"${JOBS:-2}" "${targets[@]}"
}
