#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary folder, under a prefix with blanks and
# non-ASCII letters, and checks the installed tree as a desktop would see it:
# exactly the expected files, a valid desktop entry and AppStream metadata,
# icons of the sizes their folders name, a manual page that renders without
# warnings, the modules of the build where the installed program looks for
# them (and nowhere else, while the build's program looks in the build), and
# a program that starts from there and shows a window of the class its
# desktop entry names.
# Usage: tests/installed_tree.sh BUILD_DIR APPLICATION_ID ICON_SVG MODULE_DIR MODULE_PROBE
#   MODULE_DIR: the modules' folder under the prefix (lib/padmora or lib/<arch>/padmora)
#   MODULE_PROBE: tests/support/padmora_moduleprobe of the build, beside the build's program
set -euo pipefail
export LC_ALL=C.UTF-8

build=$1
id=$2
icon_svg=$3
module_dir=$4
module_probe=$5

# The modules the build made: libpadmora-<name>.so.
modules=()
for module in "$build"/modules/libpadmora-*.so; do
  [ -e "$module" ] || continue
  module=${module##*/libpadmora-}
  modules+=("${module%.so}")
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="/opt/Padmora Prüfung/déjà vu"
stage="$work/stage"
root="$stage$prefix"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >"$work/install.log" \
  || { cat "$work/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

# Exactly these files, nothing more.
icon_sizes=(16 24 32 48 64 128 256)
{
  echo "bin/padmora"
  echo "share/applications/$id.desktop"
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  for size in "${icon_sizes[@]}"; do
    echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  for module in "${modules[@]}"; do
    echo "$module_dir/libpadmora-$module.so"
  done
  echo "share/man/man1/padmora.1.gz"
  echo "share/metainfo/$id.metainfo.xml"
} | sort >"$work/expected"
# Anything outside the prefix would be an install that ignores it.
(cd "$stage" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort) >"$work/staged"
sed "s|^|${prefix#/}/|" "$work/expected" | sort >"$work/expected-staged"
if ! diff -u "$work/expected-staged" "$work/staged" >"$work/list.diff"; then
  fail "the installed files differ from the expected ones:"
  cat "$work/list.diff" >&2
fi
[ -x "$root/bin/padmora" ] || fail "bin/padmora is not executable"

# Where a program looks for its modules, and whether each loads from there,
# asked of the probe in a folder: probe FOLDER LOG; the folder it names is
# left in $found.
probe() {
  env -u PADMORA_MODULE_DIR QT_QPA_PLATFORM=offscreen "$1/padmora_moduleprobe" "${modules[@]}" >"$2" 2>&1 \
    || fail "the module probe in $1 failed"
  found=$(sed -n 's/^folder //p' "$2")
}

# The build's program, run by hand, loads the modules of the build.
probe "$(dirname "$module_probe")" "$work/build-modules.log"
[ "$(realpath -m "$found")" = "$(realpath -m "$build/modules")" ] \
  || fail "the build's program looks for its modules in $found, not in $build/modules"
for module in "${modules[@]}"; do
  grep -qx "$module ok" "$work/build-modules.log" || fail "the built module $module does not load: $(grep "^$module " "$work/build-modules.log")"
done

# The installed program looks for its modules in the folder they are
# installed in, and each loads from there: asked of a probe beside it. With
# that folder gone, it finds none, least of all the build's.
if [ -x "$root/bin/padmora" ]; then
  cp "$module_probe" "$root/bin/padmora_moduleprobe"
  probe "$root/bin" "$work/modules.log"
  [ "$(realpath -m "$found")" = "$(realpath -m "$root/$module_dir")" ] \
    || fail "the installed program looks for its modules in $found, not in $root/$module_dir"
  for module in "${modules[@]}"; do
    grep -qx "$module ok" "$work/modules.log" || fail "the installed module $module does not load: $(grep "^$module " "$work/modules.log")"
  done
  mv "$root/$module_dir" "$work/modules-aside"
  probe "$root/bin" "$work/no-modules.log"
  for module in "${modules[@]}"; do
    grep -q "^$module .*$root/$module_dir/libpadmora-$module.so cannot be loaded" "$work/no-modules.log" \
      || fail "the installed program, without its modules, still has $module: $(grep "^$module " "$work/no-modules.log")"
  done
  if grep -qF "$(realpath -m "$build")" "$work/no-modules.log"; then
    fail "the installed program looks into the build tree: $(cat "$work/no-modules.log")"
  fi
  mv "$work/modules-aside" "$root/$module_dir"
  rm -f "$root/bin/padmora_moduleprobe"
fi

# Each tool's complaints: errors and warnings fail, hints and notes do not.
complaints() {
  grep -E "$1" "$2" >&2
}

desktop_file="$root/share/applications/$id.desktop"
if [ -f "$desktop_file" ]; then
  desktop-file-validate "$desktop_file" >"$work/desktop.log" 2>&1 || fail "desktop-file-validate failed"
  if complaints '(error|warning):' "$work/desktop.log"; then fail "desktop-file-validate complains"; fi
  grep -qx "Icon=$id" "$desktop_file" || fail "the desktop entry does not name the icon $id"
  # A German desktop shows the entry in German.
  grep -qx 'GenericName\[de\]=Chakra-Selbsteinschätzung' "$desktop_file" || fail "the desktop entry has no German name"
  for key in Comment Keywords; do
    grep -q "^$key\[de\]=.*Chakren" "$desktop_file" || fail "the desktop entry has no German $key"
  done
fi

metainfo="$root/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 \
    || { cat "$work/metainfo.log" >&2; fail "appstreamcli validate failed"; }
  if complaints '^[EW]:' "$work/metainfo.log"; then fail "appstreamcli validate complains"; fi
  grep -q '<summary xml:lang="de">Selbsteinschätzung der sieben Chakren</summary>' "$metainfo" \
    || fail "the metadata has no German summary"
  [ "$(grep -c '<p xml:lang="de">' "$metainfo")" = "$(grep -c '<p>' "$metainfo")" ] \
    || fail "the metadata's description is not in German paragraph for paragraph"
  # The metadata, the desktop entry and the icons as one tree.
  appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 \
    || { cat "$work/tree.log" >&2; fail "appstreamcli validate-tree failed"; }
  if complaints '^[EW]:' "$work/tree.log"; then fail "appstreamcli validate-tree complains"; fi
fi

# A PNG names its width and height in bytes 16 to 23 of its header.
png_size() {
  local header
  header=$(od -An -tx1 -N24 "$1" | tr -d ' \n')
  [ "${header:0:16}" = "89504e470d0a1a0a" ] || { echo "not-a-png"; return; }
  echo "$((16#${header:32:8}))x$((16#${header:40:8}))"
}
for png in "$root"/share/icons/hicolor/*x*/apps/*.png; do
  [ -e "$png" ] || continue
  folder=$(basename "$(dirname "$(dirname "$png")")")
  actual=$(png_size "$png")
  [ "$actual" = "$folder" ] || fail "icon in $folder is $actual"
done
svg="$root/share/icons/hicolor/scalable/apps/$id.svg"
if [ -f "$svg" ] && ! cmp -s "$svg" "$icon_svg"; then fail "the scalable icon is not Padmora's icon"; fi

page="$root/share/man/man1/padmora.1.gz"
if [ -f "$page" ]; then
  # As lintian renders it: every groff warning turned on.
  MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >"$work/man.out" 2>"$work/man.log" \
    || fail "man -l failed"
  if [ -s "$work/man.log" ]; then
    cat "$work/man.log" >&2
    fail "the manual page renders with warnings"
  fi
  [ -s "$work/man.out" ] || fail "the manual page renders empty"
fi

# The installed program starts from this prefix and maps a window whose class
# is the one the desktop entry gives docks to group it by.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file" 2>/dev/null || true)
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"
if [ -x "$root/bin/padmora" ] && [ -n "$wm_class" ]; then
  mkdir -p "$work/home/.config" "$work/runtime"
  chmod 700 "$work/runtime"
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c '
      "$1" >"$2/run.log" 2>&1 &
      pid=$!
      for _ in $(seq 150); do
        for window in $(xwininfo -root -children | sed -n "s/^ *\(0x[0-9a-f]*\) .*/\1/p"); do
          if xwininfo -id "$window" | grep -q "Map State: IsViewable"; then
            xprop -id "$window" WM_CLASS >>"$2/classes"
          fi
        done
        [ -s "$2/classes" ] && break
        sleep 0.2
      done
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null || true
    ' _ "$root/bin/padmora" "$work"
  if [ ! -s "$work/classes" ]; then
    cat "$work/run.log" >&2 || true
    fail "the installed program mapped no window"
  elif ! grep -q "WM_CLASS(STRING) = \"[^\"]*\", \"$wm_class\"$" "$work/classes"; then
    cat "$work/classes" >&2
    fail "no window of class $wm_class"
  fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed tree of $id under \"$prefix\" is complete and valid"
