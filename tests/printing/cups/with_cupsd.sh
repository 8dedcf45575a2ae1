#!/bin/sh
# with_cupsd.sh COMMAND [ARGS...]
# Runs COMMAND beside a CUPS daemon of its own: configuration, spool, logs and socket in a
# new temporary folder, listening on that Unix socket only, stopped (and the folder removed)
# when COMMAND ends, fails or is interrupted, or when this shell is killed (a watchdog).
# Two queues, each writing what it prints as a PDF file: "vantelor-test" (idle, the default destination) into $VANTELOR_CUPS_OUT/job.pdf,
# and "vantelor-arret" (stopped). COMMAND gets CUPS_SERVER (the socket, which libcups and so
# Qt use) and VANTELOR_CUPS_OUT. Needs the Debian packages cups-daemon, cups-client and
# cups-filters.
set -eu
[ $# -ge 1 ] || { echo "usage: with_cupsd.sh COMMAND [ARGS...]" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/vantelor-cups.XXXXXX")
pid=
stop() {
  status=$?
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
  exit $status
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state/certs" "$dir/log" "$dir/ppd" "$dir/out"
# The filters run as the daemon's own user (lp): they must reach the spool and the output.
chmod 0755 "$dir" "$dir/out"
chown lp "$dir/out" 2>/dev/null || chmod 0777 "$dir/out"
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel info
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
CONF
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
pid=$!
# Should this shell be killed outright (a test runner's time-out), a watchdog of its own
# session still stops the daemon and removes the folder.
setsid sh -c "while kill -0 $$ 2>/dev/null; do sleep 1; done; kill $pid 2>/dev/null
  while kill -0 $pid 2>/dev/null; do sleep 0.1; done; rm -rf '$dir'" \
  >/dev/null 2>&1 </dev/null &
export CUPS_SERVER="$dir/cups.sock"
export VANTELOR_CUPS_OUT="$dir/out"
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then
    echo "with_cupsd.sh: the CUPS daemon did not start:" >&2
    cat "$dir/log/error_log" >&2 2>/dev/null || true
    exit 1
  fi
  sleep 0.1
done
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
lpadmin -p vantelor-test -E -v "file://$dir/out/job.pdf" -P "$ppd"
lpadmin -p vantelor-arret -E -v "file://$dir/out/arret.pdf" -P "$ppd"
cupsdisable vantelor-arret
lpadmin -d vantelor-test
"$@"
