#!/usr/bin/env bash
# Measures two of Utility's methods against the tools one would use instead,
# in one run, and prints the ratios:
#   InstalledSoftware over 5,000 Uninstall subkeys / "reg query" of that key
#   HitURL of a 64 MB body from a local server / curl on the host
# Both sides of a ratio start one process in the same prefix (or on the
# host), so the ratio says what the method costs against the usual tool.
#   utility/bench/benchmark.sh [BUILD_DIR]     (default: build/win64)
set -euo pipefail
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$source/build/win64}" && pwd)
world=$build/utility/bench-world
client=$build/utility/UtilityClient.exe
scratch=$(mktemp -d "$build/utility/bench.XXXXXX")
server_pid=

cleanup() {
    set +e
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
    fi
    "$source/testenv/world/world.sh" stop "$world" >/dev/null 2>&1
    rm -rf "$scratch" "$world"
}
trap cleanup EXIT

[ -f "$client" ] || { echo "build the win64 preset first ($client is missing)" >&2; exit 2; }
run() { "$source/testenv/world/wine-run.sh" "$world" "$@" </dev/null; }
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
now() { date +%s.%N; }
seconds() {  # command... -> elapsed seconds of one run
    local start end
    start=$(now)
    "$@" >/dev/null
    end=$(now)
    python3 -c "print($end - $start)"
}

echo "starting a world of its own..."
"$source/testenv/world/world.sh" start "$world" >/dev/null
run regsvr32 /s "$(winpath "$build/utility/Utility.dll")"

key='HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall'
python3 - "$scratch/entries.reg" "$key" <<'PY'
import sys
path, key = sys.argv[1:3]
with open(path, "w", encoding="utf-16") as f:
    f.write("Windows Registry Editor Version 5.00\r\n\r\n")
    for i in range(5000):
        f.write("[%s\\Bench%05d]\r\n\"DisplayName\"=\"Benchmark program %05d\"\r\n\r\n" % (key, i, i))
PY
run regedit /s "$(winpath "$scratch/entries.reg")"
count=$(run "$client" software ";" | tr -d '\r' | sed -n 's/^software=//p' | tr ';' '\n' | grep -c '^Benchmark program' || true)
[ "$count" -eq 5000 ] || { echo "expected 5000 entries, InstalledSoftware listed $count" >&2; exit 1; }

installed=$(seconds run "$client" software ";")
reg_query=$(seconds run reg query "$key" /s)

python3 -u "$source/utility/tests/http_server.py" "$scratch/ports" &
server_pid=$!
for _ in $(seq 1 400); do [ -s "$scratch/ports" ] && break; sleep 0.05; done
url="http://127.0.0.1:$(sed -n 1p "$scratch/ports")/size/67108864"
hit=$(seconds run "$client" hit "$url" "$(winpath "$scratch/body")")
[ "$(stat -c %s "$scratch/body")" -eq 67108864 ] || { echo "HitURL returned $(stat -c %s "$scratch/body") bytes" >&2; exit 1; }
curl_time=$(seconds curl -s -o "$scratch/curl-body" "$url")

python3 - "$installed" "$reg_query" "$hit" "$curl_time" <<'PY'
import sys
installed, reg_query, hit, curl = map(float, sys.argv[1:5])
print("InstalledSoftware, 5000 subkeys: %.2f s; reg query /s: %.2f s; ratio %.2f" % (installed, reg_query, installed / reg_query))
print("HitURL, 64 MB: %.2f s; curl: %.2f s; ratio %.2f" % (hit, curl, hit / curl))
PY
