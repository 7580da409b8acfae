#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a private print server for the print queue test: its own configuration, spool and socket
# under DIR, so it never touches (or is touched by) a print server of the machine, and one
# PDF printer per NAME (a NAME ending in "Letter" gets a printer whose only paper is US Letter).
# Prints "READY <socket>" once the printers accept jobs, then stays in the
# foreground until it is terminated; the server itself ends after LIFETIME seconds at the
# latest (default 240), so a test that dies cannot leave it running.
# Exit status 77: no print server can be started here (not root, or the packages are missing).
set -u
dir=${1:?usage: start-cups-pdf.sh DIR NAME...}
shift
[ $# -gt 0 ] || set -- VorlentixPDF
lifetime=${LIFETIME:-240}

skip() { echo "SKIP $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the print server must run as root (cupsd runs its backends as root)"
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || skip "cupsd is not installed (Debian package cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (Debian package printer-driver-cups-pdf)"
command -v lpadmin >/dev/null || skip "lpadmin is not installed (Debian package cups-client)"

mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd" || skip "cannot create $dir"
# The filters run as user lp and must reach the spool below DIR.
chmod 0755 "$dir"
socket="$dir/cups.sock"

cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
User lp
Group lp
CONF

cat >"$dir/cupsd.conf" <<CONF
Listen $socket
Browsing Off
LogLevel warn
WebInterface No
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

timeout "$lifetime" "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; exit 0' TERM INT HUP

for _ in $(seq 100); do
  [ -S "$socket" ] && lpstat -h "$socket" -r >/dev/null 2>&1 && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if ! lpstat -h "$socket" -r >/dev/null 2>&1; then
  kill "$server" 2>/dev/null
  echo "SKIP the print server did not start:"
  cat "$dir/log/error_log" 2>/dev/null
  exit 77
fi

# The driver's own name for its PPD, as the server lists it; the file itself if it lists none.
model=$(lpinfo -h "$socket" -m 2>/dev/null | awk '/CUPS-PDF_opt/ {print $1; exit}')
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# The same driver with US Letter as its only paper and no custom sizes, as an office printer
# loaded with Letter paper reports itself.
letter_ppd() {
  sed -e '/^\*NonUIOrderDependency: .*CustomPageSize/d' \
      -e '/^\*CustomPageSize True/,/^\*End/d' \
      -e '/^\*ParamCustomPageSize/d' \
      -e 's/^\*VariablePaperSize: True/*VariablePaperSize: False/' \
      -e '/^\*\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\) /{/^\*[A-Za-z]* Letter\//!d}' \
      -e 's/^\(\*Default\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\)\): A4/\1: Letter/' \
      "$ppd" >"$dir/ppd/letter.ppd"
}
add_printer() {
  if [[ $1 == *Letter ]]; then
    letter_ppd && lpadmin -h "$socket" -p "$1" -E -v cups-pdf:/ -P "$dir/ppd/letter.ppd"
  elif [ -n "$model" ]; then
    lpadmin -h "$socket" -p "$1" -E -v cups-pdf:/ -m "$model"
  else
    lpadmin -h "$socket" -p "$1" -E -v cups-pdf:/ -P "$ppd"
  fi
}
for name in "$@"; do
  # lpadmin warns that printer drivers are deprecated; the queue works all the same.
  if ! add_printer "$name" 2>"$dir/log/lpadmin"; then
    cat "$dir/log/lpadmin"
    kill "$server"
    echo "FAIL lpadmin could not add printer $name"
    exit 1
  fi
done
lpadmin -h "$socket" -d "$1" || true
echo "READY $socket"
wait "$server"
