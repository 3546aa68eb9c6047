' What an installation script does with Utility: both objects by ProgID,
' every method late-bound.  Prints one "name=value" per line.
'   cscript //nologo InstallScript.vbs WEBURL FTPSERVER LOCALFILE
Option Explicit
Dim folder, system, ips, mac, gateways, name, adapterType, found

Set system = CreateObject("Utility.KVSystem")
WScript.Echo "version=" & system.GetVersionOS()
WScript.Echo "admin=" & system.IsUserAdmin()
WScript.Echo "software=" & system.InstalledSoftware("|")

ips = "<untouched>"
found = system.GetLocalAdapter(ips, mac, gateways, name, adapterType)
WScript.Echo "adapter=" & found
WScript.Echo "adaptertype=" & TypeName(adapterType)
WScript.Echo "mac=" & mac

Set folder = CreateObject("Utility.KVFolder")
WScript.Echo "body=" & folder.HitURL(WScript.Arguments(0))
WScript.Echo "uploaded=" & folder.UpLoad(WScript.Arguments(1), "tester", "se cret", WScript.Arguments(2), "from-script.bin")
WScript.Echo "refused=" & folder.UpLoad(WScript.Arguments(1), "tester", "wrong", WScript.Arguments(2), "refused.bin")
