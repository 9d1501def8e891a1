#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks from outside whether a built program reminds of updates: on its
# first start one that does keeps the day in its settings (the reminder's
# only trace), and one built for a package manager keeps nothing. The program
# starts offscreen with a fresh home and a file that does not exist; once it
# has said so, start-up (reminder included) is over and it is ended.
# Usage: packaging/check-update-reminder.sh PROGRAM reminds|quiet
set -euo pipefail
program=$(realpath "$1")
expected=$2
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 0700 "$work/home" "$work/config" "$work/runtime"

HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="orvanta.messages.debug=true" \
  "$program" "$work/no-such-reading.ras" >/dev/null 2>"$work/log" &
pid=$!
for _ in $(seq 1 300); do
  grep -q 'Please Check The File' "$work/log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q 'Please Check The File' "$work/log"; then
  cat "$work/log"
  echo "FAIL: $program did not come up to its main window"
  exit 1
fi

settings="$work/config/Orvanta/Orvanta.conf"
if grep -qs '^LastUpdateReminder=' "$settings"; then found=reminds; else found=quiet; fi
if [ "$found" = "$expected" ]; then
  echo "ok:   $(basename "$(dirname "$program")")/$(basename "$program") $found"
else
  echo "FAIL: $program is $found, expected $expected"
  exit 1
fi
