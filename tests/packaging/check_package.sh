#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built voka .deb as a user's system would meet it: the menu entry and
# metainfo validate, lintian finds no error, and, unpacked into a scratch
# root, every file lies where the menu entry and the program look for it and
# the installed voka-batch analyses an installed sample pupil.
# Usage: check_package.sh voka_<version>_<arch>.deb [build-tree voka-batch
#        [build-tree folder of the sample pupils]]
# With the build's voka-batch, the installed one must write the same bytes and
# every sample file of the build (beside voka-batch unless the folder is
# given) must be in the package.
# Ends with "packaging: N passed, M failed"; exit status 1 if any failed.
set -uo pipefail
# Under pipefail a `grep -q` that stops at its first match can leave the
# command before it writing into a closed pipe, and the pipeline then fails
# (or, negated, passes) by chance: the greps below read their input whole.

deb=$(realpath "$1")
reference_batch=${2:+$(realpath "$2")}
sample_dir=${3:+$(realpath "$3")}
passed=0
failed=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

check() {  # check NAME COMMAND... : one named check, its output shown on failure
  local name=$1 log=$scratch/log
  shift
  if "$@" >"$log" 2>&1; then
    echo "ok   $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    sed 's/^/     /' "$log"
    failed=$((failed + 1))
  fi
}

field() { grep -m1 "^$1=" "$2" | cut -d= -f2-; }

dpkg-deb -x "$deb" "$root" || { echo "packaging: cannot unpack $deb"; exit 1; }
desktop=$(find "$root/usr/share/applications" -name '*.desktop' | head -n 1)
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' | head -n 1)

control_is_clean() {
  local control=$scratch/control
  dpkg-deb -e "$deb" "$control"
  # Only what dpkg itself reads: no script may write files outside the package.
  [[ $(ls "$control" | sort | tr '\n' ' ') == "control md5sums " ]] || { ls "$control"; return 1; }
  grep -q '^Section: science$' "$control/control" || { echo "not in section science"; return 1; }
  grep -Eq '^Depends: .*libqt6' "$control/control" || { cat "$control/control"; return 1; }
}

lintian_has_no_errors() {
  # Warnings are listed for the reader; only errors fail.
  local status=0 report=$scratch/lintian
  lintian --tag-display-limit 0 --fail-on error --display-info "$deb" >"$report" 2>&1 || status=$?
  grep -v 'running with root privileges' "$report" | sed 's/^/     /' >&3
  return $status
}

