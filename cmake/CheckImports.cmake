cmake_minimum_required(VERSION 3.25)
# cmake -DOBJDUMP=... -DBINARY=... -P CheckImports.cmake
# Fails when a deliverable imports a DLL that Windows itself does not ship:
# each deliverable must be one file that runs on a bare system.
set(system_dlls
  kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shlwapi.dll ole32.dll oleaut32.dll
  comctl32.dll comdlg32.dll winspool.drv wininet.dll iphlpapi.dll version.dll msvcrt.dll ws2_32.dll
  netapi32.dll userenv.dll msimg32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read the imports of ${BINARY}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
foreach(entry IN LISTS names)
  string(REPLACE "DLL Name: " "" dll "${entry}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${BINARY} imports ${dll}, which is not part of Windows")
  endif()
endforeach()
