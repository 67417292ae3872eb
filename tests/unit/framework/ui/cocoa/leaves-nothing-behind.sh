#!/bin/sh
# leaves-nothing-behind.sh RUN_GNUSTEP STATE_DIR COMMAND [ARGS...]
#
# Runs a GNUstep test program through run-gnustep with a home folder of its
# own, then fails if any GNUstep daemon of that run is still alive, or if
# GNUstep wrote anything into the home folder instead of the state folder.
set -u
run_gnustep=$1
state=$2
shift 2
home=$(mktemp -d "${TMPDIR:-/tmp}/qz-home.XXXXXX") || exit 1
trap 'rm -rf "$home"' EXIT
status=0
HOME="$home" "$run_gnustep" "$state" "$@" || status=$?
[ "$status" -eq 0 ] || { echo "the program failed ($status)"; exit "$status"; }

fail=0
for name in gdnc gpbs; do
  for pid in $(pgrep -x "$name" 2>/dev/null); do
    if { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qx "GNUSTEP_CONFIG_FILE=$state/GNUstep.conf"; then
      state_of=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)
      [ "$state_of" = Z ] && continue # stopped, waiting for its parent to collect it
      echo "still running after the run: $name ($pid)"
      fail=1
    fi
  done
done
for folder in "$home" "$state/home"; do
  if [ -n "$(find "$folder" -mindepth 1 2>/dev/null | head -1)" ]; then
    echo "GNUstep wrote into the home folder $folder:"
    find "$folder" -mindepth 1
    fail=1
  fi
done
[ "$fail" -eq 0 ] && echo "no GNUstep daemon left and nothing written into a home folder"
exit "$fail"
