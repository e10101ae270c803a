#!/bin/sh
# Runs the bundled example project in batch mode.
set -eu
program="$1"
if [ ! -x "$program" ]; then
  echo "Batch mode is not built yet: there is no $program."
  exit 0
fi
exec "$program" /x examples/example.btn
