# Shared by the shell tests of Utility: running Windows programs in the
# build tree's world, checks that say what they expected, and cleanup of
# whatever a test started.
#   source testlib.sh BUILD_DIR SOURCE_DIR
build=$1
source=$2
here=$source/utility/tests
client=$build/utility/UtilityClient.exe
world=$build/world
failures=0
cleanup_steps=()

run() { "$source/testenv/world/wine-run.sh" "$world" "$@" </dev/null | tr -d '\r'; }
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
# The value of NAME=... in a client's output.
field() { sed -n "s/^$1=//p" <<<"$2" | head -1; }

check() {  # what expected actual
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# Runs at exit, last registered first.
on_exit() { cleanup_steps=("$*" "${cleanup_steps[@]}"); }
run_cleanup() { for step in "${cleanup_steps[@]}"; do eval "$step" >/dev/null 2>&1 || true; done; }
trap run_cleanup EXIT

# Waits up to 20 s for a file to appear.
wait_for_file() {
    local deadline=$((SECONDS + 20))
    while [ ! -s "$1" ]; do
        [ $SECONDS -ge $deadline ] && { echo "FAIL: $1 did not appear"; exit 1; }
        sleep 0.05
    done
}

finish() {
    if [ $failures -ne 0 ]; then echo "$failures check(s) failed"; exit 1; fi
    echo "all checks passed"
}

# The test web server (http_server.py) on 127.0.0.1; sets http to its port.
start_web_server() {  # scratch
    /usr/bin/python3 "$here/http_server.py" "$1/ports" &
    on_exit "kill $!; wait $!"
    wait_for_file "$1/ports"
    http=$(sed -n 1p "$1/ports")
}

# The test FTP server with the account tester / "se cret", serving
# SCRATCH/ftproot.  UpLoad connects to the default port, so the server takes
# port 21 on a loopback address of this run's own, 127.NET.x.y (each test its
# own NET, so tests running together never meet); sets ftp_address.
start_ftp_server() {  # scratch net
    ftp_address=127.$2.$((($$ >> 8) & 255)).$(($$ & 255))
    mkdir -p "$1/ftproot"
    /usr/bin/python3 "$here/ftp_server.py" "$ftp_address" 21 "$1/ftproot" tester 'se cret' "$1/ftp.ready" &
    on_exit "kill $!; wait $!"
    wait_for_file "$1/ftp.ready"
}
