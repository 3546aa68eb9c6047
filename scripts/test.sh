#!/usr/bin/env bash
# Builds all three builds and runs every test: the portable rules natively,
# the Windows programs under Wine in a test world of this build tree.
#   scripts/test.sh [extra ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup.sh
for preset in native win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

# One ctest over both tested builds.
cat >build/CTestTestfile.cmake <<'CTEST'
subdirs("native" "win64")
CTEST

# ctest ends the world itself; this covers an interrupted run.
trap 'testenv/world/world.sh stop build/win64/world' EXIT
ctest --test-dir build --output-on-failure -j2 "$@"
