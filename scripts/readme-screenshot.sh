#!/usr/bin/env bash
# Regenerates the README's picture of the default workspace: runs the tour in
# the built application folder and keeps its first screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
app=build/app
# The tour keeps its recovery copies away from the user's own.
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
(cd "$app" && XDG_STATE_HOME="$state" ./corvane --offscreen --script samples/tour.script)
cp "$app/tour/01-windows.png" docs/workspace.png
echo "docs/workspace.png updated"
