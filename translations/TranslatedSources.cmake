# SPDX-License-Identifier: GPL-3.0-or-later
# The files whose texts the program shows: every window's code, the dialog
# layouts, the star-image picture and the headless program.
function(voka_translated_sources source_dir out)
  file(GLOB_RECURSE sources ${source_dir}/app/*.cpp ${source_dir}/app/*.h
       ${source_dir}/psfview/*.cpp ${source_dir}/batch/*.cpp)
  file(GLOB ui_files ${source_dir}/resources/*.ui)
  list(SORT sources)
  set(${out} ${sources} ${ui_files} PARENT_SCOPE)
endfunction()
