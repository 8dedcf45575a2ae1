#!/usr/bin/env bash
# vantelor-db select with sentences of any length: the longest allowed (256 clauses) runs; a
# longer one (at 600 SQLite failed and quoted 36 KB of SQL), a 100 KB value or a 100 KB file
# name (a word of a command line stops at 128 KB) is refused in a message of a few lines.
. "$(dirname "$0")/common.sh"
records 3 >three.jsonl
archive a.db three.jsonl
sentence() { local s="SSELECT CIVILAIDANT" i; for i in $(seq "$1"); do s+=' AVEC 0 = "0]"'; done; echo "$s"; }
run "$DB_TOOL" --db a.db select "$(sentence 256)"
expect 0 "00003" "256 clauses"
long=$(head -c 100000 /dev/zero | tr '\0' x)
for text in "$(sentence 257)" "$(sentence 600)" "SSELECT CIVILAIDANT AVEC 2 = \"$long" "SSELECT $long"; do
  run "$DB_TOOL" --db a.db select "$text"
  [ "$status" -eq 1 ] || fail "${text:0:40}…: status $status"
  [ "${#err}" -lt 600 ] || fail "${text:0:40}…: a message of ${#err} bytes"
done
finish
