#!/usr/bin/env bash
# with_xvfb.sh COMMAND...: runs COMMAND on an X server of its own. Xvfb picks a free display
# number itself (-displayfd), listens on its Unix socket only, and is stopped on every path
# (the command failing or the test being interrupted included).
set -euo pipefail
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$dir"' EXIT
trap 'exit 130' INT TERM
for _ in $(seq 200); do
  [ -s "$dir/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start:" >&2; cat "$dir/log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$dir/display" ] || { echo "Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dir/display")"
"$@"
