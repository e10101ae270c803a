#!/bin/sh
# Starts the program under a window manager (openbox) on a virtual display and
# checks that the window's frame, title bar and borders included, lies inside
# the manager's work area: first with no window store, then with a stored
# placement smaller than the window's least size near the screen's far corner,
# then stored maximised with a normal rectangle larger than the screen and
# brought back to its normal size, at each scale factor given (the one Qt
# draws with). Every wait is bounded.
#   FrameOnScreen.sh <program> <project> <scale>...
set -eu
program=$1
project=$2
shift 2
scales=$*
. "$(dirname "$0")/WindowManager.sh"
# The manager's own settings, with a key that brings a maximised window back.
sed 's|<keyboard>|<keyboard><keybind key="W-F12"><action name="Unmaximize"/></keybind>|' \
  /etc/xdg/openbox/rc.xml >"$work/rc.xml"
start_manager --config-file "$work/rc.xml"

# The edges of the frame of the window titled Kestrova ("" while there is none with a frame).
main_frame_edges() {
  window=$(xdotool search --onlyvisible --name '^Kestrova$' 2>/dev/null | head -n 1 || true)
  [ -z "$window" ] || frame_edges "$window"
}

# Whether the window titled Kestrova is maximised, as the manager says.
maximised() {
  window=$(xdotool search --onlyvisible --name '^Kestrova$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_VERT
}

# Waits (at most 20 seconds) for the window to be maximised, then brings it
# back to its normal size with the manager's key and waits for that.
restore() {
  for _ in $(seq 1 200); do
    maximised && break
    sleep 0.1
  done
  maximised || { echo "$case_name: the window was not shown maximised"; cat "$work/out.log"; exit 1; }
  xdotool key --clearmodifiers super+F12
  for _ in $(seq 1 200); do
    maximised || break
    sleep 0.1
  done
}

# Starts the program (and runs the step given, if any) and waits (at most 20
# seconds, the window being placed after the manager has framed it) for its
# frame to stay inside the work area for half a second.
check() {
  case_name=$1
  "$program" "$project" >"$work/out.log" 2>&1 &
  pid=$!
  [ $# -lt 2 ] || "$2"
  settled=0
  settles_inside main_frame_edges || settled=$?
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  if [ "$settled" -ne 0 ]; then
    [ -n "$edges" ] || { echo "$case_name: no framed window titled Kestrova"; cat "$work/out.log"; exit 1; }
    echo "$case_name at scale $QT_SCALE_FACTOR: the frame's edges $edges leave the work area $area_x $area_y $area_w x $area_h"
    exit 1
  fi
  echo "$case_name at scale $QT_SCALE_FACTOR: frame $edges inside the work area $area_w x $area_h"
}

for scale in $scales; do
  export QT_SCALE_FACTOR="$scale"
  rm -rf "$XDG_CONFIG_HOME"
  check "first window"
  mkdir -p "$XDG_CONFIG_HOME/kestrova"
  printf '[TForm1]\r\nNormPos=1500,900,1510,905\r\n' >"$XDG_CONFIG_HOME/kestrova/kestrova-ui.ini"
  check "tiny stored placement"
  printf '[TForm1]\r\nNormPos=0,0,1600,1000\r\nShowCmd=3\r\n' >"$XDG_CONFIG_HOME/kestrova/kestrova-ui.ini"
  check "stored maximised, brought back" restore
done
