#!/usr/bin/env bash
# Regenerates the README's picture of the default workspace: runs the tour in
# the built application folder and keeps its first screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
app=build/app
(cd "$app" && ./corvane --offscreen --script samples/tour.script)
cp "$app/tour/01-windows.png" docs/workspace.png
echo "docs/workspace.png updated"
