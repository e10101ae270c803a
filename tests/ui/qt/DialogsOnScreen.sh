#!/bin/sh
# Starts the program with a project under a window manager (openbox) on a
# virtual display at the scale factor given, opens each dialog it has a key
# for (and the About box through the menu bar) and checks that the dialog's
# frame, title bar and borders included, lies inside the manager's work area,
# then closes it with Escape. Every wait is bounded.
#   DialogsOnScreen.sh <program> <project> <scale>
set -eu
program=$1
project=$2
export QT_SCALE_FACTOR=$3
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
export XDG_CACHE_HOME="$work/cache"
export ASAN_OPTIONS=detect_leaks=0
unset QT_QPA_PLATFORM
openbox >"$work/wm.log" 2>&1 &
wm=$!
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  kill "$wm" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The numbers of an X property, separated by blanks ("" when it is not set).
numbers() { xprop "$@" 2>/dev/null | sed -n 's/^[^=]*= *//p' | tr -d ','; }

for _ in $(seq 1 200); do
  [ -n "$(numbers -root _NET_WORKAREA)" ] && break
  sleep 0.1
done
set -- $(numbers -root _NET_WORKAREA)
[ $# -ge 4 ] || { echo "no window manager came up"; cat "$work/wm.log"; exit 1; }
area_x=$1 area_y=$2 area_w=$3 area_h=$4

# Left, top, right and bottom of the frame of window $1 ("" while it has none).
frame_edges() {
  extents=$(numbers -id "$1" _NET_FRAME_EXTENTS)
  [ -n "$extents" ] || return 0
  set -- $(xwininfo -id "$1" 2>/dev/null |
    sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p') $extents
  [ $# -eq 8 ] || return 0
  echo $(($1 - $5)) $(($2 - $7)) $(($1 + $3 + $6)) $(($2 + $4 + $8))
}

inside() {
  set -- $1
  [ $# -eq 4 ] && [ "$1" -ge "$area_x" ] && [ "$2" -ge "$area_y" ] &&
    [ "$3" -le $((area_x + area_w)) ] && [ "$4" -le $((area_y + area_h)) ]
}

# The shown windows of the program but its main window.
dialogs() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$main" || true; }

cd "$(dirname "$project")"
"$program" "$(basename "$project")" >"$work/out.log" 2>&1 &
pid=$!
main=""
for _ in $(seq 1 200); do
  main=$(xdotool search --onlyvisible --name '^Kestrova$' 2>/dev/null | head -n 1 || true)
  [ -n "$main" ] && [ -n "$(numbers -id "$main" _NET_FRAME_EXTENTS)" ] && break
  sleep 0.1
done
[ -n "$main" ] || { echo "no window titled Kestrova"; cat "$work/out.log"; exit 1; }

# Opens a dialog with the keys given, waits (at most 20 seconds) for its frame
# to stay inside the work area for half a second, and closes it.
check() {
  name=$1
  shift
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
  edges="" same=0 dialog=""
  for _ in $(seq 1 200); do
    dialog=$(dialogs | head -n 1)
    now=""
    [ -z "$dialog" ] || now=$(frame_edges "$dialog")
    if [ -n "$now" ] && [ "$now" = "$edges" ] && inside "$now"; then
      same=$((same + 1))
      [ "$same" -ge 5 ] && break
    else
      same=0
    fi
    edges=$now
    sleep 0.1
  done
  if [ "$same" -lt 5 ]; then
    [ -n "$dialog" ] || { echo "$name: no dialog shown"; cat "$work/out.log"; exit 1; }
    echo "$name at scale $QT_SCALE_FACTOR: the frame's edges $edges leave the work area $area_x $area_y $area_w x $area_h"
    exit 1
  fi
  echo "$name at scale $QT_SCALE_FACTOR: frame $edges inside the work area $area_w x $area_h"
  xdotool key --clearmodifiers Escape
  for _ in $(seq 1 200); do
    [ -z "$(dialogs)" ] && return 0
    sleep 0.1
  done
  echo "$name: the dialog did not close"
  exit 1
}

check "open project" ctrl+o
check "open picture" ctrl+i
check "presets" F4
check "image processing" F3
check "colour" ctrl+g
check "font" ctrl+f
check "exit question" alt+F4
check "about" F10 Left Up Return
