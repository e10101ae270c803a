# Sourced by the tests that run the program under a window manager (openbox)
# on a virtual display: a work folder that holds the program's settings, the
# manager and the program ended with the test, and how to read the manager's
# work area and a window's frame. Every wait is bounded.
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
export XDG_CACHE_HOME="$work/cache"
export ASAN_OPTIONS=detect_leaks=0
unset QT_QPA_PLATFORM
wm=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The numbers of an X property, separated by blanks ("" when it is not set).
numbers() { xprop "$@" 2>/dev/null | sed -n 's/^[^=]*= *//p' | tr -d ','; }

# Starts the manager with the arguments given and waits (at most 20 seconds)
# for its work area: area_x, area_y, area_w and area_h.
start_manager() {
  openbox "$@" >"$work/wm.log" 2>&1 &
  wm=$!
  for _ in $(seq 1 200); do
    [ -n "$(numbers -root _NET_WORKAREA)" ] && break
    sleep 0.1
  done
  set -- $(numbers -root _NET_WORKAREA)
  [ $# -ge 4 ] || { echo "no window manager came up"; cat "$work/wm.log"; exit 1; }
  area_x=$1 area_y=$2 area_w=$3 area_h=$4
}

# Left, top, right and bottom of the frame of window $1 ("" while it has none).
frame_edges() {
  extents=$(numbers -id "$1" _NET_FRAME_EXTENTS)
  [ -n "$extents" ] || return 0
  set -- $(xwininfo -id "$1" 2>/dev/null |
    sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p') $extents
  [ $# -eq 8 ] || return 0
  echo $(($1 - $5)) $(($2 - $7)) $(($1 + $3 + $6)) $(($2 + $4 + $8))
}

# Whether the edges given lie inside the work area.
inside() {
  set -- $1
  [ $# -eq 4 ] && [ "$1" -ge "$area_x" ] && [ "$2" -ge "$area_y" ] &&
    [ "$3" -le $((area_x + area_w)) ] && [ "$4" -le $((area_y + area_h)) ]
}

# Whether the edges given lie inside the work area and centred on it: the
# gaps on the left and on the right differ by $1 pixels at most, and so do
# those above and below (a window at the scale factor s moves by s pixels).
centred_within() {
  tolerance=$1
  inside "$2" || return 1
  set -- $2
  across=$(($1 - area_x - (area_x + area_w - $3)))
  down=$(($2 - area_y - (area_y + area_h - $4)))
  [ "${across#-}" -le "$tolerance" ] && [ "${down#-}" -le "$tolerance" ]
}

# Runs the command given (which prints a frame's edges, or "" while there is
# none) every tenth of a second until the edges stay the same and pass the
# check named first for half a second, 20 seconds at most; the edges seen
# last are in `edges`. Fails when they did not settle so.
settles() {
  check=$1
  shift
  edges="" same=0
  for _ in $(seq 1 200); do
    now=$("$@")
    if [ -n "$now" ] && [ "$now" = "$edges" ] && $check "$now"; then
      same=$((same + 1))
      [ "$same" -ge 5 ] && return 0
    else
      same=0
    fi
    edges=$now
    sleep 0.1
  done
  return 1
}

# The same until they stay inside the work area.
settles_inside() { settles inside "$@"; }
