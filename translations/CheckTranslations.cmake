# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate on a copy of the .ts file and fails when a text of the windows
# has no English (a new or unfinished entry) or when an entry no longer has a
# text (vanished or obsolete): the .ts file then needs the translator.
# cmake -DLUPDATE=... -DSOURCE_DIR=... -DTS_FILE=... -DWORK_DIR=... -P CheckTranslations.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/voka_en_check.ts)
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(COMMAND ${CMAKE_COMMAND} -DLUPDATE=${LUPDATE} -DSOURCE_DIR=${SOURCE_DIR}
                        -DTS_FILE=${copy} -P ${CMAKE_CURRENT_LIST_DIR}/UpdateTranslations.cmake
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed")
endif()
file(STRINGS ${copy} lines)
set(faults "")
set(source "")
foreach(line IN LISTS lines)
  if(line MATCHES "<source>(.*)</source>")
    set(source "${CMAKE_MATCH_1}")
  elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    string(APPEND faults "  ${CMAKE_MATCH_1}: ${source}\n")
  endif()
endforeach()
if(NOT faults STREQUAL "")
  message(FATAL_ERROR "translations/voka_en.ts is not up to date "
                      "(build voka_update_translations, then translate):\n${faults}")
endif()
message(STATUS "Every text of the windows has its English.")
