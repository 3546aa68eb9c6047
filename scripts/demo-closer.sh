#!/usr/bin/env bash
# The word closer in a Wine prefix, against stand-in Word and
# Outlook processes, showing what it does.
#   scripts/demo-closer.sh [--interactive]
# Driven automatically on a virtual display; with --interactive it uses your
# $DISPLAY and you answer the questions yourself.  Results go to out/closer/.
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
cmake --build --preset win64 --target closer_demo

world=build/demo/world
out=out/closer
rm -rf "$out"; mkdir -p "$out"
trap 'testenv/world/world.sh stop "$world"' EXIT
testenv/world/world.sh start "$world"

export INKVALE_BUILD=$root/build/win64 INKVALE_SOURCE=$root
out_windows="Z:$(realpath "$out" | tr / '\\')"
testenv/world/wine-run.sh "$world" build/win64/testenv/demo/closer_demo.exe "$out_windows" \
    $([ "$mode" = interactive ] && echo interactive)

if command -v convert >/dev/null; then
    for shot in "$out"/*.bmp; do [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"; done
fi
echo "results in $out/"
