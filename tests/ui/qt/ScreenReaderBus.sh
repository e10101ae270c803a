#!/bin/sh
# Runs ScreenReaderBus.py (the window read and driven through the
# accessibility bus) in a private D-Bus session on the virtual display this
# script runs on. Skips (77) where the bus or its client library cannot be
# had: no dbus-run-session, no bus launcher, no Python bindings of AT-SPI.
#   ScreenReaderBus.sh <program> <project>
set -eu
program=$1
project=$2
here=$(dirname "$0")
python=/usr/bin/python3
for need in dbus-run-session import convert; do
  command -v "$need" >/dev/null 2>&1 || { echo "no $need"; exit 77; }
done
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || { echo "no AT-SPI bus"; exit 77; }
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null || { echo "no AT-SPI for Python"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
timeout 150 dbus-run-session -- "$python" "$here/ScreenReaderBus.py" "$program" "$project" "$work" || status=$?
[ "$status" -ne 0 ] && [ -f "$work/program.log" ] && cat "$work/program.log"
exit "$status"