menu_entry_resolves() {
  local exec icon size
  exec=$(field Exec "$desktop")
  icon=$(field Icon "$desktop")
  [[ -x $root/usr/bin/${exec%% *} ]] || { echo "Exec=$exec is not in /usr/bin"; return 1; }
  # Icon themes find a bare name under hicolor/<size>/apps with .png or .svg.
  [[ $icon != */* ]] || { echo "Icon=$icon is a path"; return 1; }
  for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" |
      grep -q "PNG image data, $size x $size" || { echo "no ${size}x${size} $icon.png"; return 1; }
  done
  [[ -s $root/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || { echo "no $icon.svg"; return 1; }
  # The metainfo launches this very entry.
  grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo"
}

# Readers of English and of Japanese each find the program under its own name.
named_in_english_and_japanese() {
  local key
  for key in Name 'Name\[ja\]' Comment 'Comment\[ja\]'; do
    [[ -n $(field "$key" "$desktop") ]] || { echo "the menu entry has no $key"; return 1; }
  done
  grep -q '<name>[^<]' "$metainfo" || { echo "the metainfo has no English name"; return 1; }
  grep -q '<name xml:lang="ja">[^<]' "$metainfo" || { echo "the metainfo has no Japanese name"; return 1; }
  grep -q '<summary xml:lang="ja">[^<]' "$metainfo" || { echo "no Japanese summary"; return 1; }
}

metainfo_release_is_the_package_version() {
  local version
  version=$(dpkg-deb -f "$deb" Version)
  grep -q "<release version=\"$version\"" "$metainfo" || { echo "no release $version"; return 1; }
}

pupils_lie_beside_the_program() {
  # The program looks at ../share/voka/pupils from its own folder.
  compgen -G "$root/usr/bin/../share/voka/pupils/*.bmp" >/dev/null || return 1
  # The build writes the samples and their design files beside its voka-batch:
  # every one of them is shipped.
  [[ -z $reference_batch ]] && return 0
  diff <(cd "${sample_dir:-$(dirname "$reference_batch")}" && ls -1 -- *.bmp *.json 2>/dev/null) \
       <(cd "$root/usr/share/voka/pupils" && ls -1)
}

documents_are_in_place() {
  local page folder
  for folder in man1 ja/man1; do
    for page in voka voka-batch; do
      gzip -t "$root/usr/share/man/$folder/$page.1.gz" || return 1
      # The page of voka-batch is its help: its options are in it.
      [[ $page == voka ]] ||
        zcat "$root/usr/share/man/$folder/$page.1.gz" | grep -- "raytrace" >/dev/null || return 1
    done
  done
  man -l "$root/usr/share/man/man1/voka-batch.1.gz" 2>/dev/null | grep "NAME" >/dev/null || return 1
  # English in man1, Japanese in ja/man1.
  ! zcat "$root"/usr/share/man/man1/*.gz | grep -P '[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF00}-\x{FFEF}]' >/dev/null &&
    # A Japanese page may break a line between any two characters (\:).
    zcat "$root/usr/share/man/ja/man1/voka-batch.1.gz" | sed 's/\\://g' | grep "使い方" >/dev/null &&
    zcat "$root/usr/share/man/ja/man1/voka.1.gz" | sed 's/\\://g' | grep "中央遮蔽" >/dev/null &&
    gzip -t "$root/usr/share/doc/voka/changelog.gz"
}

# The licence, as Debian packages state it: named, with the system's copy of
# its text.
copyright_names_the_licence() {
  local copyright=$root/usr/share/doc/voka/copyright
  grep -q '^License: GPL-3.0-or-later$' "$copyright" &&
    grep -q '/usr/share/common-licenses/GPL-3' "$copyright" &&
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo"
}

programs_use_system_libraries() {
  local program
  for program in "$root"/usr/bin/*; do
    # A run path would let the program load libraries from beside itself or
    # from the build tree instead of the system's.
    ! readelf -d "$program" | grep -E 'R(UN)?PATH' >/dev/null || { readelf -d "$program" | grep PATH; return 1; }
    ! ldd "$program" | grep 'not found' >/dev/null || { ldd "$program" | grep 'not found'; return 1; }
  done
}

installed_batch_analyses_an_installed_pupil() {
  local pupil work=$scratch/work
  pupil=$(compgen -G "$root/usr/share/voka/pupils/obstructed_4vanes_128_8.bmp" ||
          compgen -G "$root/usr/share/voka/pupils/*.bmp" | head -n 1)
  [[ -n $pupil ]] || { echo "no installed pupil"; return 1; }
  mkdir -p "$work" && touch "$scratch/before"
  (cd "$work" && env -u LD_LIBRARY_PATH "$root/usr/bin/voka-batch" --fft "$pupil" >captions.txt) ||
    return 1
  # A heading and the 64 rows of the table.
  [[ $(wc -l <"$work/VOKA.TXT") -eq 65 ]] || { echo "VOKA.TXT has not 64 rows"; return 1; }
  # The program writes only where it was started.
  [[ -z $(find "$root" -newer "$scratch/before" -print -quit) ]] || { echo "wrote under /usr"; return 1; }
  if [[ -n $reference_batch ]]; then
    mkdir -p "$scratch/reference"
    (cd "$scratch/reference" && "$reference_batch" --fft "$pupil" >captions.txt) || return 1
    cmp "$work/VOKA.TXT" "$scratch/reference/VOKA.TXT" &&
      cmp "$work/captions.txt" "$scratch/reference/captions.txt"
  fi
}

installed_window_starts() {
  local status=0
  (cd "$scratch" && QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/voka") || status=$?
  # Still running when stopped: it came up and waited for the user.
  [[ $status -eq 124 ]] || { echo "voka ended with status $status"; return 1; }
}

check "control: science, libraries from shlibdeps, no maintainer scripts" control_is_clean
check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
check "metainfo release is the package version" metainfo_release_is_the_package_version
check "lintian: no errors" lintian_has_no_errors 3>&1
check "menu entry: Exec, Icon at every size, launchable" menu_entry_resolves
check "menu entry and metainfo: names in English and Japanese" named_in_english_and_japanese
check "sample pupils at ../share/voka/pupils from bin/" pupils_lie_beside_the_program
check "manual pages, changelog" documents_are_in_place
check "copyright: GPL-3.0-or-later, pointing to common-licenses" copyright_names_the_licence
check "programs use the system's libraries" programs_use_system_libraries
check "installed voka-batch --fft on an installed pupil" installed_batch_analyses_an_installed_pupil
check "installed voka starts offscreen" installed_window_starts

echo "packaging: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
