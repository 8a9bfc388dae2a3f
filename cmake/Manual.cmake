# The HTML manual (part of orvane_data), built next to the executables (Help > Contents opens
# <data folder>ORVANE.html): the contents page, manual/*.html and the
# screenshots the pages show, in images/.
find_program(ORVANE_CMARK NAMES cmark-gfm cmark)
if(NOT ORVANE_CMARK)
  message(WARNING "Neither cmark-gfm nor cmark was found: the manual's pages show their Markdown text")
  set(ORVANE_CMARK "")
endif()

set(ORVANE_MANUAL_INDEX ORVANE.html)
file(GLOB ORVANE_MANUAL_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/manual/[0-9][0-9]-*.md)
set(manual_out ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(ORVANE_MANUAL_HTML ${manual_out}/manual/orvane.css)
set(ORVANE_MANUAL_IMAGES "")
foreach(page ${ORVANE_MANUAL_PAGES})
  get_filename_component(name ${page} NAME_WE)
  if(NOT name STREQUAL "00-index")
    list(APPEND ORVANE_MANUAL_HTML ${manual_out}/manual/${name}.html)
  endif()
  # The screenshots a page shows; a changed page reconfigures, so the list follows it.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page})
  file(STRINGS ${page} lines REGEX "\\.\\./images/[A-Za-z0-9_.-]+\\.png")
  foreach(line ${lines})
    string(REGEX MATCHALL "\\.\\./images/[A-Za-z0-9_.-]+\\.png" refs "${line}")
    foreach(ref ${refs})
      string(REPLACE "../images/" "" image ${ref})
      if(NOT EXISTS ${CMAKE_SOURCE_DIR}/docs/images/${image})
        message(FATAL_ERROR "docs/manual/${name}.md shows ${image}, which is not in docs/images")
      endif()
      list(APPEND ORVANE_MANUAL_IMAGES ${image})
    endforeach()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES ORVANE_MANUAL_IMAGES)

set(image_outputs "")
foreach(image ${ORVANE_MANUAL_IMAGES})
  add_custom_command(OUTPUT ${manual_out}/images/${image}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/docs/images/${image}
                             ${manual_out}/images/${image}
                     DEPENDS ${CMAKE_SOURCE_DIR}/docs/images/${image})
  list(APPEND image_outputs ${manual_out}/images/${image})
endforeach()

add_custom_command(OUTPUT ${manual_out}/${ORVANE_MANUAL_INDEX} ${ORVANE_MANUAL_HTML}
                   COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DOUT=${manual_out}
                           -DINDEX=${ORVANE_MANUAL_INDEX} -DCMARK=${ORVANE_CMARK}
                           -P ${CMAKE_SOURCE_DIR}/cmake/ManualPages.cmake
                   DEPENDS ${ORVANE_MANUAL_PAGES} ${CMAKE_SOURCE_DIR}/docs/manual/orvane.css
                           ${CMAKE_SOURCE_DIR}/cmake/ManualPages.cmake
                   COMMENT "Converting the manual to HTML")
add_custom_target(orvane_manual ALL DEPENDS ${manual_out}/${ORVANE_MANUAL_INDEX} ${image_outputs})
add_dependencies(orvane_data orvane_manual)
