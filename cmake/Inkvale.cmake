# Build rules shared by every folder.
#
# Three builds come from these sources (see CMakePresets.json):
#   native  the portable rules and their unit tests, on Linux
#   win64   every deliverable for 64-bit Windows; its tests run under Wine
#   win32   every deliverable for 32-bit Windows, compiled and linked only

add_compile_options(-Wall -Wextra)

option(INKVALE_WINDOWS_TESTS "Build the Windows test programs and run them under Wine" ON)
if(NOT WIN32)
  set(INKVALE_WINDOWS_TESTS OFF)
endif()

if(WIN32)
  # ANSI Win32 throughout; the runtime is linked in, so every deliverable is one file.
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 STRICT NOMINMAX _CRT_SECURE_NO_WARNINGS)
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 1252")
endif()

# The test world of this build tree, and how a Windows program runs in it.
set(INKVALE_WORLD_DIR ${CMAKE_BINARY_DIR}/world)
set(INKVALE_WINE_RUN ${PROJECT_SOURCE_DIR}/testenv/world/wine-run.sh ${INKVALE_WORLD_DIR})

# GoogleTest: the installed package natively, Debian's sources cross-built for Windows.
if(NOT WIN32)
  find_package(GTest REQUIRED)
  include(GoogleTest)
elseif(INKVALE_WINDOWS_TESTS)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(lib gtest gtest_main gmock gmock_main)
    target_compile_options(${lib} PRIVATE -w)
  endforeach()
endif()

# inkvale_deliverable(TARGET)
# Marks a shipped program or library: after each link its imports are
# checked against the DLLs Windows itself provides.
function(inkvale_deliverable target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DBINARY=$<TARGET_FILE:${target}>
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake
    VERBATIM)
endfunction()

# inkvale_native_test(NAME SOURCES... [LIBS ...])
# A unit test of portable rules, built and run natively only.
function(inkvale_native_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "native.${name}." DISCOVERY_TIMEOUT 30)
endfunction()

# inkvale_windows_test(NAME SOURCES... [LIBS ...] [FIXTURES ...] [LOCKS ...]
#                      [DEPENDS targets...] [TIMEOUT seconds] [SCREEN])
# A Windows test program run under Wine in the build tree's test world.  The
# world fixture (display, prefix, server) is always required; FIXTURES adds
# more of the world (for example "printer"), LOCKS names resources the test
# must not share with another test running at the same time.  DEPENDS are
# programs the test starts; they are built with it.  SCREEN marks a test that
# reads pixels from the screen: windows of another test could cover what it
# looks at, so such tests take turns.
function(inkvale_windows_test name)
  cmake_parse_arguments(ARG "SCREEN" "TIMEOUT" "SOURCES;LIBS;FIXTURES;LOCKS;DEPENDS" ${ARGN})
  if(ARG_SCREEN)
    list(APPEND ARG_LOCKS screen)
  endif()
  if(NOT INKVALE_WINDOWS_TESTS)
    return()
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} testenv_support gmock gtest gtest_main)
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  add_test(NAME win64.${name} COMMAND ${INKVALE_WINE_RUN} $<TARGET_FILE:${name}>)
  set_tests_properties(win64.${name} PROPERTIES
    FIXTURES_REQUIRED "world;${ARG_FIXTURES}"
    RESOURCE_LOCK "${ARG_LOCKS}"
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "INKVALE_BUILD=${CMAKE_BINARY_DIR};INKVALE_SOURCE=${CMAKE_SOURCE_DIR}")
endfunction()
