# SPDX-License-Identifier: GPL-3.0-or-later
# The window's English, compiled from translations/voka_en.ts by lrelease and
# embedded as ":/i18n/voka_en.qm". Debian's qt6-l10n-tools gives lrelease and
# lupdate without the CMake package of Qt's tools, so they are called here.
find_program(VOKA_LRELEASE NAMES lrelease lrelease-qt6
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)
find_program(VOKA_LUPDATE NAMES lupdate lupdate-qt6
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)

set(VOKA_TRANSLATION_SOURCES ${CMAKE_CURRENT_LIST_DIR}/voka_en.ts)

function(voka_embed_translations target)
  set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/voka_en.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
    COMMAND ${VOKA_LRELEASE} -silent ${VOKA_TRANSLATION_SOURCES} -qm ${qm}
    DEPENDS ${VOKA_TRANSLATION_SOURCES}
    COMMENT "Compiling the English texts")
  qt_add_resources(${target} "voka_translations" PREFIX "/i18n"
                   BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${qm})
endfunction()

# `cmake --build ... --target voka_update_translations` brings the .ts file up
# to date with the texts of the windows (new ones come in unfinished).
add_custom_target(voka_update_translations
  COMMAND ${CMAKE_COMMAND} -DLUPDATE=${VOKA_LUPDATE} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DTS_FILE=${VOKA_TRANSLATION_SOURCES} -P ${CMAKE_CURRENT_LIST_DIR}/UpdateTranslations.cmake
  VERBATIM)
