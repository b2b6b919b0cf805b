#!/usr/bin/env bash
# Regenerates the README's pictures: runs the tour in the built application
# folder and keeps three of its screenshots in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
app=build/app
(cd "$app" && ./corvane --offscreen --script samples/tour.script)
cp "$app/tour/01-windows.png" docs/workspace.png
cp "$app/tour/01-cube-moved.png" docs/tour-moved.png
cp "$app/tour/03-frame-61.png" docs/tour-played.png
echo "docs/workspace.png, docs/tour-moved.png and docs/tour-played.png updated"
