#!/usr/bin/env bash
# Installs what is missing, builds, and runs the authoring tool on the sample
# project. With a display it opens the real window; without one it plays a
# scripted tour and writes screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target corvane corvane_samples
app=build/app
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$app/corvane" "$app/samples/sample.qmx"
fi
mkdir -p "$app/tour"
# The tour keeps its recovery copies away from the user's own.
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
(cd "$app" && XDG_STATE_HOME="$state" ./corvane --offscreen --script samples/tour.script)
echo "Tour finished: screenshots and the state dumps are in $(cd "$app/tour" && pwd)"
ls "$app/tour"
