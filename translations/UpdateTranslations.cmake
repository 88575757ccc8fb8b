# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=... -DSOURCE_DIR=... -DTS_FILE=... -P UpdateTranslations.cmake
include(${CMAKE_CURRENT_LIST_DIR}/TranslatedSources.cmake)
voka_translated_sources(${SOURCE_DIR} sources)
execute_process(COMMAND ${LUPDATE} -silent -locations none -source-language ja -target-language en -I ${SOURCE_DIR}
                        ${sources} -ts ${TS_FILE}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result})")
endif()
