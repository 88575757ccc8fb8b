# SPDX-License-Identifier: GPL-3.0-or-later
# voka_library(NAME DEPENDENCIES...)
# Makes the static library voka_NAME from every .cpp of the calling folder; new
# files are picked up on the next build. Headers are included as "folder/file.h",
# folder relative to the project, and only those of the calling folder and of
# the libraries it links: anything else (tests/, tools/, a library not linked)
# fails to build.
function(voka_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(voka_${name} STATIC ${sources})
    # No library declares Qt objects; only the application's dialogs do.
    set_target_properties(voka_${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    set(scope PUBLIC)
  else()
    # A folder with headers only so far.
    add_library(voka_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  voka_expose_folder(voka_${name} ${scope})
  target_link_libraries(voka_${name} ${scope} ${ARGN})
endfunction()

# voka_expose_folder(TARGET SCOPE)
# Lets TARGET (PRIVATE), or it and whatever links it (PUBLIC, INTERFACE),
# include the calling folder's headers as "folder/file.h". The include root is
# a directory of the build tree of the target's own that holds nothing but a
# link named after the folder, so the rest of the source tree stays out of
# reach.
function(voka_expose_folder target scope)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include_roots/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} ${scope} ${root})
endfunction()
