# cmake --install: the programs in bin/, their data (overlay, templates, the
# HTML manual) in share/orvane/, where a program in bin/ finds them as
# ../share/orvane/, and the desktop integration files.
include(GNUInstallDirs)
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATAROOTDIR STREQUAL "share")
  message(WARNING "The programs look for their data in ../share/orvane/ beside bin/: "
                  "a different CMAKE_INSTALL_BINDIR or CMAKE_INSTALL_DATAROOTDIR breaks that lookup")
endif()
set(ORVANE_INSTALL_DATADIR ${CMAKE_INSTALL_DATAROOTDIR}/orvane)
set(ORVANE_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING "Where the udev rule for cloning cables goes")

install(TARGETS orvane orvane-cli orvane-radio-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVANE_DATA_FILES} DESTINATION ${ORVANE_INSTALL_DATADIR})

install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${ORVANE_MANUAL_INDEX} DESTINATION ${ORVANE_INSTALL_DATADIR})
install(FILES ${ORVANE_MANUAL_HTML} DESTINATION ${ORVANE_INSTALL_DATADIR}/manual)
list(TRANSFORM ORVANE_MANUAL_IMAGES PREPEND ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/images/ OUTPUT_VARIABLE images)
install(FILES ${images} DESTINATION ${ORVANE_INSTALL_DATADIR}/images)

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${pkg}/orvane.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${pkg}/org.orvane.Orvane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${pkg}/orvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages RENAME orvane.xml)
install(FILES ${pkg}/icons/orvane.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${pkg}/icons/orvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps RENAME orvane.png)
endforeach()
install(FILES ${pkg}/70-orvane-cables.rules DESTINATION ${ORVANE_UDEV_RULES_DIR})

# Debian's documentation folder: the copyright file and the changelog, compressed reproducibly.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
                   COMMAND gzip -9n -c ${pkg}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
                   DEPENDS ${pkg}/changelog)
add_custom_target(orvane_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${pkg}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvane)
