#!/usr/bin/env bash
# make_db.sh NAME OUT SQLITE3: builds one database file from the scripts here.
set -euo pipefail
name=$1; out=$2; sqlite=$3
here=$(cd "$(dirname "$0")" && pwd)
tmp="$out.tmp"
rm -f "$tmp"
echo "PRAGMA user_version=1; VACUUM;" | "$sqlite" "$tmp"
mv "$tmp" "$out"
