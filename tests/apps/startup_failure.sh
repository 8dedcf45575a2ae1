#!/usr/bin/env bash
# startup_failure.sh OUT HOST ARGS...: runs HOST ARGS on the X server of with_xvfb.sh, waits
# for its message box, notes the windows the host shows then, presses Enter and waits for
# the host to end. OUT receives "box: TITLE", "windows: N" (the host's windows on screen
# while the box is up), "main window: yes|no" and "status: S"; the host's stderr is OUT.err.
set -u
out=$1
shift
"$@" 2>"$out.err" >/dev/null &
host=$!
trap 'kill "$host" 2>/dev/null || true' EXIT
box=$(timeout 60 xdotool search --sync --onlyvisible --name '^Message KALVENOR$' | head -n 1)
{
  echo "box: $( [ -n "$box" ] && xdotool getwindowname "$box")"
  echo "windows: $(xdotool search --onlyvisible --pid "$host" 2>/dev/null | wc -l)"
  echo "main window: $(xdotool search --onlyvisible --name 'Bulletins de paie' >/dev/null 2>&1 && echo yes || echo no)"
} >"$out"
[ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
# A host that shows no box, or stays up after it, is stopped: it has failed the test.
timeout 30 tail --pid="$host" -f /dev/null || kill "$host"
wait "$host"
echo "status: $?" >>"$out"
