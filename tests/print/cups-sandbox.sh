#!/usr/bin/env bash
# Runs a private CUPS scheduler for the printing tests, in the foreground, until it is
# terminated. Everything lives under DIR: configuration, spool, logs, state, the Unix
# socket that is its only way in, and a backend of our own that copies each job to
# DIR/out/job-<id>.pdf. The machine's own printers and scheduler are never touched.
#
#   cups-sandbox.sh DIR printer     one raw queue "morvel-test", the default destination
#   cups-sandbox.sh DIR noprinter   no queue at all
#   cups-sandbox.sh DIR full        the same queue, taking at most one job at a time: with a
#                                   job held in it, the queue still reports idle and accepting
#                                   but refuses the next job
#
# Clients reach it with CUPS_SERVER=DIR/cups.sock and CUPS_SERVERROOT=DIR/conf. It runs as
# root or as a plain user alike.
set -euo pipefail

dir=${1:?usage: cups-sandbox.sh DIR printer|noprinter|full}
mode=${2:-printer}
cupsd_bin=${CUPSD:-$(command -v cupsd || echo /usr/sbin/cupsd)}
system_bin=/usr/lib/cups

mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
conf=$dir/conf
mkdir -p "$conf" "$dir/bin/backend" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
chmod 0755 "$dir" "$dir/out"
chmod 0710 "$dir/spool"
chmod 1770 "$dir/spool/tmp"

# The scheduler runs its helpers (cups-exec) and filters from ServerBin: borrow the
# system's, but keep the backends to our own one.
for sub in daemon filter cgi-bin driver monitor notifier; do
  if [ -e "$system_bin/$sub" ]; then
    ln -sfn "$system_bin/$sub" "$dir/bin/$sub"
  fi
done

# The backend is owned by whoever runs this script, mode 0700: a scheduler running as root
# then runs it as root (a backend of another mode would run as the unprivileged lp user and
# could not write here); a scheduler running as a plain user runs it as that user.
backend=$dir/bin/backend/morvelcopy
cat > "$backend" <<BACKEND
#!/bin/sh
# Device discovery: announce one device.
if [ \$# -eq 0 ]; then
  echo 'direct morvelcopy "Unknown" "Morvel test copy"'
  exit 0
fi
out='$dir/out'
tmp="\$out/.job-\$1.part"
if [ \$# -ge 6 ]; then cat "\$6" > "\$tmp"; else cat > "\$tmp"; fi
chmod 0644 "\$tmp"
mv "\$tmp" "\$out/job-\$1.pdf"
exit 0
BACKEND
chmod 0700 "$backend"

cat > "$conf/cups-files.conf" <<CONF
ServerRoot $conf
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
LogFilePerm 0644
FileDevice No
Sandboxing Relaxed
SystemGroup root
Printcap $dir/state/printcap
CONF

job_limit=0
if [ "$mode" = full ]; then
  job_limit=1
fi

cat > "$conf/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel info
MaxLogSize 0
PreserveJobHistory No
MaxJobsPerPrinter $job_limit
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

# Start afresh: no queue or job left from an earlier run in DIR (the scheduler falls back
# on its backup printers.conf.O when printers.conf is missing).
rm -f "$conf"/printers.conf* "$conf"/classes.conf* "$dir"/spool/c* "$dir"/spool/d* "$dir"/cache/job.cache
if [ "$mode" != noprinter ]; then
  # No PPD: a raw queue, so the backend receives the PDF exactly as the program made it.
  cat > "$conf/printers.conf" <<CONF
<DefaultPrinter morvel-test>
Info Morvel test queue
DeviceURI morvelcopy:/
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
CONF
fi

exec "$cupsd_bin" -f -c "$conf/cupsd.conf" -s "$conf/cups-files.conf"
