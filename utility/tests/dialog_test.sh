#!/usr/bin/env bash
# Runs the folder dialog's Windows test with a folder on a read-only medium:
# a small read-only file system mounted in the build tree for this run (the
# Wine server opens files, so the mount must be where the server sees it)
# and unmounted again at the end.
#   dialog_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
. "$(dirname "$0")/testlib.sh" "$1" "$2"

readonly_folder=$build/utility/readonly-$$
mkdir -p "$readonly_folder"
on_exit rmdir "$readonly_folder"
export INKVALE_BUILD=$build INKVALE_SOURCE=$source INKVALE_READONLY_FOLDER
INKVALE_READONLY_FOLDER=$(winpath "$readonly_folder")
mount -t tmpfs -o ro,size=64k inkvale-readonly "$readonly_folder" || { echo "FAIL: cannot mount a read-only folder"; exit 1; }
on_exit umount "$readonly_folder"
"$source/testenv/world/wine-run.sh" "$world" "$build/utility/utility_dialog_test.exe" </dev/null
