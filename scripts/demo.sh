#!/usr/bin/env bash
# The main job, the converter at work: a sample text printed through "InkvaleB"
# into a job folder, Inkvale.exe started on it in a Wine prefix, the
# destination chosen and Create pressed.  Leaves the PDF, its text and a
# screenshot of the dialog in out/converter/.
#   scripts/demo.sh [--interactive]
# Driven automatically on a virtual display; with --interactive it uses your
# $DISPLAY and you choose the destination (out/converter/Sample.pdf) and
# press Create yourself.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

. scripts/demo-common.sh
demo_prepare "$@" converter_demo printer_files register_recorders

world=build/demo-converter/world
out=out/converter
rm -rf "$out"; mkdir -p "$out"
trap 'testenv/world/world.sh stop "$world"' EXIT
scripts/converter-world.sh "$world"

export INKVALE_BUILD=$root/build/win64 INKVALE_SOURCE=$root
out_windows="Z:$(realpath "$out" | tr / '\\')"
testenv/world/wine-run.sh "$world" build/win64/converter/converter_demo.exe "$out_windows" \
    $([ "$mode" = interactive ] && echo interactive)

if [ -f "$out/Sample.pdf" ]; then
    pdftotext "$out/Sample.pdf" "$out/Sample.txt"
    echo "text of the PDF:"
    sed 's/^/    /' "$out/Sample.txt"
fi
demo_convert_screenshots "$out"
echo "results in $out/"
