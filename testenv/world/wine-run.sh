#!/usr/bin/env bash
# Runs a Windows program in the test world of a build tree:
#   wine-run.sh WORLD_DIR PROGRAM [ARGS...]
# The world must have been started (world.sh start WORLD_DIR).
set -euo pipefail
world=${1:?usage: wine-run.sh WORLD_DIR PROGRAM [ARGS...]}
shift
if [ ! -f "$world/env" ]; then
    echo "wine-run: the test world in $world is not running (world.sh start $world)" >&2
    exit 2
fi
# shellcheck source=/dev/null
. "$world/env"
exec /usr/lib/wine/wine64 "$@"
