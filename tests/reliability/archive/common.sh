# What the archive's reliability tests share (sourced): a fresh folder per test, removed on
# every path, the programs of the build, and checks that name what they found.
#   BUILD (the build folder) and SOURCE (the source tree) come from ctest.
set -euo pipefail
: "${BUILD:?}" "${SOURCE:?}"
DB_TOOL=$BUILD/apps/vantelor-db
HOST=$BUILD/apps/vantelor-host
WORK=$(mktemp -d /tmp/vantelor-reliability.XXXXXX)
chmod 755 "$WORK"
trap 'chmod -R u+w "$WORK" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cd "$WORK"
export HOME=$WORK XDG_RUNTIME_DIR=$WORK
unset VANTELOR_DB

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
finish() { [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }; }

# run COMMAND...: its status in $status, its output in $out and $err.
run() {
  set +e
  "$@" >"$WORK/.out" 2>"$WORK/.err"
  status=$?
  set -e
  out=$(cat "$WORK/.out") err=$(cat "$WORK/.err")
}
# expect STATUS TEXT WHAT: the last run ended with STATUS and said TEXT (on stdout or stderr).
expect() {
  [ "$status" -eq "$1" ] || fail "$3: status $status, not $1 ($err)"
  case "$out$err" in *"$2"*) ;; *) fail "$3: \"$2\" not said; said: $out $err" ;; esac
}

# An archive at $1 made by the tool, with the records of $2 (JSON Lines) when given.
archive() {
  "$DB_TOOL" --db "$1" init >/dev/null
  [ -z "${2:-}" ] || "$DB_TOOL" --db "$1" import "$2" >/dev/null
}
# as_nobody COMMAND...: run as a user without rights on root's files (the tests run as root,
# who may write anything).
as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
# The file's mode in octal (640).
mode() { stat -c %a "$1"; }
# JSON Lines records of CIVILAIDANT, $1 of them.
records() {
  local i
  for i in $(seq "$1"); do
    printf '{"file": "CIVILAIDANT", "key": "%05d", "attributes": [["Mme"], ["NOM%05d"], ["Prénom"]]}\n' "$i" "$i"
  done
}
