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

mode=auto
if [ "${1:-}" = "--interactive" ]; then
    mode=interactive
    : "${DISPLAY:?--interactive needs a display}"
    export WORLD_DISPLAY=$DISPLAY
fi

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target converter_demo printer_files register_recorders

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
if command -v convert >/dev/null; then
    for shot in "$out"/*.bmp; do [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"; done
fi
echo "results in $out/"
