# cmake -DSOURCE=gswin32c.exe -DFOLDER=<prefix>/drive_c/windows/system32/gs/gs8.71/bin -P InstallStandIn.cmake
# Puts the stand-in in the prefix under the interpreter's own name.
if(NOT EXISTS "${SOURCE}")
  message(FATAL_ERROR "no stand-in at ${SOURCE}")
endif()
file(MAKE_DIRECTORY "${FOLDER}")
file(COPY_FILE "${SOURCE}" "${FOLDER}/gswin32c.exe")
file(REMOVE "${FOLDER}/gswin32c.record")
