#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project names its licence in its first lines, so
# that a file copied out of the tree still says under which terms it may be
# used.
set -euo pipefail
cd "$1"
missing=0
while IFS= read -r file; do
  case $file in
    *.cpp | *.h | *CMakeLists.txt | *.cmake | *.sh | *.py | *.pl) ;;
    *) continue ;;
  esac
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no licence line: $file"
    missing=1
  fi
done < <(git ls-files)
exit "$missing"
