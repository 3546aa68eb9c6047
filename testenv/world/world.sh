#!/usr/bin/env bash
# The test world of one build tree: an X display, a fresh Wine prefix and its
# persistent server.  Everything it starts is detached from the caller's
# output, so a test runner reading our pipes never waits for a Wine service.
#
#   world.sh start WORLD_DIR [KEEPER]
#                              end whatever an earlier run left, then boot anew;
#                              KEEPER is the desktop keeper program to start
#   world.sh stop  WORLD_DIR   end the server, every Wine process, then the display
#   world.sh env   WORLD_DIR   print the environment a Windows program needs
#
# With WORLD_DISPLAY set (for example to a person's own $DISPLAY), start uses
# that display instead of starting Xvfb.
set -euo pipefail

action=${1:?usage: world.sh start|stop|env WORLD_DIR}
world=${2:?usage: world.sh start|stop|env WORLD_DIR}
mkdir -p "$world"
world=$(cd "$world" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Say which step failed, with what it printed, rather than failing mutely.
trap 'echo "world.sh: \"$BASH_COMMAND\" failed with code $?" >&2; tail -n 20 "$world"/*.log >&2 2>/dev/null' ERR

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

export WINEPREFIX="$world/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEARCH WINESERVER

stop_world() {
    if [ -d "$WINEPREFIX" ]; then
        "$wineserver" -k </dev/null >/dev/null 2>&1 || true
        "$wineserver" -w </dev/null >/dev/null 2>&1 || true
    fi
    if [ -f "$world/xvfb.pid" ]; then
        local pid
        pid=$(cat "$world/xvfb.pid")
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            # Wait for the display to go, so a following start gets a clean one.
            for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
            kill -9 "$pid" 2>/dev/null || true
        fi
        rm -f "$world/xvfb.pid"
    fi
    rm -f "$world/env"
}

start_display() {
    if [ -n "${WORLD_DISPLAY:-}" ]; then
        export DISPLAY="$WORLD_DISPLAY"
        return
    fi
    # -displayfd lets the server pick a free display number itself, so two
    # runs on one machine never fight over one.
    local fifo="$world/display.fifo"
    rm -f "$fifo"; mkfifo "$fifo"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$fifo" </dev/null >"$world/xvfb.log" 2>&1 &
    echo $! >"$world/xvfb.pid"
    local number
    read -r -t 30 number <"$fifo" || { echo "world: Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
}

write_env() {
    {
        echo "export WINEPREFIX='$WINEPREFIX'"
        echo "export WINEDEBUG='$WINEDEBUG'"
        echo "export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'"
        echo "export DISPLAY='$DISPLAY'"
        echo "export INKVALE_WORLD='$world'"
    } >"$world/env.tmp"
    mv "$world/env.tmp" "$world/env"
}

case "$action" in
start)
    stop_world
    rm -rf "$WINEPREFIX"
    start_display
    # The server first, persistent, so every later program finds it warm.
    mkdir -p "$WINEPREFIX"
    # A server is found by its prefix's device and inode.  A server left
    # running for a deleted prefix whose inode the new one reuses would
    # answer for it, with none of its files: end any such server first.
    "$wineserver" -k </dev/null >/dev/null 2>&1 || true
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot -i </dev/null >"$world/wineboot.log" 2>&1
    # wineboot also starts the desktop and the services, detached from us,
    # rather than lazily under a test whose output a runner is reading.
    "$wine" wineboot </dev/null >>"$world/wineboot.log" 2>&1
    # Without a window manager on the display, Wine would wait two seconds
    # for one each time a managed window is hidden.
    "$wine" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f </dev/null >>"$world/wineboot.log" 2>&1
    if [ -n "${3:-}" ]; then
        rm -f "$world/desktop.ready"
        setsid "$wine" "$3" "Z:$world/desktop.ready" </dev/null >/dev/null 2>&1 &
        for _ in $(seq 1 600); do [ -e "$world/desktop.ready" ] && break; sleep 0.05; done
        [ -e "$world/desktop.ready" ] || { echo "world: the desktop did not start" >&2; exit 1; }
    fi
    write_env
    ;;
stop)
    stop_world
    ;;
env)
    cat "$world/env"
    ;;
*)
    echo "world.sh: unknown action $action" >&2; exit 2 ;;
esac
