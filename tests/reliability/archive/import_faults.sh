#!/usr/bin/env bash
# vantelor-db import under faults: a read error in the middle of the file, kill -9 while it
# writes, a byte-order mark, keys that would break one-key-a-line output. Each import is all
# or nothing: a fault leaves the archive as it was, with exit status 1.
# usage: import_faults.sh   (BUILD, SOURCE and SHIM in the environment)
. "$(dirname "$0")/common.sh"
: "${SHIM:?}"
archive a.db
records 5000 >in.jsonl

# A read error after about 3,000 of 5,000 lines (EIO from the preloaded shim).
run env LD_PRELOAD="$SHIM" VANTELOR_FAIL_READ_PATH=in.jsonl \
  VANTELOR_FAIL_READ_AFTER=$(($(head -n 3000 in.jsonl | wc -c))) "$DB_TOOL" --db a.db import in.jsonl
expect 1 "cannot read in.jsonl: Input/output error" "read error at line 3000"
run "$DB_TOOL" --db a.db export CIVILAIDANT
[ -z "$out" ] || fail "a failed read wrote $(echo "$out" | wc -l) records"
# The same file read whole imports every line.
run "$DB_TOOL" --db a.db import in.jsonl
expect 0 "5000 records imported" "the same file without the fault"

# A byte-order mark before the first line is skipped; with --latin1 it says the text is UTF-8.
printf '\xEF\xBB\xBF{"file": "CIVILAIDE", "key": "B1", "attributes": [["x"]]}\n' >bom.jsonl
run "$DB_TOOL" --db a.db import bom.jsonl
expect 0 "1 records imported" "byte-order mark"
run "$DB_TOOL" --db a.db import bom.jsonl --latin1
expect 1 "byte-order mark: it is UTF-8" "byte-order mark with --latin1"

# Keys with a NUL byte or a line break are refused, and nothing of their import is written.
for key in 'K\u0000' 'K\n1' 'K\r' ; do
  { echo '{"file": "CIVILAIDE", "key": "OK1", "attributes": [["x"]]}'
    echo "{\"file\": \"CIVILAIDE\", \"key\": \"$key\", \"attributes\": [[\"x\"]]}"; } >key.jsonl
  run "$DB_TOOL" --db a.db import key.jsonl
  expect 1 "line 2: the key holds a NUL byte or a line break" "key $key"
done
run "$DB_TOOL" --db a.db read CIVILAIDE OK1
expect 1 "no record OK1" "the refused imports wrote nothing"

# A folder, a missing file: refused, nothing written.
run "$DB_TOOL" --db a.db import "$WORK"
[ "$status" -ne 0 ] || fail "an import of a folder succeeded: $out"

# kill -9 at three points of an import of 600,000 records (once its write-ahead log holds 1,
# 8 and 24 MB): the archive holds what it held before (not one of them), and is whole.
awk 'BEGIN { for (i = 0; i < 600000; i++)
  printf "{\"file\": \"TEMPO\", \"key\": \"T%07d\", \"attributes\": [[\"%060d\"]]}\n", i, i }' >big.jsonl
wal_size() { stat -c %s a.db-wal 2>/dev/null || echo 0; }
for megabytes in 1 8 24; do
  "$DB_TOOL" --db a.db import big.jsonl >/dev/null 2>&1 &
  pid=$!
  while kill -0 "$pid" 2>/dev/null && [ "$(wal_size)" -lt $((megabytes << 20)) ]; do sleep 0.02; done
  kill -9 "$pid" 2>/dev/null || fail "the import ended before its log held $megabytes MB"
  wait "$pid" 2>/dev/null || true
  run "$DB_TOOL" --db a.db files
  expect 0 "TEMPO               0 records" "kill -9 at $megabytes MB"
  run sqlite3 a.db "PRAGMA integrity_check"
  expect 0 "ok" "the archive after kill -9 at $megabytes MB"
done
run "$DB_TOOL" --db a.db files
expect 0 "CIVILAIDANT         5000 records" "the records imported before the kills"
finish
