#!/usr/bin/env bash
# Regenerates the README's pictures: runs the tour in the built application
# folder and keeps three of its screenshots in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
app=build/app
# The tour keeps its recovery copies away from the user's own.
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
(cd "$app" && XDG_STATE_HOME="$state" ./corvane --offscreen --script samples/tour.script)
cp "$app/tour/01-windows.png" docs/workspace.png
cp "$app/tour/01-cube-moved.png" docs/tour-moved.png
cp "$app/tour/03-frame-61.png" docs/tour-played.png
echo "docs/workspace.png, docs/tour-moved.png and docs/tour-played.png updated"
