# Installs the build into a scratch folder under /usr, as the Debian package
# does, and checks that exactly the expected files arrive, that the sound
# lies where the installed program looks for it, and that the installed
# kettwerk-batch runs from there.
#
#   cmake -DBUILD_DIR=... -DSTAGE=... -DBINDIR=bin -DDATA_FROM_PROGRAM=../share/kettwerk
#         -DDATADIR=share -DMANDIR=share/man -P CheckInstall.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

set(root "${STAGE}/usr")
cmake_path(SET sound NORMALIZE "${BINDIR}/${DATA_FROM_PROGRAM}/MAPKEY.WAV")
set(expected
  ${BINDIR}/kettwerk
  ${BINDIR}/kettwerk-batch
  ${sound}
  ${DATADIR}/applications/kettwerk.desktop
  ${DATADIR}/metainfo/de.kettwerk.kettwerk.metainfo.xml
  ${DATADIR}/icons/hicolor/48x48/apps/kettwerk.png
  ${DATADIR}/icons/hicolor/128x128/apps/kettwerk.png
  ${DATADIR}/icons/hicolor/256x256/apps/kettwerk.png
  ${MANDIR}/man1/kettwerk-batch.1.gz)
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " expected "${expected}")
  string(REPLACE ";" "\n  " installed "${installed}")
  message(FATAL_ERROR "Installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

execute_process(COMMAND ${root}/${BINDIR}/kettwerk-batch --help
  RESULT_VARIABLE failed OUTPUT_VARIABLE usage)
if(failed OR NOT usage MATCHES "kettwerk-batch")
  message(FATAL_ERROR "The installed kettwerk-batch --help failed: ${failed}")
endif()
file(REMOVE_RECURSE "${STAGE}")
