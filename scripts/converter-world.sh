#!/usr/bin/env bash
# A test world for the converter's main job and benchmark: display, prefix
# and server (testenv/world/world.sh), Ghostscript behind the stand-in where
# the converter looks for it, the printer "InkvaleB", and the recorders as
# the PDF viewer and the browser.  The win64 build must be there.
#   scripts/converter-world.sh WORLD_DIR
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
world=${1:?usage: converter-world.sh WORLD_DIR}
cd "$root"

testenv/world/world.sh start "$world"
gs_folder="$world/prefix/drive_c/windows/system32/gs/gs8.71/bin"
mkdir -p "$gs_folder"
cp build/win64/testenv/ghostscript/gswin32c.exe "$gs_folder/gswin32c.exe"
bat="Z:$(realpath build/win64/testenv/printer/PrinterInstallation.bat | tr / '\\')"
testenv/world/wine-run.sh "$world" cmd /c "$bat" 'c:\' </dev/null >/dev/null
testenv/world/wine-run.sh "$world" build/win64/testenv/recorders/register_recorders.exe </dev/null >/dev/null
