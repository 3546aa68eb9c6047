#!/usr/bin/env bash
# The word closer in a Wine prefix, against stand-in Word and
# Outlook processes, showing what it does.
#   scripts/demo-closer.sh [--interactive]
# Driven automatically on a virtual display; with --interactive it uses your
# $DISPLAY and you answer the questions yourself.  Results go to out/closer/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

. scripts/demo-common.sh
demo_prepare "$@" closer_demo

world=build/demo/world
out=out/closer
rm -rf "$out"; mkdir -p "$out"
trap 'testenv/world/world.sh stop "$world"' EXIT
testenv/world/world.sh start "$world"

export INKVALE_BUILD=$root/build/win64 INKVALE_SOURCE=$root
out_windows="Z:$(realpath "$out" | tr / '\\')"
testenv/world/wine-run.sh "$world" build/win64/testenv/demo/closer_demo.exe "$out_windows" \
    $([ "$mode" = interactive ] && echo interactive)

demo_convert_screenshots "$out"
echo "results in $out/"
