#!/usr/bin/env bash
# Soak: a scripted session of EDITS edits (default 10,000) on a copy of the
# sample project, as a person makes them: instance drags in the Front and Top
# views, property changes in the property editor, instances moved on the time
# line, key frames added and deleted, saves and reloads through the File menu.
# It checks that
#   - the process's resident memory after the last thousand edits is within
#     5 % of what it was after the first thousand (the first third for short
#     runs), and
#   - the project as the session leaves it equals the project a fresh start
#     reads back from the file the session saved last.
# Usage: scripts/soak.sh [EDITS [APP_DIR]]   (APP_DIR defaults to build/app)
set -euo pipefail
cd "$(dirname "$0")/.."
edits=${1:-10000}
app=$(realpath "${2:-build/app}")
first=$((edits < 3000 ? edits / 3 : 1000))
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r samples "$work/project"

# Cell centres of the time line at 960 x 300: 12-pixel frames after a 30-pixel
# band, 18-pixel rows under a 20-pixel band.
cell() { echo "$((30 + ($2 - 1) * 12 + 6)) $((20 + ($1 - 1) * 18 + 9))"; }
line='@ "Time Line"'

# Every pair of moves undoes itself, so that the drags keep finding their
# instances; what changes for good are the typed values and the key frames.
edit() {
  local i=$1
  case $((i % 10)) in
  0) echo 'key Backspace'
     echo 'drag left 88 138 113 138 @ Front steps 2' ;;
  1) echo 'drag left 113 138 88 138 @ Front steps 2' ;;
  2) echo "answer dialog ok select 1001 TranslateY type 1002 $((i % 7)).$((i % 10))5"
     echo "mouse dblclk left $(cell 4 10) $line" ;;
  3) echo "drag left $(cell 5 40) $(cell 5 43) $line steps 3" ;;
  4) echo "drag left $(cell 5 43) $(cell 5 40) $line steps 3" ;;
  5) echo "mouse dblclk left $(cell 1 50) $line shift" ;;
  6) echo "mouse down left $(cell 1 50) $line"
     echo "mouse up left $(cell 1 50) $line"
     echo "key Delete $line" ;;
  7) echo 'key Backspace'
     echo 'drag right 113 113 143 113 @ Top steps 3' ;;
  8) echo "answer dialog ok select 1001 Red type 1002 0.$((i % 9))"
     echo "mouse dblclk left $(cell 2 60) $line" ;;
  9) if ((i % 100 == 99)); then
       echo "answer file \"$work/saved.qmx\""
       echo 'menu "&File" "&Open\tCtrl+O"'
     else
       echo 'menu "&File" "&Save\tCtrl+S"'
     fi ;;
  esac
  if ((i + 1 == first || i + 1 == edits)); then echo "dump \"$work/mark-$((i + 1))\""; fi
}

{
  echo "open \"$work/project/sample.qmx\""
  echo 'layout default'
  echo "resize \"Time Line\" 960 300"
  echo "answer file \"$work/saved.qmx\""
  echo 'menu "&File" "Save &As\tCtrl+Shift+S"'
  for ((i = 0; i < edits; ++i)); do edit "$i"; done
  echo 'menu "&File" "&Save\tCtrl+S"'
  echo 'key Backspace'
  echo "dump \"$work/final.json\""
  echo quit
} > "$work/soak.script"

# Each mark's dump goes to a named pipe: opening it holds the session still,
# so that its resident memory is read after exactly that many edits.
mkfifo "$work/mark-$first" "$work/mark-$edits"
start=$(date +%s)
"$app/corvane" --offscreen --script "$work/soak.script" 2> "$work/soak.log" &
pid=$!
declare -A memory
for mark in "$first" "$edits"; do
  until [[ $(cat "/proc/$pid/wchan" 2> /dev/null) == wait_for_partner ]]; do
    kill -0 "$pid" 2> /dev/null || break 2
    sleep 0.02
  done
  memory[$mark]=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  cat "$work/mark-$mark" > /dev/null
done
if ! wait "$pid"; then
  tail -5 "$work/soak.log" >&2
  echo "soak: the session of $edits edits failed" >&2
  exit 1
fi
seconds=$(($(date +%s) - start))

printf 'open "%s"\nlayout default\nresize "Time Line" 960 300\ndump "%s"\nquit\n' \
  "$work/saved.qmx" "$work/fresh.json" > "$work/fresh.script"
"$app/corvane" --offscreen --script "$work/fresh.script" 2>> "$work/soak.log"

# The project parts of a dump; which placement is selected and the ids the
# time line hands out belong to the session, not to the file, and an instance
# not yet alive shows the values of the frame it was last alive at.
project='{project, cast, instances: [.project.frame as $frame | .instances[]
  | del(.id, .selected, .keyframes[].selected)
  | if .start > $frame then del(.properties) else . end]}'
status=0
if ! diff <(jq -S "$project" "$work/final.json") <(jq -S "$project" "$work/fresh.json") >&2; then
  echo "soak: the project read back from the saved file differs from the session's" >&2
  status=1
fi
before=${memory[$first]:-0}
after=${memory[$edits]:-0}
echo "soak: $edits edits in $seconds s; resident memory $before kB after $first edits," \
  "$after kB after $edits edits; load $(cut -d' ' -f1-3 /proc/loadavg)"
if ((before == 0 || after == 0)); then
  echo "soak: the resident memory could not be read" >&2
  status=1
elif ((after * 100 > before * 105 || after * 100 < before * 95)); then
  echo "soak: the resident memory changed by more than 5 %" >&2
  status=1
fi
exit $status
