#!/usr/bin/env bash
# Installs what is missing, builds, and runs the authoring tool on the sample
# project. With a display it opens the real window; without one it plays a
# scripted tour and writes screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target corvane
app=build/app
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$app/corvane" "$app/samples/sample.qmx"
fi
out=$(pwd)/tour
mkdir -p "$out"
(cd "$out" && "../$app/corvane" --offscreen --script "../$app/samples/tour.script")
echo "Tour finished: screenshots and the state dump are in $out"
ls "$out"
