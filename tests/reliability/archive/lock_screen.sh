#!/usr/bin/env bash
# The screens on an archive whose write lock another program holds (an import, a copy):
# Imprimer and Edition wait a few seconds, then say "L'archive est occupée par une autre opération,
# réessayez." and the screen stays usable (lock.script), offscreen and on an X server. The
# lock is held for 20 s: a screen that waited as long as the tools (30 s) would print instead.
. "$(dirname "$0")/common.sh"
archive demo.db
sed "s|@DB@|$WORK/demo.db|" "$SOURCE/tests/reliability/archive/lock.script" > lock.script
"$DB_TOOL" --db demo.db seed-demo >/dev/null
export VANTELOR_PRINT_DIR=$WORK/prints
holder=""
trap '[ -z "$holder" ] || kill "$holder" 2>/dev/null || true; rm -rf "$WORK"' EXIT

# Another program takes the write lock and keeps it 20 s. It waits out the probe's own brief
# lock (a probe that won the race would otherwise leave it without the lock, and the probe
# looping for ever); the probe gives up after 10 s.
hold_lock() {
  sqlite3 demo.db < <(echo ".timeout 10000"; echo "BEGIN IMMEDIATE;"; exec sleep 20 2>/dev/null) &
  holder=$!
  local tries=0
  while sqlite3 demo.db "BEGIN IMMEDIATE; ROLLBACK;" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -lt 200 ] || { fail "the write lock was not taken in 10 s"; finish; }
    sleep 0.05
  done
}

for way in offscreen xcb; do
  hold_lock
  prefix=()
  [ "$way" = xcb ] && prefix=("$SOURCE/tests/e2e/driver/with_xvfb.sh")
  run timeout 120 "${prefix[@]}" "$HOST" -platform "$way" --db demo.db \
    --script lock.script --check-screen
  expect 0 "lock.script: ok" "the lock on the $way screens"
  kill "$holder" 2>/dev/null || true
  wait "$holder" 2>/dev/null || true
  [ -z "$(ls -A prints 2>/dev/null)" ] || fail "something was printed on $way: $(ls prints)"
done
finish
