# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the program, its sample pupils and its desktop
# integration, in the layout a Debian or FHS system expects:
#   bin/voka, bin/voka-batch
#   share/voka/pupils/*.bmp (and the pupils' design files)
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1
#   share/doc/voka (copyright and changelog)
# The program looks for its pupils at ../share/voka/pupils from its own folder
# (app/sample_pupil_dir.h), so the two folders below must move together.
include(GNUInstallDirs)
set(VOKA_INSTALL_PUPIL_DIR ${CMAKE_INSTALL_DATADIR}/voka/pupils)
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "voka finds its sample pupils at ../share/voka/pupils from its program; "
                  "with bin=${CMAKE_INSTALL_BINDIR} and share=${CMAKE_INSTALL_DATADIR} "
                  "the open dialog will not start among them.")
endif()

# Every program the app and batch folders build is a program of the product;
# new ones are installed without a change here.
set(voka_programs)
foreach(folder app batch)
  get_property(folder_targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS folder_targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      list(APPEND voka_programs ${target})
    endif()
  endforeach()
endforeach()
# They link only the system's shared libraries, so the installed copies need
# no run path of their own (Qt's project setup would give them $ORIGIN).
set_target_properties(${voka_programs} PROPERTIES INSTALL_RPATH "")
# Bind every symbol at start, so that the whole offset table is read-only
# before the program reads a single file from the user.
if(UNIX AND NOT APPLE)
  foreach(program IN LISTS voka_programs)
    target_link_options(${program} PRIVATE LINKER:-z,now)
  endforeach()
endif()
install(TARGETS ${voka_programs}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)

# The samples are written at build time, and other programs may add design
# files beside them, so the folder is read when installing, not when
# configuring. An install without a single sample is a broken build.
install(CODE "
  file(GLOB voka_samples \"${VOKA_SAMPLE_PUPIL_DIR}/*.bmp\" \"${VOKA_SAMPLE_PUPIL_DIR}/*.json\")
  if(NOT voka_samples MATCHES \"[.]bmp(;|$)\")
    message(FATAL_ERROR \"No sample pupils in ${VOKA_SAMPLE_PUPIL_DIR}: build the project first.\")
  endif()
  file(INSTALL \${voka_samples}
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${VOKA_INSTALL_PUPIL_DIR}\"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
")

add_subdirectory(desktop)
