#!/bin/sh
# A throwaway PostgreSQL cluster for the tests: test_cluster.sh start|stop STATE_FILE
#
# start: initdb and pg_ctl in a new temporary folder (as the postgres user when run as
# root), listening on a Unix socket in that folder only (no TCP port), with one database
# "vantelor" whose collation is French (ICU), so that the store's byte order is proven not
# to come from the server's. Every role is trusted but vantelor_password, which must give
# its password. STATE_FILE receives the folder. A watchdog stops the cluster
# and removes the folder when the process that ran start (ctest) goes away, so a run that
# is killed leaves nothing behind; a cluster left by an earlier run is stopped first.
# stop: stops the cluster of STATE_FILE and removes its folder.
set -eu
action=$1 state=$2
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] || bindir=$(dirname "$(command -v initdb)")

as_owner() {  # the server refuses to run as root
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop_cluster() {
  [ -f "$state" ] || return 0
  dir=$(sed -n 1p "$state") watchdog=$(sed -n 2p "$state")
  rm -f "$state"
  [ -n "$watchdog" ] && kill "$watchdog" 2>/dev/null || true
  case "$dir" in /tmp/vantelor-pg.*) ;; *) return 0 ;; esac
  [ -f "$dir/data/postmaster.pid" ] && as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case "$action" in
  stop) stop_cluster ;;
  start)
    stop_cluster
    dir=$(mktemp -d /tmp/vantelor-pg.XXXXXX)
    mkdir "$dir/data" "$dir/socket"
    [ "$(id -u)" -eq 0 ] && chown -R postgres "$dir"
    as_owner "$bindir/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
      --locale-provider=icu --icu-locale=fr-FR >"$dir/initdb.log" 2>&1 ||
      { cat "$dir/initdb.log" >&2; rm -rf "$dir"; exit 1; }
    # Every role but one is trusted on the socket; vantelor_password proves credentials.
    as_owner sed -i '1i local all vantelor_password scram-sha-256' "$dir/data/pg_hba.conf"
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -o \
      "-c listen_addresses='' -k $dir/socket -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" \
      start >/dev/null ||
      { cat "$dir/server.log" >&2; rm -rf "$dir"; exit 1; }
    as_owner "$bindir/createdb" -h "$dir/socket" -U postgres vantelor
    # The watchdog: ctest started us; when it is gone, so is the cluster.
    parent=$PPID
    setsid sh -c "while kill -0 $parent 2>/dev/null; do sleep 2; done; \"$script\" stop \"$state\"" \
      </dev/null >/dev/null 2>&1 &
    printf '%s\n%s\n' "$dir" "$!" >"$state"
    echo "test cluster in $dir (socket $dir/socket)"
    ;;
  *) echo "usage: $0 start|stop STATE_FILE" >&2; exit 2 ;;
esac
