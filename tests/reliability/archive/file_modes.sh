#!/usr/bin/env bash
# The archive is personal data: under the usual umask (022) a new archive and its -wal and
# -shm files are readable by their owner only, whichever program makes it (init, copy, the
# host's demo archive); an archive shared by a group keeps its group bits, never widened.
. "$(dirname "$0")/common.sh"
umask 022
awk 'BEGIN { for (i = 0; i < 300000; i++)
  printf "{\"file\": \"TEMPO\", \"key\": \"T%07d\", \"attributes\": [[\"%060d\"]]}\n", i, i }' >big.jsonl

# modes_while_importing DB: "DB -wal -shm" modes, read while an import writes into DB.
modes_while_importing() {
  "$DB_TOOL" --db "$1" import big.jsonl >/dev/null 2>&1 &
  local pid=$! seen=""
  while kill -0 "$pid" 2>/dev/null; do
    if [ -e "$1-wal" ] && [ -e "$1-shm" ]; then
      seen="$(mode "$1") $(mode "$1-wal") $(mode "$1-shm")"
      break
    fi
    sleep 0.01
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$seen"
}

"$DB_TOOL" --db new.db init >/dev/null
[ "$(mode new.db)" = 600 ] || fail "init made new.db $(mode new.db)"
[ "$(modes_while_importing new.db)" = "600 600 600" ] || fail "new.db and its log: $(modes_while_importing new.db)"

"$DB_TOOL" --db new.db copy --to copy.db >/dev/null
[ "$(mode copy.db)" = 600 ] || fail "copy made copy.db $(mode copy.db)"

# The demo archive that vantelor-host makes when it is given no database.
export XDG_DATA_HOME=$WORK/data
echo "expect Txt_CodeAidant Text" >empty.script
run "$HOST" -platform offscreen --script empty.script
expect 0 "empty.script: ok" "the host on its demo archive"
[ "$(mode data/vantelor/demo.db)" = 600 ] || fail "the host made its demo archive $(mode data/vantelor/demo.db)"

# A group's archive keeps its group bits; its log files take them too, nothing more.
chmod 640 new.db
[ "$(modes_while_importing new.db)" = "640 640 640" ] || fail "a group's archive and its log: $(modes_while_importing new.db)"
"$DB_TOOL" --db new.db reindex >/dev/null
[ "$(mode new.db)" = 640 ] || fail "the group's archive became $(mode new.db)"
finish
