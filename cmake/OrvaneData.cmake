# Data files (overlay, template clone files) are copied next to the built
# executables, where the programs look for them.
set(ORVANE_DATA_FILES "")
file(GLOB ORVANE_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.OVL ${CMAKE_SOURCE_DIR}/data/*.clf)
set(ORVANE_DATA_OUTPUTS "")
foreach(f ${ORVANE_DATA_FILES})
  get_filename_component(name ${f} NAME)
  add_custom_command(OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}
                     DEPENDS ${f})
  list(APPEND ORVANE_DATA_OUTPUTS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
endforeach()
add_custom_target(orvane_data ALL DEPENDS ${ORVANE_DATA_OUTPUTS})
