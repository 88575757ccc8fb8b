# voka_library(NAME DEPENDENCIES...)
# Makes the static library voka_NAME from every .cpp of the calling folder; new
# files are picked up on the next build. Headers are included as "folder/file.h".
function(voka_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(voka_${name} STATIC ${sources})
    target_include_directories(voka_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(voka_${name} PUBLIC ${ARGN})
  else()
    # A folder with headers only so far.
    add_library(voka_${name} INTERFACE)
    target_include_directories(voka_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(voka_${name} INTERFACE ${ARGN})
  endif()
endfunction()
