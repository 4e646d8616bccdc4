#!/usr/bin/env bash
# Runs CMD with a private CUPS spooler whose printers write PDF files
# (cups-pdf), and always stops the spooler after it.
#
#   tools/with-cups.sh DIR CMD [ARG...]
#
# DIR holds the spooler's files; the printed PDFs land in DIR/pdf. Two
# printers: KurantoPDF (A4, the postcard and 長形3号 to the paper's edge,
# the default) and
# KurantoPDFMargins (the same with unprintable margins of 1/4 inch at the
# left and 1/2 inch at the top, so that a program has a physical offset to
# honour). Inside CMD, CUPS_SERVER names the spooler's socket, which the
# CUPS clients, Wine's among them, read.
#
# cups-pdf reads its settings only from /etc/cups (a file per printer), so
# this needs root; without it, or without cupsd or cups-pdf, it says so and
# exits 77 (what ctest takes as a skip).
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: tools/with-cups.sh DIR CMD [ARG...]" >&2
  exit 2
fi
dir=$(realpath -m "$1")
shift

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for need in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf "$ppd"; do
  [ -e "$need" ] || { echo "with-cups: $need missing (run tools/setup.sh)" >&2; exit 77; }
done
[ -w /etc/cups ] || { echo "with-cups: /etc/cups is not writable (cups-pdf needs root)" >&2; exit 77; }

rm -rf "$dir"
mkdir -p "$dir"/{etc/ppd,spool,tmp,cache,run,log,pdf}
# Filters run as the spooler's user lp; cups-pdf writes as the job's user.
chmod 1777 "$dir/tmp" "$dir/pdf"
chgrp lp "$dir/spool" "$dir/cache" "$dir/run" 2>/dev/null || true
socket=$dir/run/cups.sock
# A queue's own cups-pdf settings are named after its device URI.
tag=kuranto-$(printf '%s' "$dir" | md5sum | cut -c1-12)

cat >"$dir/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel info
WebInterface No
Browsing No
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
EOF
cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/run
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/run/printcap
SystemGroup root
EOF
for queue in KurantoPDF KurantoPDFMargins; do
  printf 'Out %s\nLog %s\nGrp root\n' "$dir/pdf" "$dir/log" >"/etc/cups/cups-pdf-$tag-$queue.conf"
done
# cups-pdf knows no Japanese papers: the postcard (100 x 148 mm) and the
# 長形3号 envelope (120 x 235 mm) are added beside A4, by the PPD's standard
# names, which Wine maps to its DMPAPER_JAPANESE_POSTCARD and DMPAPER_JENV_CHOU3.
papers() {
  awk '{ print }
    /^\*(PageSize|PageRegion) A4\/A4:/ {
      split($0, key, " ")
      print key[1] " Postcard/Postcard: \"<</PageSize[283 420]/ImagingBBox null>>setpagedevice\""
      print key[1] " EnvChou3/Envelope Chou3: \"<</PageSize[340 666]/ImagingBBox null>>setpagedevice\"" }
    /^\*ImageableArea A4\/A4:/ { print "*ImageableArea Postcard/Postcard: \"0 0 283 420\""
      print "*ImageableArea EnvChou3/Envelope Chou3: \"0 0 340 666\"" }
    /^\*PaperDimension A4\/A4:/ { print "*PaperDimension Postcard/Postcard: \"283 420\""
      print "*PaperDimension EnvChou3/Envelope Chou3: \"340 666\"" }' "$1"
}
papers "$ppd" >"$dir/etc/ppd/pdf.ppd"
# 18 pt at the left, 36 pt at the top (PostScript counts from the bottom).
sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "18 0 595 806"|' "$dir/etc/ppd/pdf.ppd" >"$dir/etc/ppd/margins.ppd"

cupsd_pid=
cleanup() {
  local status=$?
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -f /etc/cups/cups-pdf-"$tag"-*.conf
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

/usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$socket
for _ in $(seq 100); do
  [ -S "$socket" ] && lpstat -r >/dev/null 2>&1 && break
  kill -0 "$cupsd_pid" 2>/dev/null || { echo "with-cups: cupsd did not start (see $dir/log)" >&2; exit 1; }
  sleep 0.1
done
lpadmin -p KurantoPDF -v "cups-pdf:/$tag-KurantoPDF" -P "$dir/etc/ppd/pdf.ppd" -E 2>/dev/null
lpadmin -p KurantoPDFMargins -v "cups-pdf:/$tag-KurantoPDFMargins" -P "$dir/etc/ppd/margins.ppd" -E 2>/dev/null
lpadmin -d KurantoPDF

set +e
"$@"
status=$?
set -e
exit "$status"
