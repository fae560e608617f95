#!/bin/bash
# Under Wine on a virtual display: Wine's Explorer opened on a copy of a case
# folder, and a double-click on the program's row, which starts it as
# Windows Explorer does, in a console window of its own.  The run must wait
# for Enter, whatever it did, and end on Enter with its own status.
#   double_click_under_wine.sh WINE PROGRAM EXIT_STATUS CASE_DIR STATUS
# CASE_DIR is the working directory as a user has it; STATUS the status
# expected.  The script runs itself again under xvfb-run.
set -euo pipefail
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
wine=$1 program=$2 helper=$3 case_dir=$4 expected=$5
folder=$(mktemp -d /tmp/slotwright-double-click.XXXXXX)
explorer=
cleanup() {
  [[ -n $explorer ]] && kill "$explorer" 2> /dev/null
  rm -rf "$folder"
}
trap cleanup EXIT
cp "$case_dir"/* "$folder"/
cp "$program" "$folder"/slotwright.exe
name=$(basename "$folder")

# The newest window whose name matches |1|, once there is one (a minute at
# most).
await_window() {
  local found=
  for _ in $(seq 60); do
    found=$(xdotool search --name "$1" 2> /dev/null | tail -1) && [[ -n $found ]] && break
    sleep 1
  done
  echo "$found"
}

"$wine" explorer.exe "$("$wine" winepath -w "$folder" 2> /dev/null)" > /dev/null 2>&1 &
explorer=$!
window=$(await_window "^$name\$")
[[ -n $window ]] || { echo "no Explorer window"; exit 1; }
sleep 2  # the list is drawn after the window appears
# Explorer lists the folder by name, in any case, one row of 17 pixels
# each, the first 85 pixels below the window's top.
eval "$(xdotool getwindowgeometry --shell "$window")"
row=$(ls "$folder" | sort -f | grep -n '^slotwright.exe$' | cut -d: -f1)
xdotool mousemove $((X + 210)) $((Y + 85 + 17 * (row - 1) + 8)) click --repeat 2 --delay 80 1

console=$(await_window 'slotwright\.exe$')
[[ -n $console ]] || { echo "no console window: the double-click started nothing"; exit 1; }
"$wine" "$helper" slotwright.exe > "$folder/status" 2> /dev/null &
waiter=$!
for _ in $(seq 60); do
  grep -q waiting "$folder/status" 2> /dev/null && break
  sleep 1
done
grep -q waiting "$folder/status" || { echo "the run ended before it was seen"; exit 1; }
# Some seconds later the run, whose work is long done, still waits.
sleep 5
if [[ $(wc -l < "$folder/status") -ne 1 ]]; then
  echo "the run ended without Enter: $(tail -1 "$folder/status")"
  exit 1
fi
if [[ $expected == 0 && ! -s $folder/ad_units.csv ]]; then
  echo "no listing"
  exit 1
fi
# Enter, typed in the console window as it stands now (Wine may have made
# it again meanwhile); tried again where the run didn't see it.
for _ in 1 2 3; do
  console=$(await_window 'slotwright\.exe$')
  [[ -n $console ]] && xdotool windowfocus "$console" 2> /dev/null && sleep 0.5 && xdotool key Return
  for _ in $(seq 10); do
    [[ $(wc -l < "$folder/status") -gt 1 ]] && break 2
    sleep 1
  done
done
wait "$waiter"
status=$(tail -1 "$folder/status" | tr -d '\r')
echo "ended on Enter with status $status"
[[ $status == "$expected" ]]
