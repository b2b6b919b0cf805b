#!/usr/bin/env bash
# Installs the build into a fresh prefix (with a blank in its path) and runs
# the installed tool from an unrelated folder on the installed sample: the
# installation must be whole and find its own folder through bin/corvane.
# usage: InstallTest.sh BUILD_FOLDER
set -euo pipefail
build=$1
fail() { echo "FAILED: $*" >&2; exit 1; }

# The build's application folder is an installation's: no build-system files.
leftovers=$(find "$build/app" \( -name CMakeFiles -o -name 'Makefile' -o -name '*.cmake' \
  -o -name '*_autogen' -o -name '*.o' -o -name '*.a' -o -name '*.ninja' \) -print)
[[ -z "$leftovers" ]] || fail "build files in the application folder: $leftovers"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/the prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install: $(cat "$work/install.log")"

for file in bin/corvane lib/corvane/corvane-bin lib/corvane/TVKFramework.dll lib/corvane/Plugins/Quenda.dll \
  lib/corvane/Plugins/CorvaneMedia.dll lib/corvane/tools/rc.exe lib/corvane/tools/link.exe \
  lib/corvane/obj/Viewer.obj lib/corvane/obj/Viewer.rc lib/corvane/lib/TVKMain.lib \
  lib/corvane/platform.cfg lib/corvane/samples/sample.qmx share/corvane/samples/sample.qmx \
  share/mime/packages/corvane-project.xml; do
  [[ -e "$prefix/$file" ]] || fail "$file is not installed"
done
for size in 16 32 48 64 128 256; do
  for icon in apps/corvane mimetypes/application-x-corvane-project; do
    png="$prefix/share/icons/hicolor/${size}x${size}/$icon.png"
    # The PNG header holds the width and the height as big-endian words.
    read -r -a header < <(od -An -tu1 -j16 -N8 "$png")
    width=$((header[2] * 256 + header[3])) height=$((header[6] * 256 + header[7]))
    [[ "$width x $height" == "$size x $size" ]] || fail "$png is $width x $height"
  done
done

desktop="$prefix/share/applications/corvane.desktop"
grep -qxF "Exec=\"$prefix/bin/corvane\" %f" "$desktop" || fail "$desktop: $(grep Exec "$desktop")"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
# The installation refreshed the type database, which reads the XML.
if command -v update-mime-database >/dev/null; then
  grep -q "application/x-corvane-project:\*\.qmx" "$prefix/share/mime/globs2" ||
    fail "the .qmx type is not in the type database"
fi

mkdir "$work/elsewhere"
cd "$work/elsewhere"
cat >session.script <<SCRIPT
open "$prefix/share/corvane/samples/sample.qmx"
menu "&View" "Time Line\tCtrl+T"
tick 3
screenshot out/main.png
dump out/state.json
SCRIPT
# Recovery copies stay out of the user's state folder.
XDG_STATE_HOME="$work/state" QT_QPA_PLATFORM=offscreen "$prefix/bin/corvane" --script session.script
[[ -s out/main.png ]] || fail "no screenshot"
# The module and the media plug-in came from the installed folder.
grep -q '"title": "Time Line"' out/state.json || fail "the module's time line did not open"
grep -q '"class": "MeshCM"' out/state.json || fail "the sample's mesh did not load"
# Generate EXE from a prefix nobody may write (a read-only mount, where the
# system lets a test make one): what it makes goes to the user's cache.
if unshare -m true 2>/dev/null; then
  cat >generate.script <<SCRIPT
open "$prefix/share/corvane/samples/sample.qmx"
answer file "$work/elsewhere/copy.qmx"
menu "&File" "Save &As\tCtrl+Shift+S"
answer file "$work/elsewhere/viewer/Viewer.exe"
menu "&File" "Generate EXE"
SCRIPT
  mkdir viewer
  XDG_CACHE_HOME="$work/cache" XDG_STATE_HOME="$work/state" QT_QPA_PLATFORM=offscreen unshare -m bash -c \
    'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" "$1" &&
     "$1/bin/corvane" --script generate.script' - "$prefix"
  # The linker is not waited for.
  for ((i = 0; i < 100; ++i)); do [[ -s viewer/Viewer.exe ]] && break; sleep 0.1; done
  [[ -s viewer/Viewer.exe ]] || fail "Generate EXE made no viewer from a read-only prefix"
  [[ -s "$work/cache/corvane/work/obj/Viewer.res" ]] || fail "no resources in the work folder"
  [[ ! -e "$prefix/lib/corvane/linkcmd.bat" ]] || fail "Generate EXE wrote into the prefix"
fi
echo "installed into $prefix and ran from $work/elsewhere"
