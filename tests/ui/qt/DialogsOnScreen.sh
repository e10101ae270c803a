#!/bin/sh
# Starts the program with a project under a window manager (openbox) on a
# virtual display at each scale factor given, opens each dialog it has a key
# for (the About box through the menu bar, a message box by closing the
# window) as a user does with the window focused, and checks that the
# dialog's frame, title bar and borders included, lies inside the manager's
# work area and centred on it, then closes it with Escape. Every wait is
# bounded.
#   DialogsOnScreen.sh <program> <project> <scale>...
set -eu
program=$1
project=$2
shift 2
scales=$*
. "$(dirname "$0")/WindowManager.sh"
start_manager

# The shown windows of the program but its main window.
dialogs() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$main" || true; }

# The edges of the frame of the first of them ("" while there is none with a frame).
dialog_frame_edges() {
  dialog=$(dialogs | head -n 1)
  [ -z "$dialog" ] || frame_edges "$dialog"
}

# Starts the program and waits (at most 20 seconds) for its framed window.
start_program() {
  (cd "$(dirname "$project")" && exec "$program" "$(basename "$project")") >"$work/out.log" 2>&1 &
  pid=$!
  main=""
  for _ in $(seq 1 200); do
    main=$(xdotool search --onlyvisible --name '^Kestrova$' 2>/dev/null | head -n 1 || true)
    [ -n "$main" ] && [ -n "$(numbers -id "$main" _NET_FRAME_EXTENTS)" ] && break
    sleep 0.1
  done
  [ -n "$main" ] || { echo "no window titled Kestrova"; cat "$work/out.log"; exit 1; }
}

stop_program() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

# Opens a dialog with the keys given, waits (at most 20 seconds) for its frame
# to stay inside the work area and centred on it (to a window pixel) for half
# a second, and closes it.
check() {
  name=$1
  shift
  # Keys go to the window once the manager has given it the focus (waiting
  # for that, not for a time: a loaded machine may take seconds).
  for _ in $(seq 1 200); do
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$main" ] && break
    sleep 0.1
  done
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
  if ! settles "centred_within $QT_SCALE_FACTOR" dialog_frame_edges; then
    [ -n "$edges" ] || { echo "$name: no framed dialog shown"; cat "$work/out.log"; exit 1; }
    echo "$name at scale $QT_SCALE_FACTOR: the frame's edges $edges are not centred inside the work area $area_x $area_y $area_w x $area_h"
    exit 1
  fi
  echo "$name at scale $QT_SCALE_FACTOR: frame $edges centred on the work area $area_w x $area_h"
  xdotool key --clearmodifiers Escape
  for _ in $(seq 1 200); do
    [ -z "$(dialogs)" ] && return 0
    sleep 0.1
  done
  echo "$name: the dialog did not close"
  exit 1
}

for scale in $scales; do
  export QT_SCALE_FACTOR="$scale"
  start_program
  check "open project" ctrl+o
  check "open picture" ctrl+i
  check "presets" F4
  check "image processing" F3
  check "colour" ctrl+g
  check "font" ctrl+f
  check "exit question" alt+F4
  check "about" F10 Left Up Return
  # A second time, once each has been shown and closed.
  check "presets again" F4
  check "image processing again" F3
  stop_program
done
