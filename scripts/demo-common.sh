# Sourced by the demos: their one option and the build they run.
#   demo_prepare "$@" TARGET...   reads --interactive (sets mode), installs
#                                 what is missing and builds the targets
# With --interactive the demo's world uses your $DISPLAY instead of Xvfb.
demo_prepare() {
    mode=auto
    if [ "${1:-}" = "--interactive" ]; then
        mode=interactive
        : "${DISPLAY:?--interactive needs a display}"
        export WORLD_DISPLAY=$DISPLAY
        shift
    fi
    scripts/setup.sh
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target "$@"
}

# Screenshots as PNG, when ImageMagick is there.
demo_convert_screenshots() {
    command -v convert >/dev/null || return 0
    local shot
    for shot in "$1"/*.bmp; do [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"; done
    return 0
}
