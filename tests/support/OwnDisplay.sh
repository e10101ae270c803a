#!/bin/sh
# Runs a command on a virtual display of its own. The X server picks a free
# display number itself and tells it through a pipe (-displayfd), so runs that
# start displays at the same moment, in one test run or in several, never
# share one. The server ends with the command; the command's status is kept.
#   OwnDisplay.sh <width>x<height> <command> [argument]...
set -eu
screen=$1
shift
work=$(mktemp -d)
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
mkfifo "$work/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 "${screen}x24" 3>"$work/display" >"$work/server.log" 2>&1 &
server=$!
number=""
read -r number <"$work/display" || true
if [ -z "$number" ]; then
  echo "the virtual display did not start" >&2
  cat "$work/server.log" >&2
  exit 1
fi
unset XAUTHORITY
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit "$status"
