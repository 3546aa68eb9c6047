#!/usr/bin/env bash
# Benchmark (not a test): a 50-page document converted through Inkvale.exe
# and through the same Ghostscript command run directly, several times each,
# in a Wine prefix of its own; prints the ratio of the converter's time to
# Ghostscript's (aim: at most 1.05).  The converter is timed from Create to
# its success box, so the 1.5 s wait before opening a PDF is left out.
#   scripts/bench-converter.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${1:-3}

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target converter_bench printer_files register_recorders

world=build/bench-converter/world
out=out/bench-converter
rm -rf "$out"; mkdir -p "$out"
trap 'testenv/world/world.sh stop "$world"' EXIT
scripts/converter-world.sh "$world"

export INKVALE_BUILD=$root/build/win64 INKVALE_SOURCE=$root
out_windows="Z:$(realpath "$out" | tr / '\\')"
testenv/world/wine-run.sh "$world" build/win64/converter/converter_bench.exe "$out_windows" "$runs" 2>/dev/null
