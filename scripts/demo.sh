#!/bin/sh
# Runs the bundled example project (examples/example.btn) in batch mode from
# the examples folder: the buttons and the test page go to examples/output/,
# the log to examples/kestro_shell_run.log.
set -eu
program="$1"
if [ ! -x "$program" ]; then
  echo "There is no $program: build it first (make build)." >&2
  exit 1
fi
program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
cd "$(dirname "$0")/../examples"
status=0
"$program" /x example.btn || status=$?
echo "Buttons and test page: $(pwd)/output/ (open output/example.btn.html in a browser)"
echo "Log: $(pwd)/kestro_shell_run.log"
if [ "$status" -ne 0 ]; then
  echo "The batch run reported errors (exit status $status); see the log." >&2
fi
exit "$status"
