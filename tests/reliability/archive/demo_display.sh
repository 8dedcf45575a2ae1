#!/usr/bin/env bash
# ./run demo without a display: it says how to get one and stops; --vnc serves only the demo
# database, never one that VANTELOR_DB names elsewhere (VNC has no password and Qt listens
# on every interface). Both answers come before anything is installed or built.
. "$(dirname "$0")/common.sh"
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u VANTELOR_DB HOME="$WORK")
run "${bare[@]}" "$SOURCE/run" demo
expect 1 "No display" "./run demo without a display"
expect 1 "./run demo --vnc" "./run demo without a display"
for db in "$WORK/archive.db" "postgresql:///paie?host=/tmp" "$WORK/.local/share/vantelor/../demo.db"; do
  run "${bare[@]}" VANTELOR_DB="$db" "$SOURCE/run" demo --vnc
  expect 2 "serves only the demo database ($WORK/.local/share/vantelor/demo.db), never $db" \
    "./run demo --vnc with VANTELOR_DB=$db"
done
[ ! -e "$WORK/.local" ] || fail "./run demo made $(find "$WORK/.local")"
finish
