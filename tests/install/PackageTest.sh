#!/usr/bin/env bash
# Builds the portable archive, checks that it holds one folder per program and nothing that
# names the build machine, unpacks it elsewhere and runs FOLIA from there.
#
#   PackageTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
. "$source/tests/install/support.sh"

cpack --config "$build/CPackConfig.cmake" -G TGZ -B "$work/out" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
archives=("$work"/out/*.tar.gz)
[ ${#archives[@]} -eq 1 ] && [ -f "${archives[0]}" ] || fail "cpack made no single archive"

tar -tzf "${archives[0]}" | cut -d/ -f2- | grep -v '^$' | sort >"$work/contents"
for program in "FOLIA ENGLISH" FOLIA Quillet Quilleta; do
    grep -qxF "$program/$program" "$work/contents" || fail "the archive lacks $program"
    grep -qxF "$program/LICENSE" "$work/contents" || fail "$program lacks the licence"
done
for program in "FOLIA ENGLISH" FOLIA; do
    grep -qxF "$program/samples/welcome.txt" "$work/contents" || fail "$program lacks its samples"
done
if grep -E '^(bin|share)/' "$work/contents"; then fail "the archive holds desktop files"; fi

mkdir -p "$work/anywhere"
tar -xzf "${archives[0]}" -C "$work/anywhere"
folder=$(echo "$work"/anywhere/*/"FOLIA ENGLISH")
run_until_terminated "$folder/FOLIA ENGLISH"
[ -f "$folder/Configuracion.ini" ] || fail "the unpacked FOLIA did not keep its settings"
echo "portable archive: all checks passed"
