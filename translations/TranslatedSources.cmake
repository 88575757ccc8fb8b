# SPDX-License-Identifier: GPL-3.0-or-later
# The files whose texts the windows show: every window's code, the dialog
# layouts and the star-image picture. The headless program is not among them.
function(voka_translated_sources source_dir out)
  file(GLOB_RECURSE sources ${source_dir}/app/*.cpp ${source_dir}/app/*.h
       ${source_dir}/psfview/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/app/batch/")
  file(GLOB ui_files ${source_dir}/resources/*.ui)
  list(SORT sources)
  set(${out} ${sources} ${ui_files} PARENT_SCOPE)
endfunction()
