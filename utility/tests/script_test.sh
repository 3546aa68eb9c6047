#!/usr/bin/env bash
# An installation script in VBScript run by cscript, calling both objects
# late-bound by name, against the web and FTP servers of our own; and the
# version text under two Windows versions of the prefix.
#   script_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
. "$(dirname "$0")/testlib.sh" "$1" "$2"

scratch=$(mktemp -d "$build/utility/script.XXXXXX")
on_exit rm -rf "$scratch"
start_web_server "$scratch"
start_ftp_server "$scratch" 92
printf 'installer payload\r\n' >"$scratch/payload.txt"

run reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\InkvaleScriptEntry' /v DisplayName /d 'Script Entry' /f >/dev/null
on_exit "run reg delete 'HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\InkvaleScriptEntry' /f"

vbs=$(winpath "$here/InstallScript.vbs")
out=$(run cscript //nologo "$vbs" "http://127.0.0.1:$http/agent" "$ftp_address" "$(winpath "$scratch/payload.txt")")
check "GetVersionOS" "Professional Service Pack 1 (Build 7601)" "$(field version "$out")"
check "IsUserAdmin" 1 "$(field admin "$out")"
check "InstalledSoftware" yes "$(grep -q '^software=.*Script Entry|' <<<"$out" && echo yes || echo "no: $(field software "$out")")"
check "GetLocalAdapter" 1 "$(field adapter "$out")"
check "GetLocalAdapter fills the script's variables" Long "$(field adaptertype "$out")"
check "GetLocalAdapter's hardware address" 12 "$(field mac "$out" | tr -d '\n' | wc -c)"
check "HitURL" Kestrel "$(field body "$out")"
check "UpLoad" 1 "$(field uploaded "$out")"
check "UpLoad stores the file" same "$(cmp -s "$scratch/payload.txt" "$scratch/ftproot/from-script.bin" && echo same || echo differs)"
check "UpLoad with a wrong password" 0 "$(field refused "$out")"

# The prefix's Windows version is read when a process starts; the value the
# prefix had is put back afterwards.
wine_key='HKCU\Software\Wine'
previous=$(run reg query "$wine_key" /v Version 2>/dev/null | sed -n 's/^ *Version *REG_SZ *//p')
if [ -n "$previous" ]; then
    on_exit "run reg add '$wine_key' /v Version /d '$previous' /f"
else
    on_exit "run reg delete '$wine_key' /v Version /f"
fi
cat >"$scratch/version.vbs" <<'VBS'
WScript.Echo "version=" & CreateObject("Utility.KVSystem").GetVersionOS()
VBS
version_of() {
    run reg add "$wine_key" /v Version /d "$1" /f >/dev/null
    field version "$(run cscript //nologo "$(winpath "$scratch/version.vbs")")"
}
check "GetVersionOS on XP" "Microsoft Windows XP Professional Service Pack 3 (Build 2600)" "$(version_of winxp)"
check "GetVersionOS on Server 2003" \
    "Microsoft Windows Server 2003 family Standard Edition Service Pack 2 (Build 3790)" "$(version_of win2003)"

finish
