# orvane_library(NAME [ROOMS room...] DEPS ...): one static library of every
# .cpp file in the calling folder, or, with ROOMS, in each of those subfolders
# (listed from the bottom up); the folder or each room is a public include
# directory. A folder without sources yet gives an interface library, so that
# dependants configure all the same.
function(orvane_library name)
  cmake_parse_arguments(L "" "" "ROOMS;DEPS" ${ARGN})
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  if(L_ROOMS)
    list(TRANSFORM L_ROOMS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE dirs)
  endif()
  set(sources)
  foreach(dir ${dirs})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${dirs})
    target_link_libraries(${name} PUBLIC ${L_DEPS} PRIVATE orvane_warnings)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${dirs})
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()
