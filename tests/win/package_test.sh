#!/usr/bin/env bash
# The package as a user gets it: `cmake --install` lays out exactly the
# shipped files, the CPack zip holds that folder under its own name, and the
# folder unpacked from the zip runs (installed_program_test.exe under Wine).
#
#   package_test.sh BUILD_DIR WORK_DIR VERSION TEST_EXE
set -euo pipefail

build=$1 work=$2 version=$3 test_exe=$4
expected=$(printf '%s\n' keysweep.exe kuranto-query.exe kuranto.exe kuranto.html kuranto.ini readme.txt telnum.dat)

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/installed" >/dev/null
installed=$(cd "$work/installed" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
if [ "$installed" != "$expected" ]; then
  printf 'installed folder holds:\n%s\nexpected:\n%s\n' "$installed" "$expected"
  exit 1
fi

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/pack" >/dev/null)
zip=$work/pack/kuranto-$version-win64.zip
[ -f "$zip" ] || { echo "no $zip"; ls "$work/pack"; exit 1; }

# The zip's files, the text files' encodings, and the unpacked folder.
python3 - "$zip" "$work/unpacked" "kuranto-$version-win64" "$expected" <<'PY'
import sys, zipfile
path, dest, top, expected = sys.argv[1:5]
with zipfile.ZipFile(path) as z:
    files = sorted(n for n in z.namelist() if not n.endswith('/'))
    want = sorted(f"{top}/{name}" for name in expected.split())
    if files != want:
        sys.exit(f"zip holds {files}, expected {want}")
    z.extractall(dest)
readme = open(f"{dest}/{top}/readme.txt", "rb").read()
readme.decode("cp932")
if b"\n" in readme.replace(b"\r\n", b""):
    sys.exit("readme.txt has a line end other than CR LF")
page = open(f"{dest}/{top}/kuranto.html", "rb").read().decode("utf-8")
if '<meta charset="utf-8">' not in page or "keysweep" not in page:
    sys.exit("kuranto.html lacks its charset or the removal of the settings")
PY

folder=$work/unpacked/kuranto-$version-win64
# Under tools/test-all.sh the executable's cases are reported as this test's.
if [[ ${GTEST_OUTPUT:-} == xml:*/ ]]; then export GTEST_OUTPUT=${GTEST_OUTPUT}package_test.xml; fi
KURANTO_INSTALLED=$(winepath -w "$folder") wine "$test_exe"
echo "package_test: $(basename "$zip") unpacks to a folder that runs"
