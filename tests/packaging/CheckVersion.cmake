# Checks that everything that shows Kettwerk's version shows the one of
# project() in the top CMakeLists.txt: both programs' --version (the window
# program's without a display), the Debian package, the newest AppStream
# release and the manual page. The Windows resources and the installer are
# checked by scripts/test-windows-installer.
#
#   cmake -DVERSION=1.0 -DBATCH=... -DWINDOW=... -DCPACK_CONFIG=...
#         -DMETAINFO=... -DMANPAGE=... -P CheckVersion.cmake
set(problems)
macro(expect what actual wanted)
  if(NOT "${actual}" STREQUAL "${wanted}")
    list(APPEND problems "${what}: \"${actual}\", expected \"${wanted}\"")
  endif()
endmacro()

# -v is the short form the option parser adds; --version wins over any other
# option, as --help does.
foreach(arguments "--version" "-v" "--list;-;--print;--version")
  execute_process(COMMAND ${BATCH} ${arguments}
    INPUT_FILE /dev/null RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE complaint)
  expect("kettwerk-batch ${arguments}" "${status}|${said}|${complaint}"
         "0|kettwerk-batch ${VERSION}\n|")
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          ${WINDOW} --version
  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE complaint)
expect("kettwerk --version without a display" "${status}|${said}|${complaint}"
       "0|kettwerk ${VERSION}\n|")

include(${CPACK_CONFIG})
expect("the Debian package" "${CPACK_PACKAGE_VERSION}" "${VERSION}")

# AppStream lists the newest release first.
file(STRINGS ${METAINFO} releases REGEX "<release ")
list(GET releases 0 newest)
string(REGEX MATCH "version=\"([^\"]*)\"" found "${newest}")
expect("the newest AppStream release" "${CMAKE_MATCH_1}" "${VERSION}")

file(STRINGS ${MANPAGE} title REGEX "^\\.TH ")
string(REGEX MATCH "\"Kettwerk ([^\"]*)\"" found "${title}")
expect("the manual page's title line" "${CMAKE_MATCH_1}" "${VERSION}")

if(problems)
  list(JOIN problems "\n  " problems)
  message(FATAL_ERROR "Not version ${VERSION}:\n  ${problems}")
endif()
