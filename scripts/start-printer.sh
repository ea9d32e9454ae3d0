#!/usr/bin/env bash
# Starts CUPS with a PDF printer as the default printer, for the print tests and
# for trying receipts on a machine without a real printer. Harmless when it runs.
set -u
# lpstat -r exits 0 even when the scheduler is down, so read what it says.
running() { LC_ALL=C lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }
if ! running; then
  (cupsd >/dev/null 2>&1 || /usr/sbin/cupsd >/dev/null 2>&1) || true
  for _ in $(seq 1 50); do running && break; sleep 0.2; done
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 ||
    lpadmin -p PDF -E -v cups-pdf:/ -m raw >/dev/null 2>&1 || true
fi
lpadmin -d PDF >/dev/null 2>&1 || true
cupsenable PDF >/dev/null 2>&1 || true
cupsaccept PDF >/dev/null 2>&1 || true
# Keep each job's file in the spool after printing: the print tests read the
# document back exactly as the program sent it.
# cupsctl restarts the scheduler, so only when the setting is missing.
cupsctl 2>/dev/null | grep -qx "PreserveJobFiles=Yes" || cupsctl PreserveJobFiles=Yes >/dev/null 2>&1 || true
lpstat -d 2>/dev/null || true
