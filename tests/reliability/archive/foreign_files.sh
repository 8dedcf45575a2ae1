#!/usr/bin/env bash
# Files that are not archives of ours: another program's SQLite database, a 0-byte file, a
# text file, an archive of a newer version. Every command but init, and the screens, refuse
# them saying what they are, and the file is left exactly as it was (no WAL switch, no
# version stamp, no table, no file beside it); init refuses all but the empty file.
. "$(dirname "$0")/common.sh"
sqlite3 other.db "CREATE TABLE clients(id INTEGER, nom TEXT); INSERT INTO clients VALUES (1, 'x')"
: >empty.db
printf 'Un texte qui n'"'"'est pas une base de données, assez long pour un en-tête.\n' >text.db
archive newer.db
sqlite3 newer.db "PRAGMA user_version = 2"
echo '{"file": "CIVILAIDANT", "key": "00001", "attributes": [["M."]]}' >one.jsonl

check() {  # check FILE SAID: every command refuses FILE saying SAID; FILE is left as it was
  local file=$1 said=$2 before command
  before=$(sha256sum "$file")
  for command in files "read CIVILAIDANT 00001" "select SSELECT\ CIVILAIDANT" "export" \
                 "import one.jsonl" "reindex" "seed-demo --scale 1" "copy --to copy-$file"; do
    eval run '"$DB_TOOL"' --db "$file" "$command"
    expect 1 "$said" "$command on $file"
  done
  run "$HOST" -platform offscreen --db "$file" --script /dev/null
  expect 1 "$said" "the screens on $file"
  [ "$(sha256sum "$file")" = "$before" ] || fail "$file was changed"
  ls "$file"-* copy-"$file" >/dev/null 2>&1 && fail "files were left beside $file: $(ls "$file"-* copy-"$file" 2>/dev/null)"
  return 0
}
check other.db "other.db is not a Vantelor archive: it is another program's SQLite database (tables clients)"
check text.db "text.db is not a Vantelor archive: it is no SQLite database"
check empty.db "empty.db is an empty file (0 bytes), not a Vantelor archive: make one with vantelor-db init"
check newer.db "newer.db was made by a newer version of Vantelor (schema 2; this one reads 1)"

[ "$(sqlite3 other.db 'PRAGMA journal_mode; PRAGMA user_version' | tr '\n' ' ')" = "delete 0 " ] ||
  fail "other.db's journal mode or version changed"
for file in other.db text.db newer.db; do
  before=$(sha256sum "$file")
  run "$DB_TOOL" --db "$file" init
  [ "$status" -eq 1 ] || fail "init made an archive of $file"
  [ "$(sha256sum "$file")" = "$before" ] || fail "init changed $file"
done
# The empty file is the one init may make into an archive.
run "$DB_TOOL" --db empty.db init
expect 0 "holds 14 files" "init of the empty file"
finish
