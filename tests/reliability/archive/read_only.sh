#!/usr/bin/env bash
# An archive that this user may only read: a file of mode 444, or a folder that is not
# theirs. Reading works (the tool and the screens); commands that write say that they need
# write access and change nothing; no -wal or -shm file of this user's is left beside it,
# which would lock the file's owner out of writing.
. "$(dirname "$0")/common.sh"
records 3 >three.jsonl
archive a.db three.jsonl
echo '{"file": "CIVILAIDANT", "key": "00009", "attributes": [["M."]]}' >one.jsonl
archive demo.db
"$DB_TOOL" --db demo.db seed-demo >/dev/null
mkdir shared mine
cp a.db shared/a.db
cp a.db mine/a.db
chmod 444 a.db          # the file read only, in a folder everyone may write
chmod 1777 "$WORK"
chmod 755 mine          # a folder that is not nobody's, the file theirs to write
chown nobody mine/a.db
chmod 644 shared/a.db   # a folder that is not nobody's, the file not theirs either
chmod 555 shared

for db in a.db shared/a.db mine/a.db; do
  before=$(sha256sum "$db")
  run as_nobody "$DB_TOOL" --db "$db" read CIVILAIDANT 00002
  expect 0 '"key": "00002"' "read of $db"
  run as_nobody "$DB_TOOL" --db "$db" select 'SSELECT CIVILAIDANT'
  expect 0 "00003" "select on $db"
  run as_nobody "$DB_TOOL" --db "$db" export CIVILAIDANT
  expect 0 '"key": "00001"' "export of $db"
  for command in "import one.jsonl" reindex "seed-demo --scale 1" init; do
    eval run as_nobody '"$DB_TOOL"' --db "$db" "$command"
    expect 1 "est en lecture seule pour cet utilisateur" "$command on $db"
  done
  [ "$(sha256sum "$db")" = "$before" ] || fail "$db was changed"
  ls "$db"-* >/dev/null 2>&1 && fail "files were left beside $db: $(ls -l "$db"-*)"
done

# While the owner has the archive open (its -wal and -shm files there), a reader who may not
# write reads through them, and leaves them as they were.
cp a.db open.db
chmod 644 open.db
sqlite3 open.db < <(echo "BEGIN; SELECT count(*) FROM vantelor_files;"; exec sleep 30 2>/dev/null) >/dev/null &
owner=$!
tries=0
until [ -e open.db-shm ]; do
  tries=$((tries + 1))
  [ "$tries" -lt 200 ] && kill -0 "$owner" 2>/dev/null || { fail "the owner never opened open.db"; finish; }
  sleep 0.05
done
before=$(ls -l open.db-wal open.db-shm)
run as_nobody "$DB_TOOL" --db open.db read CIVILAIDANT 00003
expect 0 '"key": "00003"' "read while the owner has it open"
[ "$(ls -l open.db-wal open.db-shm)" = "$before" ] || fail "the owner's -wal and -shm changed: $(ls -l open.db-*)"
kill "$owner"

# The screens read it too: a search and a listing on the demo archive, read only, for a user
# with the demo user's rights.
echo '{"file": "DROITS", "key": "NOBODY*PALIMOR", "attributes": [["S01", "S02"]]}' |
  "$DB_TOOL" --db demo.db import - >/dev/null
chmod 444 demo.db
run as_nobody "$HOST" -platform offscreen --db demo.db \
  --script "$SOURCE/tests/e2e/name_search.script"
expect 0 "name_search.script: ok" "the screens on a read-only archive"
ls demo.db-* >/dev/null 2>&1 && fail "files were left beside demo.db"
finish
