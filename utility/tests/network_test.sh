#!/usr/bin/env bash
# HitURL and UpLoad through the early-bound client, against a web server and
# an FTP server of our own on loopback addresses.
#   network_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
. "$(dirname "$0")/testlib.sh" "$1" "$2"

scratch=$(mktemp -d "$build/utility/network.XXXXXX")
on_exit rm -rf "$scratch"

start_web_server "$scratch"
page() { /usr/bin/python3 -c "import sys; sys.path.insert(0, '$here'); import http_server as h; sys.stdout.buffer.write(h.$1())"; }

hit() {  # url -> body in $scratch/body, hr in $hr
    rm -f "$scratch/body"
    hr=$(field hr "$(run "$client" hit "$1" "$(winpath "$scratch/body")")")
}

hit "http://127.0.0.1:$http/missing"
check "a 404 page returns S_OK" 0x00000000 "$hr"
check "a 404 page returns its body" "<html>no such page: /missing</html>" "$(cat "$scratch/body")"

hit "http://127.0.0.1:$http/big"
page big_body >"$scratch/big"
check "a body of many chunks comes back whole" same "$(cmp -s "$scratch/big" "$scratch/body" && echo same || echo "differs, $(stat -c %s "$scratch/body") bytes")"

hit "http://127.0.0.1:$http/zero"
page zero_body >"$scratch/zero"
# The chunk with the zero byte ends there; the chunks after it still count.
check "a zero byte cuts its own chunk only" yes "$(/usr/bin/python3 - "$scratch/zero" "$scratch/body" <<'PY'
import sys
body, got = (open(p, "rb").read() for p in sys.argv[1:3])
cut = body.index(b"\0")
ok = got.startswith(body[:cut]) and len(got) < len(body) - 1 and body.endswith(got[cut:]) and got.endswith(b"the end")
print("yes" if ok else "no: %d bytes" % len(got))
PY
)"

hit "http://127.0.0.1:$http/agent"
check "the server sees the agent name" Kestrel "$(cat "$scratch/body")"

hit ""
check "an empty URL returns S_OK" 0x00000000 "$hr"
check "an empty URL returns an empty string" "" "$(cat "$scratch/body")"

start_ftp_server "$scratch" 91

/usr/bin/python3 -c "import sys; sys.stdout.buffer.write(bytes(range(256)) * 300 + b'\r\nlast\n')" >"$scratch/upload.bin"
upload() {  # server user password local remote
    out=$(run "$client" upload "$1" "$2" "$3" "$4" "$5")
    hr=$(field hr "$out")
    uploaded=$(field uploaded "$out")
}

upload "$ftp_address" tester 'se cret' "$(winpath "$scratch/upload.bin")" stored.bin
check "an upload returns S_OK" 0x00000000 "$hr"
check "an upload reports success" 1 "$uploaded"
check "the file is stored byte for byte" same "$(cmp -s "$scratch/upload.bin" "$scratch/ftproot/stored.bin" && echo same || echo differs)"

upload "$ftp_address" tester wrong "$(winpath "$scratch/upload.bin")" wrong.bin
check "a wrong password returns S_OK" 0x00000000 "$hr"
check "a wrong password uploads nothing" "0 no" "$uploaded $([ -e "$scratch/ftproot/wrong.bin" ] && echo yes || echo no)"

upload "$ftp_address" tester 'se cret' "$(winpath "$scratch/missing.bin")" missing.bin
check "a missing local file reports 0" "0x00000000 0" "$hr $uploaded"

rm -f "$scratch/ftp.ready.refused"
hit "ftp://tester:wrong@$ftp_address/stored.bin"
check "a URL that cannot be opened returns an empty string" "" "$(cat "$scratch/body")"
check "a URL that cannot be opened is tried three times" 3 "$(wc -l <"$scratch/ftp.ready.refused")"

upload "ftp://$ftp_address" tester 'se cret' "$(winpath "$scratch/upload.bin")" url.bin
check "a server name in URL form reports 0" "0x00000000 0" "$hr $uploaded"

finish
