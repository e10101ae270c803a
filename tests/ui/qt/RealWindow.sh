#!/bin/sh
# Starts the program with a project on a virtual display, checks that a window
# titled "Kestrova" shows, that F1 opens the user's guide through xdg-open (a
# fake one first on PATH records its arguments), and closes the window with
# Alt+F4 through the exit question (answered Yes with Return). Every wait is
# bounded.
#   RealWindow.sh <program> <project>
set -eu
program=$1
project=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
export ASAN_OPTIONS=detect_leaks=0
unset QT_QPA_PLATFORM
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/part" && mv "%s/part" "%s/opened"\n' "$work" "$work" "$work" \
  >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

run() {
  "$program" "$project" >"$work/out.log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name '^Kestrova$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "no window titled Kestrova"; kill "$pid"; cat "$work/out.log"; exit 1
  fi
  # Keys go to the window once the manager has given it the focus (they wait
  # in the display's queue until the program reads them).
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers F1
  for _ in $(seq 1 200); do
    [ -f "$work/opened" ] && break
    sleep 0.1
  done
  case "$(cat "$work/opened" 2>/dev/null)" in
    */Kestroen.html) ;;
    *) echo "F1 did not open the user's guide"; kill "$pid"; exit 1 ;;
  esac
  xdotool key --clearmodifiers alt+F4
  # The exit question is a second window titled Kestrova.
  box=""
  for _ in $(seq 1 200); do
    box=$(xdotool search --onlyvisible --name '^Kestrova$' 2>/dev/null | grep -vx "$window" | head -n 1 || true)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || { echo "no exit question"; kill "$pid"; exit 1; }
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end after Yes"; kill "$pid"; exit 1
  fi
  wait "$pid"
}

run
test -f "$XDG_CONFIG_HOME/kestrova/kestrova-ui.ini" || { echo "the window store was not written"; exit 1; }
echo "window shown and closed through the exit question"
