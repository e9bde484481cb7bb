#!/usr/bin/env bash
# The screenshot tour as scripts/screenshot runs it, on a copy of the program's
# folder (the tour saves the worked examples' rows) with settings of its own:
# the main window and one model window after its example are written as PNGs.
#   screenshot_tour.sh TOUR_EXECUTABLE DATABASE_DIR
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ln "$1" "$work/" 2>/dev/null || cp "$1" "$work/"
cp "$2/Demo.mdb" "$2/dbWHouse.mdb" "$work/"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
  "$work/$(basename "$1")" "$work/shots" frmPurchaseNS+cmdCalculate
for png in frmMain frmPurchaseNS frmPurchaseNS_pressed; do
  test -s "$work/shots/$png.png" || { echo "missing $png.png" >&2; exit 1; }
done
