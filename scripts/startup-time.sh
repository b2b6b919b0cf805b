#!/usr/bin/env bash
# Times start-up: from starting the authoring tool on the sample project to
# its first painted main window (offscreen), over several runs, with the load
# average beside the figures. Usage: scripts/startup-time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
app=${1:-build}/app
runs=${2:-10}
# A fresh user: no saved workspace, no recovery copy.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
times=()
for ((i = 0; i < runs; ++i)); do
  start=$(date +%s%N)
  out=$(HOME=$home XDG_CONFIG_HOME=$home/config XDG_STATE_HOME=$home/state \
    CORVANE_EXIT_AT_FIRST_PAINT=1 timeout 20 "$app/corvane" --offscreen \
    "$app/samples/sample.qmx" 2>/dev/null)
  end=$(date +%s%N)
  [[ $out == *"first paint"* ]] || { echo "run $i: no first paint" >&2; exit 1; }
  times+=($(((end - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to first paint (ms): ${times[*]}"
echo "median ${sorted[$((runs / 2))]} ms, best ${sorted[0]} ms; load average:$(uptime | sed 's/.*load average://')"
